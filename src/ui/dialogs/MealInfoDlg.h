#pragma once

#include <wx/dialog.h>

class CLeanlogApp;
class CMealInfo;
class wxTextCtrl;

/// The Meal Info dialog on one meal slot: item, size and carbs, with Pick
/// and Add filling them from the food picker. OK refuses an item or size
/// past 40 characters and carbs outside 0 to 99999, keeping the dialog
/// open. Lives for one ShowModal, on the stack. UI thread only.
class CMealInfoDlg : public wxDialog
{
public:
    CMealInfoDlg(wxWindow* parent, CMealInfo& info, const CLeanlogApp& app);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    wxTextCtrl* ItemField() const { return m_pItem; }
    wxTextCtrl* SizeField() const { return m_pSize; }
    wxTextCtrl* CarbsField() const { return m_pCarbs; }

    static constexpr int kIdPick = 1300;
    static constexpr int kIdAdd = 1301;

private:
    /// The picker; on its OK, `apply` takes the pick into the values.
    void RunPicker(bool add);
    void TakeInTexts();

    CMealInfo& m_info;
    const CLeanlogApp& m_app;
    wxTextCtrl* m_pItem = nullptr;
    wxTextCtrl* m_pSize = nullptr;
    wxTextCtrl* m_pCarbs = nullptr;
};
