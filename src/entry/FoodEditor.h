#pragma once

#include "entry/FoodTree.h"
#include "store/FoodItem.h"

#include <memory>
#include <vector>

class CLeanlogApp;

using CFoodItemList = std::vector<std::unique_ptr<CFoodItem>>;

/// The Carb Info page's four editing commands over the catalogue and the
/// page's tree. Every change is saved with SaveFoodItem; a failed save
/// throws the database's exception and leaves memory and tree as they were.
/// UI thread only.
class CFoodEditor
{
public:
    CFoodEditor(CLeanlogApp& app, CFoodTree& tree) : m_app(app), m_tree(tree) {}

    /// Add Item's category: a category node's, or an item-name node's parent's; else null.
    static CItemCategory* AddItemTarget(const SFoodNode* selected);
    /// The item a name or size node carries; null for a category node or none.
    static CFoodItem* ItemOf(const SFoodNode* selected);

    /// A new food (size code 1) from the editor's fields; joins the category's list and tree.
    CFoodItem& AddItem(CItemCategory& category, const SFoodItemRecord& fields);
    /// A further size of `base`'s food; the name typed in the editor is not used.
    CFoodItem& AddItemSize(CFoodItem& base, const SFoodItemRecord& fields);
    /// Writes the editor's fields into the item and relabels its nodes.
    void EditItem(CFoodItem& item, const SFoodItemRecord& fields);
    /// Marks deleted (bit 0x01) the size of a size node, or every remaining
    /// size of a name node's group, and removes their nodes.
    void DeleteItem(SFoodNode& selected);

private:
    CFoodItem& Insert(size_t index, std::unique_ptr<CFoodItem> item, CItemCategory& category, size_t categoryIndex);
    void MarkDeleted(CFoodItem& item);

    CLeanlogApp& m_app;
    CFoodTree& m_tree;
};
