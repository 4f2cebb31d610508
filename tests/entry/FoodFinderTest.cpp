#include "entry/FoodFinder.h"
#include "store/FoodItem.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(FoodFinder, RowsFollowTheTypedWordsAndStandInWhileTheFieldHoldsText)
{
    CItemCategory dairy;
    dairy.Category = "Dairy";
    std::vector<std::unique_ptr<CFoodItem>> items;
    for (const auto& [name, size, sizeName] : {std::tuple{"Buttermilk", 1, "cup"}, {"Milk", 2, "pint"}, {"Milk", 1, "cup"}}) {
        auto& item = *items.emplace_back(std::make_unique<CFoodItem>());
        item.ItemName = name;
        item.ServingSizeCode = size;
        item.ServingSizeName = sizeName;
        item.m_pCategory = &dairy;
    }
    const CFoodSearch search(items);
    CFoodFinder finder(search);
    const struct
    {
        const char* text;
        bool changed;     // the list must be redrawn
        bool searching;   // the list stands in for the tree
        const char* rows;
    } steps[] = {
        {"", false, false, ""},
        {"mi", true, true, "Milk/cup/Dairy|Milk/pint/Dairy|"},    // every size, in size order
        {"mi ", false, true, "Milk/cup/Dairy|Milk/pint/Dairy|"},  // the same words: nothing to redraw
        {" ", true, true, ""},                                    // no words, yet the field is not empty
        {"", true, false, ""},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(finder.SetText(step.text), step.changed) << '"' << step.text << '"';
        EXPECT_EQ(finder.Searching(), step.searching) << '"' << step.text << '"';
        std::string rows;
        for (size_t row = 0; row < finder.RowCount(); ++row)
            rows += finder.Text(row, CFoodFinder::kNameColumn) + "/" + finder.Text(row, CFoodFinder::kSizeColumn) +
                    "/" + finder.Text(row, CFoodFinder::kCategoryColumn) + "|";
        EXPECT_EQ(rows, step.rows) << '"' << step.text << '"';
    }
    finder.SetText("milk");
    EXPECT_EQ(&finder.Item(1), items[1].get()) << "a row chooses its own size";
}
