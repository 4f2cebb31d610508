#include "harness/WindowTest.h"

#include "reports/StatusAdvisor.h"
#include "reports/SummaryReport.h"
#include "support/ScriptedPrompts.h"
#include "ui/pages/StatusPage.h"
#include "ui/pages/SummaryPage.h"

#include "ui/controls/ColorButton.h"

#include <algorithm>

namespace {

class CChildViewTest : public CFrameTest
{
protected:
    /// Only `tab`'s page is shown, below the strip, with the text it was
    /// written (Status and Summary: the core's text for the model as it stands).
    void ExpectOnlyPageShown(int tab)
    {
        for (int i = 0; i < View().PageCount(); ++i)
            EXPECT_EQ(View().Page(i)->IsShown(), i == tab) << "page " << i << " with tab " << tab << " selected";
        const wxRect first = View().TabCtrl().GetItemRect(0);
        EXPECT_EQ(View().Page(tab)->GetPosition(), wxPoint(first.GetLeft(), first.GetBottom() + 1));
        auto* page = dynamic_cast<CBrowserPage*>(View().Page(tab));
        if (!page)
            return;
        ASSERT_TRUE(WaitForPage(page->Browser()));
        if (tab == kTabStatus || tab == kTabSummary) {
            EXPECT_EQ(page->m_strHtml, tab == kTabStatus ? CoreStatusText() : SummaryPageText(Model()));
        }
        wxWebView* view = page->Browser().View();
        EXPECT_EQ(ShownBodyHtml(view), ParsedBodyHtml(view, page->m_strHtml));
        EXPECT_FALSE(PageText(view).empty());
    }

    /// From a model of its own: the core's advisor changes the ketosis and protein-day state.
    std::string CoreStatusText()
    {
        CScriptedKetosisAnswer answer;
        return StatusPageText(*Restart(m_dir), answer);
    }
};

} // namespace

TEST_F(CChildViewTest, ButtonsAndTabsSelectOnlyTheirPagesRebuiltEachTimeAndLoadedOnce)
{
    CColorTabCtrl& tabs = View().TabCtrl();
    ASSERT_EQ(tabs.GetItemCount(), 8);
    EXPECT_FALSE(View().StatusPage()->HasBrowser()) << "a page's web view is made when it is first shown";

    // A browser page shows its latest text and loads it once.
    SelectTabByClick(kTabSummary);
    CBrowserPage* page = View().SummaryPage();
    const CHtmlBrowser& browser = page->Browser();
    Pump(std::chrono::milliseconds(500));
    const int settled = browser.LoadCount();
    Pump(std::chrono::milliseconds(1000));
    EXPECT_EQ(browser.LoadCount(), settled) << "an idle page keeps loading";
    for (const std::string html : {"<p>one write</p>", ""}) {
        page->m_strHtml = html;
        page->WriteHtml();
        ASSERT_TRUE(WaitForPage(browser));
        EXPECT_EQ(ShownBodyHtml(browser.View()), ParsedBodyHtml(browser.View(), html));
    }
    Pump(std::chrono::milliseconds(1000));
    EXPECT_EQ(browser.LoadCount(), settled + 2);

    // A load the page did not start (here a blank page) is written over.
    page->m_strHtml = "<p>kept</p>";
    page->WriteHtml();
    ASSERT_TRUE(WaitForPage(browser));
    browser.View()->LoadURL("about:blank");
    Pump(std::chrono::milliseconds(500));
    EXPECT_TRUE(WaitUntil([&] { return PageText(browser.View()) == "kept"; }));

    int changing = 0;
    int changed = 0;
    int lastOld = -1;
    tabs.Bind(EVT_COLORTAB_SELCHANGING, [&](wxBookCtrlEvent& event) {
        ++changing;
        event.Skip();
    });
    tabs.Bind(EVT_COLORTAB_SELCHANGED, [&](wxBookCtrlEvent& event) {
        ++changed;
        lastOld = event.GetOldSelection();
        event.Skip();
    });
    const std::pair<int, int> buttons[] = {
        {kIdPastInfoButton, kTabPastInfo}, {kIdStatusButton, kTabStatus},   {kIdSummaryButton, kTabSummary},
        {kIdGraphButton, kTabGraph},       {kIdCarbInfoButton, kTabCarbInfo}, {kIdPellawareButton, kTabPellaware},
        {kIdSponsorButton, kTabSponsor},
    };
    for (const auto& [button, tab] : buttons) {
        const std::string caption = tabs.GetItemText(tab);
        SCOPED_TRACE(caption);
        EXPECT_EQ(ToUtf8(View().Page(tab)->GetLabel()), caption);
        // Resting the mouse on the tab gives the strip the tab's tooltip.
        const wxRect rect = tabs.GetItemRect(tab);
        MoveMouseTo(&tabs, wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
        EXPECT_EQ(ToUtf8(tabs.GetToolTipText()), tabs.GetItemToolTip(tab));
        EXPECT_FALSE(tabs.GetItemToolTip(tab).empty());

        SelectTabByClick(kTabMain);
        changing = changed = 0;
        ClickCentre(View().MainPage()->FindWindow(button));
        ASSERT_TRUE(WaitUntil([&] { return tabs.GetCurSel() == tab; }));
        WaitForTabPage(tab);
        EXPECT_EQ(changing, 1);
        EXPECT_EQ(changed, 1);
        EXPECT_EQ(lastOld, kTabMain);
        ExpectOnlyPageShown(tab);
        std::string name = "tab-" + std::to_string(tab) + "-" + caption;
        std::replace(name.begin(), name.end(), ' ', '-');
        SaveScreenshot(Frame(), name);
    }
    SelectTabByClick(kTabMain);
    ExpectOnlyPageShown(kTabMain);
    SaveScreenshot(Frame(), "tab-0-Main");
    CMainPage* main = View().MainPage();
    const auto rects =
        MainPageButtonRects(main->GetClientSize(), main->EntryButton()->GetSize(), main->SponsorButton()->GetSize());
    EXPECT_EQ(main->EntryButton()->GetRect(), rects[0]);
    for (size_t i = 1; i < 8; ++i)
        EXPECT_EQ(main->FindWindow(buttons[i - 1].first)->GetRect(), rects[i]) << i;
    EXPECT_EQ(PixelAt(GrabWindow(main), 2, 2), *wxWHITE);

    // A further weighed day: both reports are rebuilt when selected again.
    auto& days = Model().m_days;
    days.push_back(std::make_unique<CDailyInfo>(days.back()->date.AddDays(1), 209, 5000));
    Model().SaveDailyInfo(*days.back());
    for (const int tab : {kTabSummary, kTabStatus}) {
        SelectTabByClick(tab);
        ExpectOnlyPageShown(tab);
    }

    // On a protein day Status asks whether you are in ketosis, once.
    Model().m_days.back()->isProteinDay = true;
    Model().m_nKetosisAnswer = -1;
    SelectTabByClick(kTabSummary);
    wxTEST_DIALOG(SelectTabByClick(kTabStatus), ExpectMessage(kKetosisQuestionText, wxID_YES));
    EXPECT_EQ(Model().m_nKetosisAnswer, 1);
    SelectTabByClick(kTabSummary);
    CGtestModalHook noDialogs(__FILE__, __LINE__);
    SelectTabByClick(kTabStatus);
}
