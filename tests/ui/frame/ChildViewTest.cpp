#include "harness/WindowTest.h"

#include "ui/pages/BrowserPage.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/MainPage.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "reports/StatusAdvisor.h"
#include "ui/pages/StatusPage.h"
#include "ui/pages/SummaryPage.h"
#include "reports/SummaryReport.h"
#include "support/ScriptedPrompts.h"

#include <wx/bookctrl.h>
#include <algorithm>
#include <wx/webview.h>

namespace {

struct STabSpec
{
    int tab;
    const char* caption;
    const char* tooltip;
    int button;   ///< the Main page's button selecting it, 0 for none
};

constexpr STabSpec kTabs[] = {
    {kTabMain, "Main", "Main Navigation Tab", 0},
    {kTabPastInfo, "Past Info", "Current Diet History", kIdPastInfoButton},
    {kTabStatus, "Status", "Status and Recommendations of Current Diet", kIdStatusButton},
    {kTabSummary, "Summary", "Summary of Current Diet Results", kIdSummaryButton},
    {kTabGraph, "Graph", "Graph of Current Diet Results", kIdGraphButton},
    {kTabCarbInfo, "Carb Info", "Common Meal Items and their Carbohydrate Info", kIdCarbInfoButton},
    {kTabPellaware, "Pellaware", "All about Pellaware", kIdPellawareButton},
    {kTabSponsor, "Sponsor", "All about Harborline Lending", kIdSponsorButton},
};

class CChildViewTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        MakeWeighedDiet(m_dir, 9, {220, 218, 217, 217, 215, 216, 214, 213});
        ASSERT_NO_FATAL_FAILURE(StartAgain());
    }

    void ExpectOnlyPageShown(int tab)
    {
        for (int i = 0; i < View().PageCount(); ++i)
            EXPECT_EQ(View().Page(i)->IsShown(), i == tab) << "page " << i << " with tab " << tab << " selected";
        const wxRect first = View().TabCtrl().GetItemRect(0);
        EXPECT_EQ(View().Page(tab)->GetPosition(), wxPoint(first.GetLeft(), first.GetBottom() + 1));
    }

    /// The page shows exactly the core's text: both parsed by WebKit.
    void ExpectShowsCoreText(CBrowserPage* page, const std::string& coreHtml)
    {
        ASSERT_TRUE(WaitForPage(page->Browser()));
        wxWebView* view = page->Browser().View();
        EXPECT_EQ(page->m_strHtml, coreHtml);
        EXPECT_EQ(ShownBodyHtml(view), ParsedBodyHtml(view, coreHtml));
        EXPECT_FALSE(PageText(view).empty());
    }

    /// The core's Status text for the model as it stands; the model is left
    /// as it is (the advisor works on copies of its ketosis and protein-day state).
    std::string CoreStatusText()
    {
        const CLeanlogApp& model = Model();
        std::int32_t ketosisAnswer = model.m_nKetosisAnswer;
        bool proteinDayNeeded = model.m_bProteinDayNeeded;
        CScriptedKetosisAnswer answer;
        return StatusPageText(model.m_days, model.m_nGoalWeight, model.m_previousDietResults, ketosisAnswer,
                              proteinDayNeeded, answer);
    }
};

} // namespace

