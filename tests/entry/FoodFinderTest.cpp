#include "entry/FoodFinder.h"
#include "store/FoodItem.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CFoodItem> Item(const char* name, int size, const char* sizeName)
{
    auto item = std::make_unique<CFoodItem>();
    item->ItemName = name;
    item->ServingSizeCode = size;
    item->ServingSizeName = sizeName;
    return item;
}

/// Each row as name/size/category.
std::string Rows(const CFoodFinder& finder)
{
    std::string rows;
    for (size_t row = 0; row < finder.RowCount(); ++row)
        rows += finder.Text(row, CFoodFinder::kNameColumn) + "/" + finder.Text(row, CFoodFinder::kSizeColumn) + "/" +
                finder.Text(row, CFoodFinder::kCategoryColumn) + "|";
    return rows;
}

} // namespace

TEST(FoodFinder, RowsFollowTheTypedWordsAndStandInWhileTheFieldHoldsText)
{
    CItemCategory dairy;
    dairy.Category = "Dairy";
    std::vector<std::unique_ptr<CFoodItem>> items;
    items.push_back(Item("Buttermilk", 1, "cup"));
    items.push_back(Item("Milk", 2, "pint"));
    items.push_back(Item("Milk", 1, "cup"));
    for (auto& item : items)
        item->m_pCategory = &dairy;
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
        {"mi", true, true, "Milk/cup/Dairy|Milk/pint/Dairy|"},   // every size, in size order
        {"mi ", false, true, "Milk/cup/Dairy|Milk/pint/Dairy|"}, // the same words: nothing to redraw
        {"b", true, true, "Buttermilk/cup/Dairy|"},
        {" ", true, true, ""},                                   // no words, yet the field is not empty
        {"", true, false, ""},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(finder.SetText(step.text), step.changed) << '"' << step.text << '"';
        EXPECT_EQ(finder.Searching(), step.searching) << '"' << step.text << '"';
        EXPECT_EQ(Rows(finder), step.rows) << '"' << step.text << '"';
    }
    finder.SetText("milk");
    EXPECT_EQ(&finder.Item(1), items[1].get()) << "a row chooses its own size";
}
