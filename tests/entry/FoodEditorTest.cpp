#include "entry/FoodEditor.h"
#include "entry/FoodItemFields.h"
#include "entry/FoodSearch.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

namespace {

/// Two categories; Fruit's Apple has sizes 1, 2 (deleted before) and 3.
class FoodEditorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        StartDietWithFoods(
            m_dir, Answers(2026, 1, 1, 150), "('F', 'Fruit'), ('G', 'Grain')",
            "(ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, wAttribs) VALUES "
            "('Apple', 'F', 1, 'small', 0), ('Apple', 'F', 2, 'medium', 1), ('Apple', 'F', 3, 'large', 0), "
            "('Bread', 'G', 1, 'slice', 0), ('Cherry', 'F', 1, 'cup', 0), ('Cherry', 'F', 2, 'bowl', 0)");
        m_app = Restart(m_dir);
        m_tree = CFoodTree::BuildPageTree(m_app->m_categories);
    }

    SFoodNode& Node(size_t category, size_t name) const { return *m_tree.Roots()[category]->children[name]; }

    /// wAttribs of each stored row, in catalogue order.
    std::vector<int> StoredAttribs()
    {
        m_app = Restart(m_dir);
        std::vector<int> attribs;
        for (const auto& item : m_app->m_foodItems)
            attribs.push_back(item->wAttribs);
        return attribs;
    }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app;
    CFoodTree m_tree;
};

SFoodItemRecord Fields(const char* name, const char* size, double carbs)
{
    SFoodItemRecord fields;
    fields.ItemName = name;
    fields.ServingSizeName = size;
    fields.Carbs = carbs;
    fields.ServingSizeUnit = "g";
    fields.ServingSizeAmt = 50;
    fields.Protein = 9;   // never taken from the editor
    return fields;
}

} // namespace

TEST_F(FoodEditorTest, AddItemGoesAfterItsCategorysFirstRunAndJoinsTreeAndCategoryList)
{
    EXPECT_EQ(CFoodEditor::AddItemTarget(&Node(0, 0)), m_app->m_categories[0].get());
    EXPECT_EQ(CFoodEditor::AddItemTarget(m_tree.Roots()[1].get()), m_app->m_categories[1].get());
    EXPECT_EQ(CFoodEditor::AddItemTarget(Node(0, 0).children[0].get()), nullptr);   // a size node: nothing
    CFoodEditor editor(*m_app, m_tree);
    CFoodItem& added = editor.AddItem(*m_app->m_categories[0], Fields("Date", "one", 12.5));
    // Catalogue order is Apple x3 (F), Bread (G), Cherry x2 (F): after the first run of F.
    EXPECT_EQ(m_app->m_foodItems[3].get(), &added);
    EXPECT_EQ(m_app->m_categories[0]->m_items.back(), &added);
    EXPECT_EQ(added.ServingSizeCode, 1);
    EXPECT_GT(added.ID, 0);
    EXPECT_EQ(added.Protein, 0);
    EXPECT_EQ(added.ServingSizeAmt, 50);   // kept, so the picker's amount mode works
    EXPECT_EQ(m_tree.Text(), "Fruit\n  Apple\n    small\n    large\n  Cherry\n    cup\n    bowl\n"
                             "  Date\n    one\nGrain\n  Bread\n    slice\n");
    m_app = Restart(m_dir);
    EXPECT_EQ(m_app->FindFoodItem("Date", "F", 1)->Carbs, 12.5);
}

TEST_F(FoodEditorTest, AddItemSizeTakesTheNextCodeAfterTheLastSizeWhicheverNodeIsSelected)
{
    CFoodEditor editor(*m_app, m_tree);
    for (SFoodNode* selected : {&Node(0, 0), Node(0, 0).children[1].get()}) {
        CFoodItem& base = *CFoodEditor::ItemOf(selected);
        CFoodItem& added = editor.AddItemSize(base, Fields("Ignored", "huge", 1));
        EXPECT_EQ(added.ItemName, "Apple");
        EXPECT_EQ(added.ServingSizeCode, selected == &Node(0, 0) ? 4 : 5);
    }
    EXPECT_EQ(m_app->m_foodItems[3]->ServingSizeCode, 4);
    EXPECT_EQ(m_app->m_foodItems[4]->ServingSizeCode, 5);
    EXPECT_EQ(Node(0, 0).children.size(), 4u);
    EXPECT_EQ(m_app->m_categories[0]->m_items[4]->ServingSizeCode, 5);   // before Cherry in the category
}

