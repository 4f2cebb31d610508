#include "reports/SummaryPage.h"

#include "app/ChildView.h"
#include "reports/SummaryReport.h"

CSummaryPage::CSummaryPage(wxWindow* parent, CChildView& view) : CBrowserPage(parent, view, "Summary", "")
{
}

void CSummaryPage::BuildSummaryPage()
{
    m_strHtml = SummaryPageText(m_pView->Model());
    WriteHtml();
}
