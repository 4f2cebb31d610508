#include "store/FoodItem.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

TEST(FoodItem, CutToOneDecimalAndNameOrder)
{
    const std::pair<double, double> cuts[] = {
        {2.38, 2.3}, {-1.25, -1.2}, {0.09, 0.0}, {-0.09, 0.0}, {99999.99, 99999.9}, {12.7, 12.7},
    };
    for (const auto& [in, out] : cuts)
        EXPECT_NEAR(CutToOneDecimal(in), out, 1e-9) << in;

    EXPECT_EQ(CompareItemNames("apple", "APPLE"), 0);
    EXPECT_LT(CompareItemNames("Apple", "apple pie"), 0);
    EXPECT_GT(CompareItemNames("zucchini", "Yam"), 0);
    EXPECT_LT(CompareItemNames("A, raw", "A_raw"), 0);   // ',' 0x2C before '_' 0x5F, as SQLite orders
}

namespace {

class FoodCatalogueTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto app = StartFirstDiet(m_dir, Answers(2026, 1, 1, 150));
        app->m_db->Execute("INSERT INTO LnLg_FoodCategories (CatCode, Category) VALUES "
                           "('0900', 'Fruits'), ('0100', 'Dairy'), ('0100', 'Dairy again')");
        app->m_db->Execute(
            "INSERT INTO LnLg_FoodItem (ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, Carbs, "
            "ServingSizeAmt) VALUES "
            "('banana', '0900', 2, 'large', 31.19, 136), ('Apple', '0900', 1, '1 medium', 25.13, 182), "
            "('Banana', '0900', 1, 'small', 23.06, 101), ('apple', '0900', 2, '1 cup', 16.61, 125), "
            "('Milk', '0100', 1, '1 cup', 12.0, 244), ('Milk', '0900', 1, 'odd', 1.0, 1), "
            "('Mystery', '9999', 1, 'bowl', -1.25, 1)");
        m_app = Restart(m_dir);
    }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app;
};

std::string NameAndSize(const std::vector<CFoodItem*>& items)
{
    std::string out;
    for (const auto* item : items)
        out += item->ItemName + "/" + std::to_string(item->ServingSizeCode) + " ";
    return out;
}

} // namespace

TEST_F(FoodCatalogueTest, LoadsByNameWithoutCaseThenBySizeIntoTheFirstCategoryOfItsCode)
{
    std::vector<CFoodItem*> all;
    for (const auto& item : m_app->m_foodItems)
        all.push_back(item.get());
    // Sizes of one name are adjacent and start at code 1, whatever the letter case.
    EXPECT_EQ(NameAndSize(all), "Apple/1 apple/2 Banana/1 banana/2 Milk/1 Milk/1 Mystery/1 ");
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_FALSE(ComesBefore(*all[i], *all[i - 1])) << i;

    ASSERT_EQ(m_app->m_categories.size(), 3u);
    EXPECT_EQ(m_app->m_categories[0]->Category, "Fruits");
    EXPECT_EQ(NameAndSize(m_app->m_categories[0]->m_items), "Apple/1 apple/2 Banana/1 banana/2 Milk/1 ");
    EXPECT_EQ(NameAndSize(m_app->m_categories[1]->m_items), "Milk/1 ");
    EXPECT_TRUE(m_app->m_categories[2]->m_items.empty());
    EXPECT_EQ(m_app->FindCategoryByCode("0100"), m_app->m_categories[1].get());
    EXPECT_EQ(m_app->FindCategoryByCode("0100 "), nullptr);
}

TEST_F(FoodCatalogueTest, FindNeedsAllThreeKeysExactlyAndValuesAreCutOnLoad)
{
    EXPECT_EQ(m_app->FindFoodItem("Milk", "0100", 1)->ServingSizeName, "1 cup");
    EXPECT_EQ(m_app->FindFoodItem("Milk", "0900", 1)->ServingSizeName, "odd");
    EXPECT_EQ(m_app->FindFoodItem("Milk", "0100", 2), nullptr);
    EXPECT_EQ(m_app->FindFoodItem("milk", "0100", 1), nullptr);
    EXPECT_EQ(m_app->FindFoodItem("Milk", "0200", 1), nullptr);
    const auto& fruits = m_app->m_categories[0]->m_items;
    EXPECT_EQ(IndexOfFoodItem(fruits, "banana", "0900", 2), 3);
    EXPECT_EQ(IndexOfFoodItem(fruits, "Banana", "0900", 2), -1);

    const CFoodItem* banana = m_app->FindFoodItem("banana", "0900", 2);
    EXPECT_NEAR(banana->Carbs, 31.1, 1e-9);
    EXPECT_NEAR(banana->ServingSizeAmt, 136.0, 1e-9);
    const CFoodItem* mystery = m_app->FindFoodItem("Mystery", "9999", 1);   // unknown category: kept without one
    ASSERT_NE(mystery, nullptr);
    EXPECT_EQ(mystery->m_pCategory, nullptr);
    EXPECT_NEAR(mystery->Carbs, -1.2, 1e-9);
}

TEST_F(FoodCatalogueTest, SaveFoodItemAddsThenEdits)
{
    CFoodItem item;
    item.ItemName = "Kiwi";
    item.ItemCategoryCode = "0900";
    item.ServingSizeCode = 1;
    item.Carbs = 12.5;
    m_app->SaveFoodItem(item);
    EXPECT_EQ(item.ID, 8);
    EXPECT_EQ(item.wAttribs, 0x10);
    item.wAttribs |= kAttribDeleted;
    item.ServingSizeName = "1 fruit";
    m_app->SaveFoodItem(item);
    EXPECT_EQ(item.ID, 8);

    const auto again = Restart(m_dir);
    EXPECT_EQ(again->m_foodItems.size(), 8u);
    const CFoodItem* kiwi = again->FindFoodItem("Kiwi", "0900", 1);
    ASSERT_NE(kiwi, nullptr);
    EXPECT_EQ(kiwi->ID, 8);
    EXPECT_EQ(kiwi->wAttribs, 0x11);
    EXPECT_EQ(kiwi->ServingSizeName, "1 fruit");
    EXPECT_NEAR(kiwi->Carbs, 12.5, 1e-9);
}
