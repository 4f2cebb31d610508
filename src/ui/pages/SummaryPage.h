#pragma once

#include "ui/pages/BrowserPage.h"

/// Tab 3, "Summary": the summary of results, rebuilt each time the tab is selected.
class CSummaryPage : public CBrowserPage
{
public:
    CSummaryPage(wxWindow* parent, CChildView& view);

    /// Replaces m_strHtml with the summary of the current diet and shows it.
    void BuildSummaryPage();
};
