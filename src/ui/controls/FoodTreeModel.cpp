#include "ui/controls/FoodTreeModel.h"

#include "ui/controls/WxText.h"

CFoodTreeModel::CFoodTreeModel(CFoodTree& tree) : m_tree(tree)
{
    m_tree.SetObserver(this);
}

void CFoodTreeModel::GetValue(wxVariant& value, const wxDataViewItem& item, unsigned) const
{
    value = ToWx(Node(item)->Label());
}

wxDataViewItem CFoodTreeModel::GetParent(const wxDataViewItem& item) const
{
    return item.IsOk() ? Item(Node(item)->parent) : wxDataViewItem();
}

bool CFoodTreeModel::IsContainer(const wxDataViewItem& item) const
{
    return !item.IsOk() || Node(item)->kind != EFoodNodeKind::Size;
}

unsigned CFoodTreeModel::GetChildren(const wxDataViewItem& item, wxDataViewItemArray& children) const
{
    const auto& nodes = item.IsOk() ? Node(item)->children : m_tree.Roots();
    children.reserve(nodes.size());
    for (const auto& node : nodes)
        children.push_back(Item(node.get()));
    return static_cast<unsigned>(nodes.size());
}

void CFoodTreeModel::NodeAdded(const SFoodNode& node)
{
    ItemAdded(Item(node.parent), Item(&node));
}

void CFoodTreeModel::NodeRemoved(const SFoodNode* parent, const SFoodNode& node)
{
    ItemDeleted(Item(parent), Item(&node));
}

void CFoodTreeModel::NodeChanged(const SFoodNode& node)
{
    ItemChanged(Item(&node));
}
