#pragma once

#include "entry/FoodTree.h"

#include <wx/panel.h>

#include <memory>
#include <optional>

class CFoodSearchPanel;
class CFoodTreeModel;
class CLeanlogApp;
class CNutritionPanel;
class wxDataViewCtrl;
class wxMenu;

/// Tab 5, "Carb Info": the food catalogue's tree beside the nutrition
/// label of the selected serving, with the editing commands in the tree's
/// context menu (double-click edits), and a search field above the tree
/// whose results stand in for it while the field holds text. The tree is
/// built the first time the page is shown. UI thread only.
class CCarbInfoPage : public wxPanel
{
public:
    CCarbInfoPage(wxWindow* parent, CLeanlogApp& app);
    ~CCarbInfoPage() override;

    /// Builds the tree unless it is built already.
    void EnsureTree();

    enum ECommand : int { kIdAddItem = 1401, kIdAddItemSize, kIdEditItem, kIdDeleteItem };
    /// Runs one of the four commands on the selected node.
    void RunCommand(int command);
    /// The context menu as it opens on the current selection (null when nothing is selected).
    std::unique_ptr<wxMenu> ContextMenu() const;

    wxDataViewCtrl* Tree() const { return m_pTree; }
    const CFoodTree& FoodTree() const { return m_tree; }
    CNutritionPanel* Panel() const { return m_pPanel; }
    CFoodSearchPanel* Search() const { return m_pSearch; }
    /// Selects `node` and shows it.
    void SelectNode(const SFoodNode* node);

private:
    SFoodNode* Selected() const;
    /// Shows `item`'s label; an empty one for null.
    void ShowItem(const CFoodItem* item);
    void AddItem(SFoodNode* selected);
    void AddItemSize(SFoodNode* selected);
    void EditItem(SFoodNode* selected);
    /// The item editor's values once the user pressed OK; nullopt when cancelled.
    std::optional<SFoodItemRecord> AskItemFields(const SFoodItemRecord& start, bool nameEnabled);

    CLeanlogApp& m_app;
    CFoodTree m_tree;
    bool m_bBuilt = false;
    wxDataViewCtrl* m_pTree = nullptr;
    CFoodTreeModel* m_pModel = nullptr;   ///< reference held by the tree control
    CNutritionPanel* m_pPanel = nullptr;
    CFoodSearchPanel* m_pSearch = nullptr;
    const CFoodItem* m_pShown = nullptr;         ///< the label's item
    const CFoodItem* m_pShownBefore = nullptr;   ///< the label's item when the search began
};
