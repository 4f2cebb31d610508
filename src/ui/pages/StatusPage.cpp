#include "ui/pages/StatusPage.h"

#include "ui/frame/ChildView.h"
#include "ui/controls/WxText.h"
#include "reports/StatusAdvisor.h"

#include <wx/msgdlg.h>

namespace {

/// The ketosis question as a Yes/No message box over the page.
class CWindowKetosisQuestion : public CKetosisQuestion
{
public:
    explicit CWindowKetosisQuestion(wxWindow* parent) : m_pParent(parent) {}

    bool AskInKetosis() override
    {
        wxMessageDialog box(m_pParent, kKetosisQuestionText, kKetosisQuestionCaption, wxYES_NO | wxICON_QUESTION);
        return box.ShowModal() == wxID_YES;
    }

private:
    wxWindow* m_pParent;
};

} // namespace

CStatusPage::CStatusPage(wxWindow* parent, CChildView& view)
    : CBrowserPage(parent, view, "Status", kStatusInitialHtml)
{
}

void CStatusPage::BuildStatusPage()
{
    CWindowKetosisQuestion question(wxGetTopLevelParent(this));
    m_strHtml = StatusPageText(m_pView->Model(), question);
    WriteHtml();
}
