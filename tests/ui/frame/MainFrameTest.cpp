#include "harness/WindowTest.h"

#include "app/AboutText.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/app/DesktopApp.h"
#include "ui/frame/EmptyBannerBar.h"
#include "app/ExplanationPages.h"
#include "ui/dialogs/HtmlDialog.h"
#include "app/LeanlogApp.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/MainPage.h"
#include "ui/app/WebProcesses.h"
#include "ui/controls/ColorTabCtrl.h"
#include "ui/controls/WxText.h"
#include "diet/NextDay.h"
#include "ui/dialogs/NewDietDlg.h"
#include "store/Schema.h"

#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

namespace {

class CMainFrameTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        MakeWeighedDiet(m_dir, 6, {212, 211, 209, 209, 208});
        ASSERT_NO_FATAL_FAILURE(StartAgain());
    }
};

} // namespace

TEST_F(CMainFrameTest, MenusCarryTheDesignedItemsPromptsAndStates)
{
    struct SItem
    {
        int id;
        const char* text;
        const char* prompt;   ///< nullptr: the wording is ours, only present
        bool enabled;
    };
    // Texts and ids as designed; Check for Online Update waits for the update
    // feature, Sync with PocketPC and the Edit items never work here.
    const SItem items[] = {
        {kIdCheckForUpdate, "Check for Online Update", "Check online for update to Leanlog", false},
        {kIdRestartDiet, "Restart Diet", nullptr, true},
        {kIdAppExit, "E&xit", nullptr, true},
        {kIdEditUndo, "&Undo", nullptr, false},
        {kIdEditCut, "Cu&t", nullptr, false},
        {kIdEditCopy, "&Copy", nullptr, false},
        {kIdEditPaste, "&Paste", nullptr, false},
        {kIdViewStatusBar, "&Status Bar", nullptr, true},
        {kIdSyncWithPocketPc, "Sync with PocketPC", nullptr, false},
        {kIdAppAbout, "&About Leanlog...", nullptr, true},
        {kIdAboutLosingWeight, "&About Losing Weight...", nullptr, true},
        {kIdHowItWorks, "How Leanlog Works", "View an explanation of how the Leanlog process works", true},
    };
    wxMenuBar* bar = Frame()->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetMenuCount(), 5u);
    bar->UpdateMenus();
    for (const auto& item : items) {
        SCOPED_TRACE(item.text);
        wxMenuItem* menuItem = bar->FindItem(item.id);
        ASSERT_NE(menuItem, nullptr);
        EXPECT_EQ(ToUtf8(menuItem->GetItemLabel()), item.text);
        EXPECT_EQ(menuItem->IsEnabled(), item.enabled);
        EXPECT_FALSE(menuItem->GetHelp().empty());
        if (item.prompt) {
            EXPECT_EQ(ToUtf8(menuItem->GetHelp()), item.prompt);
        }
        // Highlighting the item puts its prompt in the message pane.
        wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, item.id);
        Frame()->ProcessWindowEvent(highlight);
        EXPECT_EQ(Frame()->GetStatusBar()->GetStatusText(0), menuItem->GetHelp());
    }
    EXPECT_EQ(ToUtf8(bar->GetMenuLabelText(3)), "ActiveSync");
}

TEST_F(CMainFrameTest, StatusBarHasAMessagePaneAndThreeIndicatorsAndCanBeHidden)
{
    wxStatusBar* status = Frame()->GetStatusBar();
    ASSERT_EQ(status->GetFieldsCount(), 4);
    EXPECT_EQ(ToUtf8(status->GetStatusText(0)), "Ready");
    for (int pane = 1; pane <= 3; ++pane) {
        wxRect rect;
        ASSERT_TRUE(status->GetFieldRect(pane, rect));
        EXPECT_GE(rect.width, status->GetTextExtent("SCRL").x - status->GetTextExtent("SCRL").x / 4) << pane;
    }

    // Caps Lock on the (virtual) keyboard lights the CAP pane, and goes off again.
    EXPECT_EQ(ToUtf8(status->GetStatusText(1)), "");
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_CAPITAL);
    EXPECT_TRUE(WaitUntil([status] { return status->GetStatusText(1) == "CAP"; }, std::chrono::seconds(3)));
    keyboard.Char(WXK_CAPITAL);
    EXPECT_TRUE(WaitUntil([status] { return status->GetStatusText(1).empty(); }, std::chrono::seconds(3)));

    const int viewHeight = View().GetSize().y;
    EXPECT_TRUE(Frame()->ProcessCommand(kIdViewStatusBar));
    Pump(std::chrono::milliseconds(200));
    EXPECT_FALSE(status->IsShown());
    EXPECT_GT(View().GetSize().y, viewHeight) << "the view takes the status bar's room";
    Frame()->GetMenuBar()->UpdateMenus();
    EXPECT_FALSE(Frame()->GetMenuBar()->IsChecked(kIdViewStatusBar));

    EXPECT_TRUE(Frame()->ProcessCommand(kIdViewStatusBar));
    Pump(std::chrono::milliseconds(200));
    EXPECT_TRUE(status->IsShown());
    EXPECT_EQ(View().GetSize().y, viewHeight);
}

TEST_F(CMainFrameTest, FrameRefusesAWidthBelow800)
{
    Frame()->SetSize(600, 520);
    Pump(std::chrono::milliseconds(300));
    EXPECT_GE(Frame()->GetSize().x, CMainFrame::kMinWidth);
    EXPECT_GE(View().GetSize().x + (Frame()->GetSize().x - Frame()->GetClientSize().x), CMainFrame::kMinWidth);

    Frame()->SetSize(1000, 600);
    Pump(std::chrono::milliseconds(300));
    EXPECT_EQ(Frame()->GetSize().x, 1000);
    EXPECT_EQ(View().GetSize().x, Frame()->GetClientSize().x) << "wider frames give the view their width";
}

