#include "ui/dialogs/NewDietDlg.h"

#include "ui/controls/WxDate.h"
#include "ui/controls/WxText.h"

#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const wxSize kDialogSize(178, 74);   // dialog units, as designed

} // namespace

CNewDietDlg::CNewDietDlg(wxWindow* parent, CDateTime now) : wxDialog(parent, wxID_ANY, "New Diet")
{
    m_answers.startDate = now.DateOnly();
    m_answers.goalWeight = 0;

    m_pDate = new wxDatePickerCtrl(this, wxID_ANY, ToWxDate(now), wxDefaultPosition, wxDefaultSize,
                                   wxDP_DROPDOWN | wxDP_SHOWCENTURY);
    m_pGoal = new wxTextCtrl(this, wxID_ANY);

    const int gap = ConvertDialogToPixels(wxSize(7, 7)).x;
    auto* grid = new wxFlexGridSizer(2, gap / 2, gap);
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(this, wxID_ANY, "Diet started on:"), wxSizerFlags().CenterVertical());
    grid->Add(m_pDate, wxSizerFlags().Expand());
    grid->Add(new wxStaticText(this, wxID_ANY, "Goal Weight"), wxSizerFlags().CenterVertical());
    grid->Add(m_pGoal, wxSizerFlags().Expand());

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, gap));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border(wxALL, gap));
    SetSizer(sizer);
    SetMinClientSize(ConvertDialogToPixels(kDialogSize));
    Fit();
    CentreOnParent();
    m_pGoal->SetFocus();
}

bool CNewDietDlg::TransferDataToWindow()
{
    m_pDate->SetValue(ToWxDate(m_answers.startDate));
    m_pGoal->ChangeValue(wxString::Format("%d", m_answers.goalWeight));
    return true;
}

bool CNewDietDlg::TransferDataFromWindow()
{
    std::string error;
    const auto goal = ParseGoalWeight(ToUtf8(m_pGoal->GetValue()), error);
    if (!goal) {
        wxMessageBox(ToWx(error), "Leanlog", wxOK | wxICON_EXCLAMATION, this);
        m_pGoal->SetFocus();
        m_pGoal->SelectAll();
        return false;
    }
    const CDateTime start = FromWxDate(m_pDate->GetValue());
    if (const auto problem = StartDateProblem(start)) {
        wxMessageBox(ToWx(*problem), "Leanlog", wxOK | wxICON_EXCLAMATION, this);
        m_pDate->SetFocus();
        return false;
    }
    m_answers.goalWeight = *goal;
    m_answers.startDate = start;
    return true;
}
