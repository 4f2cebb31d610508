#include "entry/FoodTree.h"

#include <gtest/gtest.h>

namespace {

/// One category "Fruit" over items given as name, size code, size name and attributes.
struct SCatalogue
{
    struct SRow
    {
        const char* name;
        int code;
        const char* size;
        int attribs = 0;
    };

    explicit SCatalogue(std::initializer_list<SRow> rows)
    {
        auto& category = *categories.emplace_back(std::make_unique<CItemCategory>());
        category.Category = "Fruit";
        for (const auto& row : rows) {
            auto& item = *items.emplace_back(std::make_unique<CFoodItem>());
            item.ItemName = row.name;
            item.ServingSizeCode = row.code;
            item.ServingSizeName = row.size;
            item.wAttribs = row.attribs;
            category.m_items.push_back(&item);
        }
    }

    std::vector<std::unique_ptr<CItemCategory>> categories;
    std::vector<std::unique_ptr<CFoodItem>> items;
};

} // namespace

TEST(FoodTree, PageTreeHidesDeletedSizesAndNamesAGroupAtItsFirstRemainingSize)
{
    SCatalogue c{
        {"Apple", 1, "small"}, {"Apple", 2, "medium"}, {"Apple", 3, "large"},
        {"Banana", 1, "small", kAttribDeleted}, {"Banana", 2, "large"},   // name node at size 2
        {"Cherry", 1, "cup", 0x04},                                      // any of 0x0F hides; nothing shown
        {"Date", 1, "one", 0x10},                                        // a desktop save still shows
    };
    const CFoodTree tree = CFoodTree::BuildPageTree(c.categories);
    EXPECT_EQ(tree.Text(), "Fruit\n  Apple\n    small\n    medium\n    large\n  Banana\n    large\n"
                           "  Date\n    one\n");
    const SFoodNode& banana = *tree.Roots()[0]->children[1];
    EXPECT_EQ(banana.item, c.items[4].get());
    // The page records the nodes that show each category and size.
    EXPECT_EQ(c.categories[0]->m_hTreeNode, tree.Roots()[0].get());
    EXPECT_EQ(c.items[4]->m_hTreeNode, banana.children[0].get());
    EXPECT_EQ(c.items[3]->m_hTreeNode, nullptr);
}

TEST(FoodTree, PickerTreeStartsNamesOnlyAtSizeOneAndKeepsThePageHandles)
{
    SCatalogue c{
        {"Orphan", 2, "slice"},                                // before any size 1: top level
        {"Banana", 1, "small", kAttribDeleted}, {"Banana", 2, "large"},
        {"Kiwi", 1, "one"},
    };
    CFoodTree page = CFoodTree::BuildPageTree(c.categories);
    const CFoodTree picker = CFoodTree::BuildPickerTree(c.categories);
    EXPECT_EQ(picker.Text(), "Fruit\n  Banana\n    large\n  Kiwi\n    one\nslice\n");
    EXPECT_EQ(page.Text(), "Fruit\n  Orphan\n    slice\n  Banana\n    large\n  Kiwi\n    one\n");
    EXPECT_EQ(c.items[2]->m_hTreeNode, page.Roots()[0]->children[1]->children[0].get());
}

TEST(FoodTree, RemovingANodeClearsTheHandlesBelowIt)
{
    SCatalogue c{{"Apple", 1, "small"}, {"Apple", 2, "large"}};
    CFoodTree tree = CFoodTree::BuildPageTree(c.categories);
    tree.Remove(*tree.Roots()[0]->children[0]);
    EXPECT_EQ(tree.Text(), "Fruit\n");
    EXPECT_EQ(c.items[0]->m_hTreeNode, nullptr);
    EXPECT_EQ(c.items[1]->m_hTreeNode, nullptr);
}
