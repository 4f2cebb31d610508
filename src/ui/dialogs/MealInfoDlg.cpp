#include "ui/dialogs/MealInfoDlg.h"

#include "app/LeanlogApp.h"
#include "entry/MealInfo.h"
#include "ui/controls/DialogKeys.h"
#include "ui/controls/WxText.h"
#include "ui/dialogs/FoodPickerDlg.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int kFieldWidth = 180;   // dialog units: 40 characters show whole

} // namespace

CMealInfoDlg::CMealInfoDlg(wxWindow* parent, CMealInfo& info, const CLeanlogApp& app)
    : wxDialog(parent, wxID_ANY, ToWx(info.m_strTitle.empty() ? "Meal Info" : info.m_strTitle)), m_info(info),
      m_app(app)
{
    const int gap = ConvertDialogToPixels(wxSize(7, 7)).x;
    const int width = ConvertDialogToPixels(wxSize(kFieldWidth, 0)).x;
    m_pItem = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(width, -1));
    m_pSize = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(width, -1));
    m_pCarbs = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(width / 3, -1));
    auto* pick = new wxButton(this, kIdPick, "Pick");
    auto* add = new wxButton(this, kIdAdd, "Add");
    // The picker opens once the click has finished.
    pick->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CallAfter(&CMealInfoDlg::RunPicker, false); });
    add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CallAfter(&CMealInfoDlg::RunPicker, true); });

    auto* grid = new wxFlexGridSizer(2, gap / 2, gap);
    grid->AddGrowableCol(1);
    for (auto [label, field] : {std::pair{"Item", m_pItem}, std::pair{"Size", m_pSize}, std::pair{"Carbs", m_pCarbs}}) {
        grid->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        grid->Add(field, field == m_pCarbs ? wxSizerFlags() : wxSizerFlags().Expand());
    }
    auto* pickers = new wxBoxSizer(wxHORIZONTAL);
    pickers->Add(pick, wxSizerFlags().Border(wxRIGHT, gap));
    pickers->Add(add);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, wxSizerFlags().Expand().Border(wxALL, gap));
    sizer->Add(pickers, wxSizerFlags().Border(wxLEFT | wxRIGHT, gap));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxALL, gap));
    SetSizer(sizer);
    Fit();
    CentreOnParent();
    ReturnPressesDefault(this);
    m_pItem->SetFocus();
}

bool CMealInfoDlg::TransferDataToWindow()
{
    m_pItem->ChangeValue(ToWx(m_info.m_strItem));
    m_pSize->ChangeValue(ToWx(m_info.m_strSize));
    m_pCarbs->ChangeValue(ToWx(m_info.m_strCarbs));
    return true;
}

void CMealInfoDlg::TakeInTexts()
{
    m_info.m_strItem = ToUtf8(m_pItem->GetValue());
    m_info.m_strSize = ToUtf8(m_pSize->GetValue());
    m_info.m_strCarbs = ToUtf8(m_pCarbs->GetValue());
}

bool CMealInfoDlg::TransferDataFromWindow()
{
    TakeInTexts();
    const auto error = m_info.Validate();
    if (!error)
        return true;
    wxTextCtrl* refused = error->field == EMealField::Item ? m_pItem : error->field == EMealField::Size ? m_pSize : m_pCarbs;
    wxMessageBox(ToWx(error->message), "Leanlog", wxOK | wxICON_EXCLAMATION, this);
    refused->SetFocus();
    refused->SelectAll();
    return false;
}

void CMealInfoDlg::RunPicker(bool add)
{
    // Text typed since the dialog opened counts before Add extends it.
    TakeInTexts();
    CFoodPickerDlg picker(this, m_app.m_categories, m_app.FoodSearch());
    if (picker.ShowModal() != wxID_OK)
        return;
    if (add)
        m_info.Add(picker.Result());
    else
        m_info.Pick(picker.Result());
    TransferDataToWindow();
}
