#pragma once

#include <wx/webview.h>

#include <functional>
#include <string>

/// The web view of a browser page, the HTML dialog or the banner bar, and
/// the rule that keeps it showing its owner's HTML: every load that this
/// object did not start (the first "about:blank", a reload) calls the
/// owner's document-complete function, which writes the text again; the
/// load that a write fires itself is recognised and calls nothing, so a
/// page never reloads endlessly. The web view is a child of the owner
/// window, which owns it; this object only points at it. UI thread only.
class CHtmlBrowser
{
public:
    /// Creates the web view as a child of `parent` and navigates it to
    /// "about:blank". Links clicked in a page open in the user's browser.
    void Create(wxWindow* parent, wxWindowID id, std::function<void()> onDocumentComplete);

    /// Shows `html` (UTF-8); an empty text shows an empty document.
    void Write(const std::string& html);
    /// Loads the page at `url` (http, https or file); like a write, its
    /// load and the redirects on the way are the owner's own, not a link.
    void Load(const std::string& url);

    wxWebView* View() const { return m_pView; }
    /// Loads finished since creation.
    int LoadCount() const { return m_nLoads; }
    /// True from a Write or Load until its load has finished.
    bool IsWritePending() const { return m_bWritePending; }

private:
    void OnLoaded(wxWebViewEvent& event);
    void OnNavigating(wxWebViewEvent& event);
    void OnNewWindow(wxWebViewEvent& event);

    wxWebView* m_pView = nullptr;
    std::function<void()> m_onDocumentComplete;
    bool m_bWritePending = false;
    int m_nLoads = 0;
};
