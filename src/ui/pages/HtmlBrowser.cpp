#include "ui/pages/HtmlBrowser.h"

#include "ui/controls/WxText.h"

#include <wx/utils.h>

namespace {

constexpr const char* kBlankUrl = "about:blank";

// Our own writes and the first blank page load as about:blank, our own
// files as file: URLs; anything else is a link the user followed.
bool IsOwnPage(const wxString& url)
{
    return url.empty() || url.StartsWith("about:") || url.StartsWith("data:") || url.StartsWith("file:");
}

} // namespace

void CHtmlBrowser::Create(wxWindow* parent, wxWindowID id, std::function<void()> onDocumentComplete)
{
    m_onDocumentComplete = std::move(onDocumentComplete);
    m_pView = wxWebView::New(parent, id, kBlankUrl);
    m_pView->EnableContextMenu(false);
    m_pView->Bind(wxEVT_WEBVIEW_LOADED, &CHtmlBrowser::OnLoaded, this);
    m_pView->Bind(wxEVT_WEBVIEW_NAVIGATING, &CHtmlBrowser::OnNavigating, this);
    m_pView->Bind(wxEVT_WEBVIEW_NEWWINDOW, &CHtmlBrowser::OnNewWindow, this);
}

void CHtmlBrowser::Write(const std::string& html)
{
    if (!m_pView)
        return;
    // Several writes before one load finishes end in a single load event:
    // WebKit drops the unfinished ones without a word.
    m_bWritePending = true;
    m_pView->SetPage(ToWx(html), kBlankUrl);
}

void CHtmlBrowser::Load(const std::string& url)
{
    if (!m_pView)
        return;
    m_bWritePending = true;
    m_pView->LoadURL(ToWx(url));
}

void CHtmlBrowser::OnLoaded(wxWebViewEvent& event)
{
    event.Skip();
    ++m_nLoads;
    if (m_bWritePending) {
        m_bWritePending = false;
        return;
    }
    if (m_onDocumentComplete)
        m_onDocumentComplete();
}

void CHtmlBrowser::OnNavigating(wxWebViewEvent& event)
{
    const wxString url = event.GetURL();
    if (IsOwnPage(url) || m_bWritePending)
        return;
    event.Veto();
    wxLaunchDefaultBrowser(url);
}

void CHtmlBrowser::OnNewWindow(wxWebViewEvent& event)
{
    if (!IsOwnPage(event.GetURL()))
        wxLaunchDefaultBrowser(event.GetURL());
}