TEST_F(CChildViewTest, TabsCarryTheirCaptionsAndTooltipsInOrder)
{
    CColorTabCtrl& tabs = View().TabCtrl();
    ASSERT_EQ(tabs.GetItemCount(), 8);
    EXPECT_EQ(tabs.GetId(), kIdTabCtrl);
    for (const auto& spec : kTabs) {
        SCOPED_TRACE(spec.caption);
        EXPECT_EQ(tabs.GetItemText(spec.tab), spec.caption);
        EXPECT_EQ(ToUtf8(View().Page(spec.tab)->GetLabel()), spec.caption);
        EXPECT_EQ(tabs.GetItemToolTip(spec.tab), spec.tooltip);
        // Resting the mouse on the tab gives the strip the tab's tooltip.
        const wxRect rect = tabs.GetItemRect(spec.tab);
        MoveMouseTo(&tabs, wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
        EXPECT_EQ(ToUtf8(tabs.GetToolTipText()), spec.tooltip);
    }
    EXPECT_EQ(tabs.TabBackgroundColour(), *wxWHITE);
    EXPECT_EQ(tabs.TabTextColour(), wxColour(0xFF, 0, 0));
    EXPECT_TRUE(tabs.IsOwnerDrawn());
}

TEST_F(CChildViewTest, EveryTabSelectedByClickShowsOnlyItsPage)
{
    // Tab 0 is selected at start; visit the others, then come back.
    for (const int tab : {1, 2, 3, 4, 5, 6, 7, 0}) {
        const auto& spec = kTabs[tab];
        SCOPED_TRACE(spec.caption);
        SelectTabByClick(tab);
        ExpectOnlyPageShown(tab);
        if (tab == kTabStatus)
            ExpectShowsCoreText(View().StatusPage(), CoreStatusText());
        if (tab == kTabSummary)
            ExpectShowsCoreText(View().SummaryPage(), SummaryPageText(Model()));
        std::string name = std::string("tab-") + std::to_string(tab) + "-" + spec.caption;
        std::replace(name.begin(), name.end(), ' ', '-');
        SaveScreenshot(Frame(), name);
    }
}

TEST_F(CChildViewTest, MainPageButtonsSelectTabsExactlyAsAClick)
{
    int changing = 0;
    int changed = 0;
    int lastOld = -2;
    View().TabCtrl().Bind(EVT_COLORTAB_SELCHANGING, [&](wxBookCtrlEvent& event) {
        ++changing;
        event.Skip();
    });
    View().TabCtrl().Bind(EVT_COLORTAB_SELCHANGED, [&](wxBookCtrlEvent& event) {
        ++changed;
        lastOld = event.GetOldSelection();
        event.Skip();
    });
    for (const auto& spec : kTabs) {
        if (spec.button == 0)
            continue;
        SCOPED_TRACE(spec.caption);
        SelectTabByClick(kTabMain);
        changing = changed = 0;
        wxWindow* button = View().MainPage()->FindWindow(spec.button);
        ASSERT_NE(button, nullptr);
        ClickCentre(button);
        ASSERT_TRUE(WaitUntil([&] { return View().TabCtrl().GetCurSel() == spec.tab; }));
        WaitForTabPage(spec.tab);
        EXPECT_EQ(changing, 1);
        EXPECT_EQ(changed, 1);
        EXPECT_EQ(lastOld, kTabMain);
        ExpectOnlyPageShown(spec.tab);
        if (spec.tab == kTabSummary)
            ExpectShowsCoreText(View().SummaryPage(), SummaryPageText(Model()));
        if (spec.tab == kTabStatus)
            ExpectShowsCoreText(View().StatusPage(), CoreStatusText());
    }
}

TEST_F(CChildViewTest, StatusAndSummaryAreRebuiltOnEverySelection)
{
    SelectTabByClick(kTabSummary);
    const std::string before = View().SummaryPage()->m_strHtml;
    SelectTabByClick(kTabStatus);
    const std::string statusBefore = View().StatusPage()->m_strHtml;

    // A further weighed day changes both reports.
    auto& days = Model().m_days;
    days.push_back(std::make_unique<CDailyInfo>(days.back()->date.AddDays(1), 209, 5000));
    Model().SaveDailyInfo(*days.back());

    SelectTabByClick(kTabSummary);
    EXPECT_NE(View().SummaryPage()->m_strHtml, before);
    ExpectShowsCoreText(View().SummaryPage(), SummaryPageText(Model()));
    SelectTabByClick(kTabStatus);
    EXPECT_NE(View().StatusPage()->m_strHtml, statusBefore);
    ExpectShowsCoreText(View().StatusPage(), CoreStatusText());
}

TEST_F(CChildViewTest, ProteinDayAsksTheKetosisQuestionOnce)
{
    Model().m_days.back()->isProteinDay = true;
    Model().m_nKetosisAnswer = -1;
    wxTEST_DIALOG(SelectTabByClick(kTabStatus), CExpectMessage(kKetosisQuestionText, wxID_YES));
    EXPECT_EQ(Model().m_nKetosisAnswer, 1);
    SelectTabByClick(kTabSummary);
    {
        // Answered: selecting Status again asks nothing; a box now fails the test.
        CGtestModalHook noDialogs(__FILE__, __LINE__);
        SelectTabByClick(kTabStatus);
    }
    EXPECT_EQ(Model().m_nKetosisAnswer, 1);
}
