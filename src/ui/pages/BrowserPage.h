#pragma once

#include "ui/pages/HtmlBrowser.h"

#include <wx/panel.h>

#include <string>

class CChildView;

/// A tab page that shows generated HTML in a web view filling the page:
/// the Status, Summary, Pellaware and Sponsor pages. The web view (and the
/// process behind it) is made when the page is first shown or written, so
/// that pages nobody opens cost nothing at start-up. UI thread only.
class CBrowserPage : public wxPanel
{
public:
    /// `caption` is the page's tab caption; `html` its first text.
    CBrowserPage(wxWindow* parent, CChildView& view, const std::string& caption, std::string html);

    /// Puts m_strHtml into the web view; an empty text clears the page.
    void WriteHtml();
    const CHtmlBrowser& Browser() const { return m_wndBrowser; }
    bool HasBrowser() const { return m_wndBrowser.View() != nullptr; }

    std::string m_strHtml;   ///< the page's HTML, UTF-8

protected:
    CChildView* m_pView;     ///< the view that made the page; outlives it

private:
    void EnsureBrowser();

    CHtmlBrowser m_wndBrowser;
};
