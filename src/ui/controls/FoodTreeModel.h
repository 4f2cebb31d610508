#pragma once

#include "entry/FoodTree.h"

#include <wx/dataview.h>

/// A food tree shown in a wxDataViewCtrl: one column, the node labels,
/// children read on demand; follows the tree's changes. The tree outlives
/// the model's use: its owner destroys the control showing it first.
/// UI thread only.
class CFoodTreeModel : public wxDataViewModel, public CFoodTreeObserver
{
public:
    explicit CFoodTreeModel(CFoodTree& tree);

    static SFoodNode* Node(const wxDataViewItem& item) { return static_cast<SFoodNode*>(item.GetID()); }
    static wxDataViewItem Item(const SFoodNode* node) { return wxDataViewItem(const_cast<SFoodNode*>(node)); }

    unsigned GetColumnCount() const override { return 1; }
    wxString GetColumnType(unsigned) const override { return "string"; }
    void GetValue(wxVariant& value, const wxDataViewItem& item, unsigned column) const override;
    bool SetValue(const wxVariant&, const wxDataViewItem&, unsigned) override { return false; }
    wxDataViewItem GetParent(const wxDataViewItem& item) const override;
    bool IsContainer(const wxDataViewItem& item) const override;
    unsigned GetChildren(const wxDataViewItem& item, wxDataViewItemArray& children) const override;

    void NodeAdded(const SFoodNode& node) override;
    void NodeRemoved(const SFoodNode* parent, const SFoodNode& node) override;
    void NodeChanged(const SFoodNode& node) override;

private:
    CFoodTree& m_tree;
};
