#pragma once

#include "entry/FoodPicker.h"
#include "entry/FoodTree.h"

#include <wx/dialog.h>

class CFoodTreeModel;
class CNutritionPanel;
class CThemedCheckButton;
class wxDataViewCtrl;
class wxTextCtrl;

/// The food picker: the catalogue's tree, the nutrition panel scaled to a
/// quantity of servings or an amount in the item's unit, and OK. Lives for
/// one ShowModal, on the stack; the opener reads Result() after OK.
/// UI thread only.
class CFoodPickerDlg : public wxDialog
{
public:
    CFoodPickerDlg(wxWindow* parent, const std::vector<std::unique_ptr<CItemCategory>>& categories);

    ~CFoodPickerDlg() override;

    bool TransferDataFromWindow() override;
    SPickResult Result() const { return m_picker.Result(); }

    wxDataViewCtrl* Tree() const { return m_pTree; }
    const CFoodTree& FoodTree() const { return m_tree; }
    CNutritionPanel* Panel() const { return m_pPanel; }
    wxTextCtrl* QuantityField() const { return m_pQuantity; }
    CThemedCheckButton* QuantityButton() const { return m_pServings; }
    CThemedCheckButton* AmountButton() const { return m_pAmount; }

private:
    void OnSelection();
    void OnQuantityTyped();
    void OnMode(int mode);
    /// Shows the picker's values, quantity and mode.
    void ShowFields();

    CFoodTree m_tree;
    CFoodPicker m_picker;
    wxDataViewCtrl* m_pTree = nullptr;
    CNutritionPanel* m_pPanel = nullptr;
    CThemedCheckButton* m_pServings = nullptr;
    CThemedCheckButton* m_pAmount = nullptr;
    wxTextCtrl* m_pQuantity = nullptr;
};
