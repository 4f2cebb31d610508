#include "ui/pages/SummaryPage.h"

#include "ui/frame/ChildView.h"
#include "reports/SummaryReport.h"

CSummaryPage::CSummaryPage(wxWindow* parent, CChildView& view) : CBrowserPage(parent, view, "Summary", "")
{
}

void CSummaryPage::BuildSummaryPage()
{
    m_strHtml = SummaryPageText(m_pView->Model());
    WriteHtml();
}
