#include "ui/dialogs/MissingDaysDlg.h"

#include "ui/frame/CommandIds.h"

#include "ui/controls/DialogKeys.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace {

const wxSize kDialogSize(301, 167);   // dialog units
const wxSize kBrowserSize(301, 138);

} // namespace

CMissingDaysDlg::CMissingDaysDlg(wxWindow* parent, std::string html)
    : wxDialog(parent, wxID_ANY, "Over 3 Days Missing"), m_strHtml(std::move(html))
{
    m_wndBrowser.Create(this, kIdDialogBrowser, [this] { m_wndBrowser.Write(m_strHtml); });
    m_wndBrowser.View()->SetMinSize(ConvertDialogToPixels(kBrowserSize));
    auto* startOver = new wxButton(this, kIdStartDietOver, "Start Diet Over");
    auto* enterAll = new wxButton(this, wxID_OK, "Enter All Missing Information");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    enterAll->SetDefault();
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialog(kIdStartDietOver); }, kIdStartDietOver);

    const int gap = ConvertDialogToPixels(wxSize(7, 7)).x;
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(startOver);
    buttons->AddStretchSpacer();
    buttons->Add(enterAll);
    buttons->AddStretchSpacer();
    buttons->Add(cancel);
    buttons->AddStretchSpacer();
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_wndBrowser.View(), wxSizerFlags(1).Expand());
    sizer->Add(buttons, wxSizerFlags().Expand().Border(wxALL, gap));
    SetSizer(sizer);
    SetMinClientSize(ConvertDialogToPixels(kDialogSize));
    Fit();
    CentreOnParent();
    ReturnPressesDefault(this);
    enterAll->SetFocus();
}
