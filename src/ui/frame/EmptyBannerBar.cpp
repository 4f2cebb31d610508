#include "ui/frame/EmptyBannerBar.h"

#include "ui/frame/CommandIds.h"

namespace {

// The bar's designed size in dialog units; only its height is used, the
// width follows the frame.
const wxSize kBarSize(426, 40);

} // namespace

CEmptyBannerBar::CEmptyBannerBar(wxWindow* parent) : wxPanel(parent, wxID_ANY)
{
    const int height = ConvertDialogToPixels(kBarSize).y;
    SetMinSize(wxSize(-1, height));
    m_wndBrowser.Create(this, kIdBannerBrowser, [this] { OnDocumentComplete(); });
    m_wndBrowser.View()->SetSize(kBrowserWidth, height);
    Bind(wxEVT_SIZE, &CEmptyBannerBar::OnSize, this);
}

void CEmptyBannerBar::OnDocumentComplete()
{
    // There is never a current banner yet: clear the document, write the text.
    m_wndBrowser.Write(kEmptyBannerText);
}

void CEmptyBannerBar::OnSize(wxSizeEvent& event)
{
    event.Skip();
    // The browser keeps its size and stands centred in the bar.
    const wxSize bar = GetClientSize();
    m_wndBrowser.View()->SetSize((bar.x - kBrowserWidth) / 2, 0, kBrowserWidth, bar.y);
}