TEST_F(CMainFrameTest, BannerStripAcrossTheTopShowsTheEmptyBarText)
{
    CEmptyBannerBar& banner = Frame()->BannerBar();
    ASSERT_TRUE(WaitForPage(banner.Browser()));
    EXPECT_EQ(PageText(banner.Browser().View()), kEmptyBannerText);
    EXPECT_EQ(banner.GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(banner.GetSize().x, Frame()->GetClientSize().x);
    EXPECT_EQ(View().GetPosition().y, banner.GetSize().y) << "the view starts below the strip";
    const wxRect browser = banner.Browser().View()->GetRect();
    EXPECT_EQ(browser.width, CEmptyBannerBar::kBrowserWidth);
    EXPECT_LE(std::abs(browser.x - (banner.GetSize().x - browser.width) / 2), 1) << "centred";
}

TEST_F(CMainFrameTest, HelpCommandsShowTheirPagesInTheHtmlDialog)
{
    struct SCase
    {
        int id;
        std::string html;
        const char* shownText;
        const char* screenshot;
    };
    const SCase cases[] = {
        {kIdAppAbout, AboutHtml(), "Leanlog Version 1.1.1.5 Palm+Windows", "dialog-about"},
        {kIdHowItWorks, HowItWorksHtml(), "How Leanlog Works", "dialog-how-leanlog-works"},
        {kIdAboutLosingWeight, AboutLosingWeightHtml(), "About Losing Weight", "dialog-about-losing-weight"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screenshot);
        bool shown = false;
        wxTEST_DIALOG(Frame()->ProcessCommand(c.id), CExpectDialog<CHtmlDialog>([&](CHtmlDialog* dialog) {
                          shown = true;
                          EXPECT_EQ(dialog->GetParent(), Frame());
                          EXPECT_EQ(dialog->m_strHtml, c.html);
                          dialog->Show();
                          EXPECT_TRUE(WaitForPage(dialog->Browser()));
                          EXPECT_NE(PageText(dialog->Browser().View()).find(c.shownText), std::string::npos);
                          SaveScreenshot(dialog, c.screenshot);
                          dialog->Hide();
                          return wxID_OK;
                      }));
        EXPECT_TRUE(shown);
    }
}

TEST_F(CMainFrameTest, RestartDietFromTheMenuStartsANewDietOnTabZero)
{
    SelectTabByClick(kTabSummary);
    const std::string oldTable = Model().m_strDietTable;
    const CDateTime today = CDateTime::Now().DateOnly();
    wxTEST_DIALOG(EXPECT_TRUE(Frame()->ProcessCommand(kIdRestartDiet)),
                  CExpectDialog<CNewDietDlg>([](CNewDietDlg* dialog) {
                      dialog->Show();
                      dialog->GoalField()->ChangeValue("140");
                      ClickCentre(dialog->FindWindow(wxID_OK));
                      EXPECT_TRUE(WaitUntil([dialog] { return !dialog->IsShown(); }));
                      return wxID_OK;
                  }));
    ASSERT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(Model().m_days.front()->date, today);
    EXPECT_EQ(Model().m_nGoalWeight, 140);
    EXPECT_EQ(Model().m_strDietTable, DietTableName(today));
    EXPECT_NE(Model().m_strDietTable, oldTable);
    EXPECT_EQ(View().TabCtrl().GetCurSel(), kTabMain);
    EXPECT_TRUE(View().Page(kTabMain)->IsShown());
    EXPECT_FALSE(View().Page(kTabSummary)->IsShown());
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kStartingInfoLabel);
}

TEST_F(CMainFrameTest, RestartFromTabZeroRelabelsAndCancelChangesNothing)
{
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kMissingInfoLabel);
    const std::string table = Model().m_strDietTable;
    wxTEST_DIALOG(Frame()->ProcessCommand(kIdRestartDiet),
                  CExpectDialog<CNewDietDlg>([](CNewDietDlg*) { return wxID_CANCEL; }));
    EXPECT_EQ(Model().m_strDietTable, table);
    EXPECT_EQ(Model().m_days.size(), 5u);

    wxTEST_DIALOG(Frame()->ProcessCommand(kIdRestartDiet), CExpectDialog<CNewDietDlg>([](CNewDietDlg* dialog) {
                      dialog->GoalField()->ChangeValue("160");
                      return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kStartingInfoLabel);
}

TEST_F(CMainFrameTest, ExitAndClosingTheFrameShutTheWebViewsDown)
{
    SelectTabByClick(kTabStatus);
    SelectTabByClick(kTabSponsor);
    EXPECT_GT(RunningWebProcesses(), 0);
    wxWeakRef<CMainFrame> frame = Frame();
    EXPECT_TRUE(frame->ProcessCommand(kIdAppExit));
    EXPECT_TRUE(WaitUntil([&] { return !frame; }));
    EXPECT_TRUE(wxTopLevelWindows.empty());
    EXPECT_TRUE(WaitUntil([] { return RunningWebProcesses() == 0; }, std::chrono::seconds(10)));
    App().ExitInstance();

    // Closing the window (the title bar's close button) ends it the same way.
    ASSERT_NO_FATAL_FAILURE(StartAgain());
    SelectTabByClick(kTabPellaware);
    frame = Frame();
    EXPECT_TRUE(frame->Close());
    EXPECT_TRUE(WaitUntil([&] { return !frame; }));
    EXPECT_TRUE(WaitUntil([] { return RunningWebProcesses() == 0; }, std::chrono::seconds(10)));
}
