#include "ui/frame/ChildView.h"

#include "ui/frame/CommandIds.h"
#include "ui/app/ErrorBox.h"
#include "ui/pages/MainPage.h"
#include "ui/pages/MarketingPages.h"
#include "ui/app/WindowEntryPrompts.h"
#include "ui/pages/CarbInfoPage.h"
#include "ui/pages/PastInfoPage.h"
#include "base/DateTime.h"
#include "base/Utf8.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "diet/NextDay.h"
#include "ui/pages/GraphPage.h"
#include "ui/pages/StatusPage.h"
#include "ui/pages/SummaryPage.h"
#include "ui/dialogs/NewVersionDlg.h"
#include "app/LeanlogApp.h"
#include "update/ProgramUpdates.h"

#include <exception>

namespace {

constexpr size_t kMaxCaption = 50;   // characters of a page caption read for its tab

const wxColour kWhite(0xFF, 0xFF, 0xFF);
const wxColour kRed(0xFF, 0x00, 0x00);

} // namespace

CChildView::CChildView(wxWindow* parent, CLeanlogApp& model)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME | wxFULL_REPAINT_ON_RESIZE),
      m_pModel(&model)
{
    m_tabCtrl = new CColorTabCtrl(this, kIdTabCtrl);
    m_tabCtrl->SetColors(kWhite, kRed);
    m_tabCtrl->SetOwnerDrawn(true);

    m_pMainPage = new CMainPage(m_tabCtrl, [this](int tab) { ClickTab(tab); });
    AddPage(m_pMainPage, "Main Navigation Tab");
    // The dialogs open once the click that asked for them has finished.
    m_pMainPage->SetEntryAction([this] { CallAfter(&CChildView::EnterNextDay); });
    m_pPastInfoPage = new CPastInfoPage(m_tabCtrl, model);
    AddPage(m_pPastInfoPage, "Current Diet History");
    m_pStatusPage = new CStatusPage(m_tabCtrl, *this);
    AddPage(m_pStatusPage, "Status and Recommendations of Current Diet");
    m_pSummaryPage = new CSummaryPage(m_tabCtrl, *this);
    AddPage(m_pSummaryPage, "Summary of Current Diet Results");
    m_pGraphPage = new CGraphPage(m_tabCtrl, *this);
    AddPage(m_pGraphPage, "Graph of Current Diet Results");
    m_pCarbInfoPage = new CCarbInfoPage(m_tabCtrl, model);
    AddPage(m_pCarbInfoPage, "Common Meal Items and their Carbohydrate Info");
    AddPage(new CPellawarePage(m_tabCtrl, *this), "All about Pellaware");
    AddPage(new CSponsorPage(m_tabCtrl, *this), "All about Harborline Lending");

    m_tabCtrl->Bind(EVT_COLORTAB_SELCHANGING, &CChildView::OnSelChanging, this);
    m_tabCtrl->Bind(EVT_COLORTAB_SELCHANGED, &CChildView::OnSelChange, this);
    Bind(wxEVT_SIZE, &CChildView::OnSize, this);
    SelChanged();
}

void CChildView::AddPage(wxWindow* page, const std::string& tip)
{
    page->Hide();
    m_pages.push_back(page);
    // The tab's caption is the page's own caption.
    const std::string caption = ToUtf8(page->GetLabel());
    const int tab = m_tabCtrl->GetItemCount();
    m_tabCtrl->InsertItem(tab, std::string(Utf8Prefix(caption, kMaxCaption)));
    m_tabCtrl->SetItemToolTip(tab, tip);
}

void CChildView::ClickTab(int index)
{
    m_tabCtrl->ClickAt(m_tabCtrl->GetItemRect(index).GetTopLeft());
}

void CChildView::SelectTab(int index)
{
    // A click on the selected tab does nothing, yet its page is to be refreshed.
    if (m_tabCtrl->GetCurSel() == index)
        SelChanged();
    else
        ClickTab(index);
}

void CChildView::OnSize(wxSizeEvent& event)
{
    const wxSize client = GetClientSize();
    m_tabCtrl->SetSize(0, 0, client.x, client.y);
    // The pages take the display area with its margin given back.
    wxRect display = m_tabCtrl->GetDisplayRect();
    display.width += CColorTabCtrl::kDisplayMargin;
    display.height += CColorTabCtrl::kDisplayMargin;
    for (wxWindow* page : m_pages)
        page->SetSize(display);
    event.Skip();
}

void CChildView::OnSelChanging(wxBookCtrlEvent& event)
{
    const int leaving = event.GetOldSelection();
    if (leaving >= 0 && leaving < PageCount())
        m_pages[static_cast<size_t>(leaving)]->Hide();
}

void CChildView::OnSelChange(wxBookCtrlEvent&)
{
    SelChanged();
    // Asked once the user's selection has finished, never from inside it.
    CallAfter(&CChildView::AskNewVersion);
}

void CChildView::SelChanged()
{
    const int selected = m_tabCtrl->GetCurSel();
    if (selected < 0 || selected >= PageCount())
        return;
    wxWindow* page = m_pages[static_cast<size_t>(selected)];
    const wxRect first = m_tabCtrl->GetItemRect(0);
    page->Move(first.GetLeft(), first.GetBottom() + 1);
    page->Show();
    page->SetFocus();
    try {
        switch (selected) {
        case kTabMain:
            m_pMainPage->SetEntryLabel(EntryButtonLabel(*m_pModel, CDateTime::Now()));
            break;
        case kTabStatus:
            m_pStatusPage->BuildStatusPage();
            break;
        case kTabSummary:
            m_pSummaryPage->BuildSummaryPage();
            break;
        case kTabPastInfo:
            m_pPastInfoPage->Refill();
            break;
        case kTabCarbInfo:
            m_pCarbInfoPage->EnsureTree();
            break;
        default:
            break;
        }
    } catch (const std::exception& e) {
        ShowError(wxGetTopLevelParent(this), e.what());
    }
}

void CChildView::AskNewVersion()
{
    CProgramUpdates& updates = m_pModel->Updates();
    if (!updates.TakeNewVersionQuestion())
        return;
    wxWindow* frame = wxGetTopLevelParent(this);
    CNewVersionDlg dialog(frame);
    dialog.ShowModal();
    if (updates.Answer(dialog.Answer()))
        wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, kIdAppExit));
}

void CChildView::EnterNextDay()
{
    try {
        CWindowEntryPrompts prompts(wxGetTopLevelParent(this), *m_pModel);
        const SEntryResult result = ::EnterNextDay(*m_pModel, prompts, [] { return CDateTime::Now(); });
        if (result.outcome == EEntryOutcome::Restarted)
            SelectTab(kTabMain);
        else if (!result.buttonLabel.empty())
            m_pMainPage->SetEntryLabel(result.buttonLabel);
    } catch (const std::exception& e) {
        ShowError(wxGetTopLevelParent(this), e.what());
    }
}
