#pragma once

#include "ui/pages/HtmlBrowser.h"

#include <wx/dialog.h>

#include <string>

/// A modal "Leanlog" dialog showing one HTML text above an OK button: the
/// About box and the two explanation pages. Lives for one ShowModal, on the
/// stack. UI thread only.
class CHtmlDialog : public wxDialog
{
public:
    CHtmlDialog(wxWindow* parent, std::string html);

    /// Puts m_strHtml into the web view.
    void WriteHtml();
    const CHtmlBrowser& Browser() const { return m_wndBrowser; }

    std::string m_strHtml;   ///< UTF-8

private:
    CHtmlBrowser m_wndBrowser;
};

/// Shows `html` modally in a CHtmlDialog over `parent` (may be null). With
/// `closeAtOnce` the dialog ends as soon as it is shown (the start-up
/// benchmark does not wait for a user).
void ShowHtmlDialog(wxWindow* parent, const std::string& html, bool closeAtOnce = false);
