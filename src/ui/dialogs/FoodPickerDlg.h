#pragma once

#include "entry/FoodPicker.h"
#include "entry/FoodTree.h"

#include <wx/dialog.h>

class CFoodSearch;
class CFoodSearchPanel;
class CFoodTreeModel;
class CNutritionPanel;
class CThemedCheckButton;
class wxDataViewCtrl;
class wxTextCtrl;

/// The food picker: the catalogue's tree with a search field above it, the
/// nutrition panel scaled to a quantity of servings or an amount in the
/// item's unit, and OK. Ending a search gives back the choice made before
/// it. Lives for
/// one ShowModal, on the stack; the opener reads Result() after OK.
/// UI thread only.
class CFoodPickerDlg : public wxDialog
{
public:
    CFoodPickerDlg(wxWindow* parent, const std::vector<std::unique_ptr<CItemCategory>>& categories,
                   const CFoodSearch& search);

    ~CFoodPickerDlg() override;

    bool TransferDataFromWindow() override;
    SPickResult Result() const { return m_picker.Result(); }

    wxDataViewCtrl* Tree() const { return m_pTree; }
    const CFoodTree& FoodTree() const { return m_tree; }
    CNutritionPanel* Panel() const { return m_pPanel; }
    CFoodSearchPanel* Search() const { return m_pSearch; }
    wxTextCtrl* QuantityField() const { return m_pQuantity; }
    CThemedCheckButton* QuantityButton() const { return m_pServings; }
    CThemedCheckButton* AmountButton() const { return m_pAmount; }

private:
    void OnSelection();
    /// Takes the chosen item as OK does.
    void Take();
    void OnQuantityTyped();
    void OnMode(int mode);
    /// Shows the picker's values, quantity and mode.
    void ShowFields();
    /// Writes the picker's quantity into the field, whatever it held.
    void ShowQuantity();

    CFoodTree m_tree;
    CFoodPicker m_picker;
    CFoodPicker m_pickerBeforeSearch;
    CFoodSearchPanel* m_pSearch = nullptr;
    wxDataViewCtrl* m_pTree = nullptr;
    CNutritionPanel* m_pPanel = nullptr;
    CThemedCheckButton* m_pServings = nullptr;
    CThemedCheckButton* m_pAmount = nullptr;
    wxTextCtrl* m_pQuantity = nullptr;
};
