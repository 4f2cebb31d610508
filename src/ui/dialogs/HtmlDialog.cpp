#include "ui/dialogs/HtmlDialog.h"

#include "ui/frame/CommandIds.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace {

// The dialog's designed size and margins, in dialog units.
const wxSize kDialogSize(413, 258);
constexpr int kMargin = 7;

} // namespace

CHtmlDialog::CHtmlDialog(wxWindow* parent, std::string html)
    : wxDialog(parent, wxID_ANY, "Leanlog", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_strHtml(std::move(html))
{
    m_wndBrowser.Create(this, kIdDialogBrowser, [this] { WriteHtml(); });
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();

    const int margin = ConvertDialogToPixels(wxSize(kMargin, kMargin)).x;
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_wndBrowser.View(), wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, margin));
    sizer->Add(ok, wxSizerFlags().Center().Border(wxALL, margin));
    SetSizer(sizer);
    SetClientSize(ConvertDialogToPixels(kDialogSize));
    CentreOnParent();
    SetEscapeId(wxID_OK);
}

void CHtmlDialog::WriteHtml()
{
    m_wndBrowser.Write(m_strHtml);
}

void ShowHtmlDialog(wxWindow* parent, const std::string& html, bool closeAtOnce)
{
    CHtmlDialog dialog(parent, html);
    if (closeAtOnce)
        dialog.CallAfter([&dialog] { dialog.EndModal(wxID_OK); });
    dialog.ShowModal();
}
