#include "ui/dialogs/NewVersionDlg.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

// The radio buttons' designed ids, in answer order.
constexpr std::array<int, 3> kChoiceIds = {1132, 1133, 1134};
constexpr std::array<const char*, 3> kChoiceTexts = {"Install Now", "Install on Exit", "Ask again next time"};

} // namespace

CNewVersionDlg::CNewVersionDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "New Version Found")
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, "There is a new version of Leanlog."), wxSizerFlags().Border());
    for (size_t i = 0; i < m_choices.size(); ++i) {
        m_choices[i] = new wxRadioButton(this, kChoiceIds[i], kChoiceTexts[i], wxDefaultPosition, wxDefaultSize,
                                         i == 0 ? wxRB_GROUP : 0);
        column->Add(m_choices[i], wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM));
    }
    m_choices[0]->SetValue(true);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    column->Add(ok, wxSizerFlags().Border().Centre());
    auto* margin = new wxBoxSizer(wxVERTICAL);
    margin->Add(column, wxSizerFlags().Border());
    SetSizerAndFit(margin);
    SetEscapeId(wxID_OK);
    CentreOnParent();
}

ENewVersionAnswer CNewVersionDlg::Answer() const
{
    for (size_t i = 0; i < m_choices.size(); ++i)
        if (m_choices[i]->GetValue())
            return static_cast<ENewVersionAnswer>(i);
    return ENewVersionAnswer::InstallNow;
}
