#include "entry/FoodTree.h"

#include <algorithm>

std::string_view SFoodNode::Label() const
{
    switch (kind) {
    case EFoodNodeKind::Category: return category->Category;
    case EFoodNodeKind::Name: return item->ItemName;
    case EFoodNodeKind::Size: return item->ServingSizeName;
    }
    return {};
}

CFoodTree CFoodTree::BuildPageTree(const std::vector<std::unique_ptr<CItemCategory>>& categories)
{
    return Build(categories, false);
}

CFoodTree CFoodTree::BuildPickerTree(const std::vector<std::unique_ptr<CItemCategory>>& categories)
{
    return Build(categories, true);
}

CFoodTree CFoodTree::Build(const std::vector<std::unique_ptr<CItemCategory>>& categories, bool picker)
{
    CFoodTree tree;
    tree.m_bRecordHandles = !picker;
    for (const auto& category : categories) {
        SFoodNode& categoryNode = tree.Append(nullptr, EFoodNodeKind::Category, category.get(), nullptr);
        SFoodNode* nameNode = nullptr;
        bool groupOpened = false;   // a size code 1 was met in this category
        for (CFoodItem* item : category->m_items) {
            if (item->ServingSizeCode == 1) {
                nameNode = nullptr;
                groupOpened = true;
            }
            if (item->wAttribs & kAttribHidden)
                continue;
            SFoodNode* parent = nameNode;
            if (!parent && picker && !groupOpened) {
                parent = nullptr;   // an orphan size: top level
            } else if (!parent) {
                nameNode = &tree.Append(&categoryNode, EFoodNodeKind::Name, nullptr, item);
                parent = nameNode;
            }
            tree.Append(parent, EFoodNodeKind::Size, nullptr, item);
        }
    }
    return tree;
}

SFoodNode& CFoodTree::Append(SFoodNode* parent, EFoodNodeKind kind, CItemCategory* category, CFoodItem* item)
{
    auto node = std::make_unique<SFoodNode>();
    node->kind = kind;
    node->category = category;
    node->item = item;
    node->parent = parent;
    auto& siblings = parent ? parent->children : m_roots;
    SFoodNode& added = *siblings.emplace_back(std::move(node));
    if (m_bRecordHandles) {
        if (kind == EFoodNodeKind::Category)
            category->m_hTreeNode = &added;
        else if (kind == EFoodNodeKind::Size)
            item->m_hTreeNode = &added;
    }
    if (m_pObserver)
        m_pObserver->NodeAdded(added);
    return added;
}

namespace {

void ClearHandles(const SFoodNode& node)
{
    if (node.category && node.category->m_hTreeNode == &node)
        node.category->m_hTreeNode = nullptr;
    if (node.item && node.item->m_hTreeNode == &node)
        node.item->m_hTreeNode = nullptr;
    for (const auto& child : node.children)
        ClearHandles(*child);
}

void AppendText(const SFoodNode& node, int depth, std::string& text)
{
    text.append(static_cast<size_t>(depth) * 2, ' ');
    text.append(node.Label());
    text.push_back('\n');
    for (const auto& child : node.children)
        AppendText(*child, depth + 1, text);
}

} // namespace

void CFoodTree::Remove(SFoodNode& node)
{
    ClearHandles(node);
    auto& siblings = node.parent ? node.parent->children : m_roots;
    const auto found =
        std::find_if(siblings.begin(), siblings.end(), [&node](const auto& sibling) { return sibling.get() == &node; });
    if (found == siblings.end())
        return;
    const std::unique_ptr<SFoodNode> removed = std::move(*found);
    siblings.erase(found);
    if (m_pObserver)
        m_pObserver->NodeRemoved(removed->parent, *removed);
}

void CFoodTree::Changed(const SFoodNode& node)
{
    if (m_pObserver)
        m_pObserver->NodeChanged(node);
}

std::string CFoodTree::Text() const
{
    std::string text;
    for (const auto& root : m_roots)
        AppendText(*root, 0, text);
    return text;
}
