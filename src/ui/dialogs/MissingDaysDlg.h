#pragma once

#include "ui/pages/HtmlBrowser.h"

#include <wx/dialog.h>

#include <string>

/// The "Over 3 Days Missing" warning: the HTML text in a web view and the
/// three answers. ShowModal returns wxID_OK ("Enter All Missing
/// Information"), wxID_CANCEL, or kIdStartDietOver. Lives for one
/// ShowModal, on the stack. UI thread only.
class CMissingDaysDlg : public wxDialog
{
public:
    static constexpr int kIdStartDietOver = 1129;

    CMissingDaysDlg(wxWindow* parent, std::string html);

    const CHtmlBrowser& Browser() const { return m_wndBrowser; }

    std::string m_strHtml;   ///< UTF-8

private:
    CHtmlBrowser m_wndBrowser;
};
