#include "ui/pages/BrowserPage.h"

#include "ui/frame/CommandIds.h"
#include "ui/controls/WxText.h"

CBrowserPage::CBrowserPage(wxWindow* parent, CChildView& view, const std::string& caption, std::string html)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      m_strHtml(std::move(html)), m_pView(&view)
{
    SetLabel(ToWx(caption));
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown())
            EnsureBrowser();
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        if (m_wndBrowser.View())
            m_wndBrowser.View()->SetSize(0, 0, event.GetSize().x, event.GetSize().y);
    });
}

void CBrowserPage::EnsureBrowser()
{
    if (m_wndBrowser.View())
        return;
    // The first load ("about:blank") calls WriteHtml, which shows m_strHtml.
    m_wndBrowser.Create(this, kIdPageBrowser, [this] { WriteHtml(); });
    m_wndBrowser.View()->SetSize(GetClientSize());
}

void CBrowserPage::WriteHtml()
{
    EnsureBrowser();
    m_wndBrowser.Write(m_strHtml);
}
