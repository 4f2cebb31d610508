#include "entry/FoodEditor.h"

#include "app/LeanlogApp.h"
#include "entry/FoodSearch.h"

#include <algorithm>

namespace {

/// The fields the editor does not show, taken from `from` whatever `into` held.
void KeepHiddenFields(SFoodItemRecord& into, const SFoodItemRecord& from)
{
    into.ID = from.ID;
    into.PalmID = from.PalmID;
    into.wAttribs = from.wAttribs;
    into.ItemCategoryCode = from.ItemCategoryCode;
    into.ServingSizeCode = from.ServingSizeCode;
    into.Protein = from.Protein;
    into.Points = from.Points;
}

/// The new item: the editor's texts and values, no key, no attributes,
/// Protein and Points 0.
std::unique_ptr<CFoodItem> NewItem(const SFoodItemRecord& fields, const std::string& name,
                                   const std::string& categoryCode, std::int32_t code)
{
    SFoodItemRecord hidden;
    hidden.ItemCategoryCode = categoryCode;
    hidden.ServingSizeCode = code;
    auto item = std::make_unique<CFoodItem>(fields);
    KeepHiddenFields(*item, hidden);
    item->ItemName = name;
    return item;
}

size_t IndexOf(const CFoodItemList& items, const CFoodItem& item)
{
    const auto found = std::find_if(items.begin(), items.end(), [&item](const auto& p) { return p.get() == &item; });
    return static_cast<size_t>(found - items.begin());
}

/// Where Add Item puts an item of `categoryCode` in the catalogue list:
/// after the first run of that category's items, else at the end.
size_t AddItemPosition(const CFoodItemList& items, std::string_view categoryCode)
{
    size_t i = 0;
    while (i < items.size() && items[i]->ItemCategoryCode != categoryCode)
        ++i;
    while (i < items.size() && items[i]->ItemCategoryCode == categoryCode)
        ++i;
    return i;
}

struct SSizePosition
{
    size_t index;         ///< after the last size of the base item's name
    std::int32_t code;    ///< that size's code + 1
};

/// Where Add Item Size puts a further size of `base`, and its code.
SSizePosition AddSizePosition(const CFoodItemList& items, const CFoodItem& base)
{
    size_t i = IndexOf(items, base);
    if (i == items.size())
        return {items.size(), base.ServingSizeCode + 1};
    while (i + 1 < items.size() && items[i + 1]->ItemName == base.ItemName)
        ++i;
    return {i + 1, items[i]->ServingSizeCode + 1};
}

/// The sizes of the group around `index`: from the nearest size code 1 at
/// or before it up to, not including, the next size code 1.
std::pair<size_t, size_t> GroupAround(const CFoodItemList& items, size_t index)
{
    size_t begin = index;
    while (begin > 0 && items[begin]->ServingSizeCode != 1)
        --begin;
    size_t end = index + 1;
    while (end < items.size() && items[end]->ServingSizeCode != 1)
        ++end;
    return {begin, end};
}

} // namespace

CItemCategory* CFoodEditor::AddItemTarget(const SFoodNode* selected)
{
    if (!selected)
        return nullptr;
    if (selected->kind == EFoodNodeKind::Category)
        return selected->category;
    if (selected->kind == EFoodNodeKind::Name && selected->parent &&
        selected->parent->kind == EFoodNodeKind::Category)
        return selected->parent->category;
    return nullptr;
}

CFoodItem* CFoodEditor::ItemOf(const SFoodNode* selected)
{
    return selected && selected->kind != EFoodNodeKind::Category ? selected->item : nullptr;
}

CFoodItem& CFoodEditor::Insert(size_t index, std::unique_ptr<CFoodItem> item, CItemCategory& category,
                               size_t categoryIndex)
{
    item->m_pCategory = &category;
    m_app.SaveFoodItem(*item);
    CFoodItem& added = **m_app.m_foodItems.insert(m_app.m_foodItems.begin() + static_cast<long>(index),
                                                  std::move(item));
    category.m_items.insert(category.m_items.begin() + static_cast<long>(categoryIndex), &added);
    m_app.FoodSearch().Add(added);
    return added;
}

CFoodItem& CFoodEditor::AddItem(CItemCategory& category, const SFoodItemRecord& fields)
{
    const size_t index = AddItemPosition(m_app.m_foodItems, category.CatCode);
    CFoodItem& item = Insert(index, NewItem(fields, fields.ItemName, category.CatCode, 1), category,
                             category.m_items.size());
    if (auto* categoryNode = static_cast<SFoodNode*>(category.m_hTreeNode)) {
        SFoodNode& nameNode = m_tree.Append(categoryNode, EFoodNodeKind::Name, nullptr, &item);
        m_tree.Append(&nameNode, EFoodNodeKind::Size, nullptr, &item);
    }
    return item;
}

CFoodItem& CFoodEditor::AddItemSize(CFoodItem& base, const SFoodItemRecord& fields)
{
    const SSizePosition position = AddSizePosition(m_app.m_foodItems, base);
    CItemCategory& category = *base.m_pCategory;
    auto& sizes = category.m_items;
    auto after = std::find(sizes.begin(), sizes.end(), &base);
    while (after != sizes.end() && (*after)->ItemName == base.ItemName)
        ++after;
    CFoodItem& item = Insert(position.index, NewItem(fields, base.ItemName, base.ItemCategoryCode, position.code),
                             category, static_cast<size_t>(after - sizes.begin()));
    // The group's name node: the parent of the base item's size node.
    if (auto* baseNode = static_cast<SFoodNode*>(base.m_hTreeNode); baseNode && baseNode->parent)
        m_tree.Append(baseNode->parent, EFoodNodeKind::Size, nullptr, &item);
    return item;
}

void CFoodEditor::EditItem(CFoodItem& item, const SFoodItemRecord& fields)
{
    const SFoodItemRecord before = item;
    static_cast<SFoodItemRecord&>(item) = fields;
    KeepHiddenFields(item, before);
    try {
        m_app.SaveFoodItem(item);
    } catch (...) {
        static_cast<SFoodItemRecord&>(item) = before;
        throw;
    }
    m_app.FoodSearch().Add(item);
    if (auto* node = static_cast<SFoodNode*>(item.m_hTreeNode)) {
        m_tree.Changed(*node);
        if (node->parent && node->parent->item == &item)
            m_tree.Changed(*node->parent);
    }
}

void CFoodEditor::MarkDeleted(CFoodItem& item)
{
    const std::int32_t before = item.wAttribs;
    item.wAttribs |= kAttribDeleted;
    try {
        m_app.SaveFoodItem(item);
    } catch (...) {
        item.wAttribs = before;
        throw;
    }
    if (auto* node = static_cast<SFoodNode*>(item.m_hTreeNode))
        m_tree.Remove(*node);
}

void CFoodEditor::DeleteItem(SFoodNode& selected)
{
    CFoodItem* item = ItemOf(&selected);
    if (!item)
        return;
    if (selected.parent && selected.parent->kind == EFoodNodeKind::Name) {
        MarkDeleted(*item);
        return;
    }
    auto& items = m_app.m_foodItems;
    const size_t index = IndexOf(items, *item);
    if (index < items.size()) {
        const auto [begin, end] = GroupAround(items, index);
        for (size_t i = begin; i < end; ++i)
            if (!(items[i]->wAttribs & kAttribDeleted))
                MarkDeleted(*items[i]);
    }
    m_tree.Remove(selected);
}
