#pragma once

#include "ui/pages/BrowserPage.h"

/// Tab 2, "Status": the status advice, rebuilt each time the tab is selected.
class CStatusPage : public CBrowserPage
{
public:
    CStatusPage(wxWindow* parent, CChildView& view);

    /// Replaces m_strHtml with the advice for the current diet and shows it.
    /// May ask the ketosis question in a modal message box. UI thread only.
    void BuildStatusPage();
};

inline constexpr const char* kStatusInitialHtml = "<h3>Coming Soon</h3>";
