#pragma once

#include <wx/dialog.h>

class CDayEntry;
class CLeanlogApp;
class CMealGridModel;
class wxCheckBox;
class wxDataViewCtrl;
class wxDataViewEvent;
class wxStaticText;
class wxTextCtrl;

/// The Day Info dialog on one day: weight, steps, the Protein Day check,
/// the date line and the meal grid, all read from and forwarded to the
/// day entry. OK checks the fields and saves the day; a refused field or a
/// failed save keeps the dialog open. Slot edits and supplement clicks
/// change the day in memory at once. Lives for one ShowModal, on the stack.
/// UI thread only.
class CDayInfoDlg : public wxDialog
{
public:
    CDayInfoDlg(wxWindow* parent, CDayEntry& entry, CLeanlogApp& app);

    bool TransferDataToWindow() override;
    /// Checks weight and steps, then finishes and saves the day.
    bool TransferDataFromWindow() override;

    wxTextCtrl* WeightField() const { return m_pWeight; }
    wxTextCtrl* StepsField() const { return m_pSteps; }
    wxCheckBox* ProteinDayCheck() const { return m_pProteinDay; }
    wxStaticText* DateLine() const { return m_pDate; }
    wxDataViewCtrl* Grid() const { return m_pGrid; }
    /// Meal Info on a grid row, as a double-click does.
    void EditRow(int row);

private:
    void FillGrid();
    void OnProteinDay();
    void OnActivated(wxDataViewEvent& event);

    CDayEntry& m_entry;
    CLeanlogApp& m_app;
    wxStaticText* m_pDate = nullptr;
    wxTextCtrl* m_pWeight = nullptr;
    wxTextCtrl* m_pSteps = nullptr;
    wxCheckBox* m_pProteinDay = nullptr;
    wxDataViewCtrl* m_pGrid = nullptr;
    CMealGridModel* m_pModel = nullptr;   ///< reference held by the grid
};