TEST_F(FoodEditorTest, DeleteMarksSizesAndSavesThemAndEditRelabels)
{
    CFoodEditor editor(*m_app, m_tree);
    // A size node: that size only; the name node stays.
    editor.DeleteItem(*Node(0, 1).children[1]);
    EXPECT_EQ(Node(0, 1).children.size(), 1u);
    // A name node: every remaining size of the group, then the node.
    editor.DeleteItem(Node(0, 0));
    EXPECT_EQ(m_tree.Text(), "Fruit\n  Cherry\n    cup\nGrain\n  Bread\n    slice\n");
    EXPECT_EQ(StoredAttribs(), (std::vector<int>{0x11, 0x01, 0x11, 0, 0, 0x11}));

    m_tree = CFoodTree::BuildPageTree(m_app->m_categories);
    CFoodItem& cup = *CFoodEditor::ItemOf(&Node(0, 0));
    CFoodEditor(*m_app, m_tree).EditItem(cup, Fields("Cherry", "handful", 7));
    EXPECT_EQ(Node(0, 0).children[0]->Label(), "handful");
    EXPECT_EQ(cup.ServingSizeCode, 1);
    m_app = Restart(m_dir);
    EXPECT_EQ(m_app->FindFoodItem("Cherry", "F", 1)->ServingSizeName, "handful");
}

TEST(FoodItemFields, TheFirstFieldOutOfRangeIsNamedWithItsRange)
{
    SFoodItemRecord item;
    CFoodFieldTexts texts = FoodFieldTexts(item);
    EXPECT_EQ(texts[kFirstNumberField], "0");
    texts[kFirstNumberField] = "19999";
    texts[kFirstNumberField + 2] = "12.55";   // cut as a load would cut it
    texts[kServingAmountField] = "240";
    ASSERT_FALSE(ReadFoodFields(texts, item));
    EXPECT_EQ(item.Calories, 19999);
    EXPECT_EQ(item.FatGrams, 12.5);
    EXPECT_EQ(item.ServingSizeAmt, 240);

    texts[kFirstNumberField + 1] = "20000";
    texts[kFirstNumberField + 3] = "nan";
    const auto error = ReadFoodFields(texts, item);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->field, kFirstNumberField + 1);
    EXPECT_EQ(error->message, "Please enter a whole number between 0 and 19999 for Calories from Fat.");
    texts[kFirstNumberField + 1] = "0";
    EXPECT_EQ(ReadFoodFields(texts, item)->message,
              "Please enter a number between 0 and 99999.9 for Total Fat (%).");
    EXPECT_EQ(item.FatCalories, 0);   // a refused exchange changes nothing
}

TEST_F(FoodEditorTest, TheSearchFindsAddedAndRenamedItems)
{
    CFoodEditor editor(*m_app, m_tree);
    auto found = [this](const char* query) {
        std::string names;
        for (const SFoodMatch& match : m_app->FoodSearch().Find(query))
            names += match.name + "/" + std::to_string(match.sizes.size()) + "|";
        return names;
    };
    EXPECT_EQ(found("apple"), "Apple/2|");   // indexed at load, the deleted size left out
    CFoodItem& date = editor.AddItem(*m_app->m_categories[0], Fields("Date", "one", 12.5));
    editor.AddItemSize(date, Fields("Date", "two", 25));
    EXPECT_EQ(found("date"), "Date/2|");
    editor.EditItem(*m_app->FindFoodItem("Cherry", "F", 1), Fields("Sour cherry", "cup", 3));
    EXPECT_EQ(found("cherry"), "Cherry/1|Sour cherry/1|");
}
