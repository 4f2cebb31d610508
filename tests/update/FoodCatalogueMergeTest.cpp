#include "entry/FoodSearch.h"
#include "support/DbQuery.h"
#include "support/TestDiet.h"
#include "update/FoodCatalogueMerge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

SCategoryRecord Category(std::string code, std::string name)
{
    SCategoryRecord record;
    record.CatCode = std::move(code);
    record.Category = std::move(name);
    return record;
}

SFoodItemRecord Item(std::string name, std::string code, int size)
{
    SFoodItemRecord record;
    record.ItemName = std::move(name);
    record.ItemCategoryCode = std::move(code);
    record.ServingSizeCode = size;
    return record;
}

std::vector<std::string> Names(const std::vector<CFoodItem*>& items)
{
    std::vector<std::string> out;
    for (const auto* item : items)
        out.push_back(item->ItemName + "/" + std::to_string(item->ServingSizeCode));
    return out;
}

std::vector<std::string> Names(const std::vector<std::unique_ptr<CFoodItem>>& items)
{
    std::vector<CFoodItem*> raw;
    for (const auto& item : items)
        raw.push_back(item.get());
    return Names(raw);
}

class FoodCatalogueMergeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_app = StartFirstDiet(m_dir, Answers(2026, 1, 1, 150));
        CFoodCatalogueMerge(*m_app).MergeCategories({Category("0100", "Dairy"), Category("0900", "Fruits")});
        CFoodCatalogueMerge(*m_app).MergeFoodItems({Item("Milk", "0100", 1), Item("Apple", "0900", 1)});
    }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app;
};

} // namespace

TEST_F(FoodCatalogueMergeTest, KnownCategoryCodesAreSkippedAndNewOnesGetTheirKeys)
{
    const int added = CFoodCatalogueMerge(*m_app).MergeCategories(
        {Category("0100", "Renamed dairy"), Category("1100", "Vegetables"), Category("1100", "Again")});
    EXPECT_EQ(added, 1);
    ASSERT_EQ(m_app->m_categories.size(), 3u);
    EXPECT_EQ(m_app->m_categories[0]->Category, "Dairy");
    EXPECT_EQ(m_app->m_categories[2]->Category, "Vegetables");
    EXPECT_EQ(m_app->m_categories[2]->ID, 3);
    EXPECT_EQ(QueryText(*m_app->m_db, "SELECT COUNT(*) FROM LnLg_FoodCategories"), "3");
}

TEST_F(FoodCatalogueMergeTest, ItemsArePlacedAfterTheirPreviousSizeAndInCatalogueOrder)
{
    m_app->m_foodItems[0]->wAttribs = kAttribDeleted;   // Apple/1: a deleted item still counts as known
    const int added = CFoodCatalogueMerge(*m_app).MergeFoodItems({
        Item("Apple", "0900", 1),      // known
        Item("Banana", "0900", 1),     // appended
        Item("Apple", "0900", 2),      // after Apple/1
        Item("Cherry", "0900", 3),     // no size 2: to the front
        Item("Banana", "0900", 1),     // repeated within the reply
        Item("apple", "0900", 2),      // another name: letter case counts
    });
    EXPECT_EQ(added, 4);
    const CItemCategory& fruits = *m_app->FindCategoryByCode("0900");
    EXPECT_EQ(Names(fruits.m_items), (std::vector<std::string>{"apple/2", "Cherry/3", "Apple/1", "Apple/2", "Banana/1"}));
    EXPECT_EQ(Names(m_app->m_foodItems),
              (std::vector<std::string>{"Apple/1", "Apple/2", "apple/2", "Banana/1", "Cherry/3", "Milk/1"}));
    EXPECT_EQ(QueryText(*m_app->m_db, "SELECT COUNT(*) FROM LnLg_FoodItem"), "6");
    EXPECT_EQ(m_app->FoodSearch().Find("banana").size(), 1u) << "merged items are searched";

    // The keys read back are the rows' keys.
    const auto reloaded = Restart(m_dir);
    for (const auto& item : m_app->m_foodItems)
        EXPECT_EQ(reloaded->FindFoodItem(item->ItemName, item->ItemCategoryCode, item->ServingSizeCode)->ID, item->ID)
            << item->ItemName;
}

TEST_F(FoodCatalogueMergeTest, AnItemOfAnUnknownCategoryIsKeptAndJoinsItWhenItArrives)
{
    CFoodCatalogueMerge(*m_app).MergeFoodItems({Item("Tofu", "1600", 1)});
    const CFoodItem* tofu = m_app->FindFoodItem("Tofu", "1600", 1);
    ASSERT_NE(tofu, nullptr);
    EXPECT_EQ(tofu->m_pCategory, nullptr);

    CFoodCatalogueMerge(*m_app).MergeCategories({Category("1600", "Legumes")});
    const auto reloaded = Restart(m_dir);
    EXPECT_EQ(Names(reloaded->FindCategoryByCode("1600")->m_items), std::vector<std::string>{"Tofu/1"});
}

TEST_F(FoodCatalogueMergeTest, LongTextsAreCutToTheirColumnOnACharacterBoundary)
{
    const std::string name = std::string(199, 'x') + "éé";
    CFoodCatalogueMerge(*m_app).MergeCategories({Category("ABCDEFG", "Long")});
    CFoodCatalogueMerge(*m_app).MergeFoodItems({Item(name, "ABCDEFG", 1)});
    EXPECT_NE(m_app->FindCategoryByCode("ABCDE"), nullptr);
    const CFoodItem* item = m_app->FindFoodItem(std::string(199, 'x') + "é", "ABCDE", 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_pCategory, m_app->FindCategoryByCode("ABCDE"));
}

TEST_F(FoodCatalogueMergeTest, ADatabaseErrorLeavesFileAndCatalogueAsTheyWere)
{
    m_app->m_db->Execute("CREATE TRIGGER refuse BEFORE INSERT ON LnLg_FoodItem WHEN NEW.ItemName = 'Boom' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    CFoodCatalogueMerge merge(*m_app);
    EXPECT_THROW(merge.MergeFoodItems({Item("Pear", "0900", 1), Item("Boom", "0900", 1)}), CDbException);
    EXPECT_EQ(QueryText(*m_app->m_db, "SELECT COUNT(*) FROM LnLg_FoodItem"), "2");
    EXPECT_EQ(Names(m_app->m_foodItems), (std::vector<std::string>{"Apple/1", "Milk/1"}));
    EXPECT_EQ(m_app->FindCategoryByCode("0900")->m_items.size(), 1u);
}
