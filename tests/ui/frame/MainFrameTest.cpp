#include "harness/WindowTest.h"

#include "app/AboutText.h"
#include "app/ExplanationPages.h"
#include "store/Schema.h"
#include "ui/app/WebProcesses.h"
#include "ui/frame/BannerBar.h"

#include <wx/choice.h>

#include <wx/menu.h>
#include <wx/statusbr.h>

#include <set>

using CMainFrameTest = CFrameTest;

TEST_F(CMainFrameTest, MenusStatusBarAndBannerAroundTheView)
{
    // Edit and PocketPC sync do not work in this version.
    const std::set<int> disabled = {kIdEditUndo, kIdEditCut, kIdEditCopy, kIdEditPaste,
                                    kIdSyncWithPocketPc};
    wxMenuBar* bar = Frame()->GetMenuBar();
    bar->UpdateMenus();
    wxStatusBar* status = Frame()->GetStatusBar();
    for (size_t m = 0; m < bar->GetMenuCount(); ++m) {
        for (const wxMenuItem* item : bar->GetMenu(m)->GetMenuItems()) {
            if (item->IsSeparator())
                continue;
            SCOPED_TRACE(ToUtf8(item->GetItemLabel()));
            EXPECT_EQ(item->IsEnabled(), !disabled.count(item->GetId()));
            EXPECT_FALSE(item->GetHelp().empty());
            // Highlighting the item puts its prompt in the message pane.
            wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, item->GetId());
            Frame()->ProcessWindowEvent(highlight);
            EXPECT_EQ(status->GetStatusText(0), item->GetHelp());
        }
    }

    // Caps Lock on the (virtual) keyboard lights the CAP pane, and goes off again.
    ASSERT_EQ(status->GetFieldsCount(), 4);
    wxUIActionSimulator keyboard;
    keyboard.Char(WXK_CAPITAL);
    EXPECT_TRUE(WaitUntil([status] { return status->GetStatusText(1) == "CAP"; }, std::chrono::seconds(3)));
    keyboard.Char(WXK_CAPITAL);
    EXPECT_TRUE(WaitUntil([status] { return status->GetStatusText(1).empty(); }, std::chrono::seconds(3)));

    // Hiding the status bar gives the view its room.
    const int viewHeight = View().GetSize().y;
    for (const bool shown : {false, true}) {
        EXPECT_TRUE(Frame()->ProcessCommand(kIdViewStatusBar));
        Pump(std::chrono::milliseconds(200));
        EXPECT_EQ(status->IsShown(), shown);
        EXPECT_EQ(View().GetSize().y > viewHeight, !shown);
        bar->UpdateMenus();
        EXPECT_EQ(bar->IsChecked(kIdViewStatusBar), shown);
    }

    // Offline, the bar shows the built-in channel list banner.
    CBannerBar& banner = Frame()->BannerBar();
    ASSERT_TRUE(WaitForPage(banner.Browser()));
    ASSERT_TRUE(banner.Current());
    EXPECT_EQ(banner.Current()->id, "Channels");
    EXPECT_NE(PageText(banner.Browser().View()).find("Leanlog Channel List"), std::string::npos);
    EXPECT_EQ(banner.GetRect(), wxRect(0, 0, Frame()->GetClientSize().x, banner.GetSize().y));
    EXPECT_EQ(View().GetPosition().y, banner.GetSize().y) << "the view starts below the strip";
    const wxRect browser = banner.Browser().View()->GetRect();
    EXPECT_LE(std::abs(browser.x - (banner.GetSize().x - browser.width) / 2), 1) << "centred";
    // Banner list left of the banner, channel list right, each centred in its margin.
    const wxRect left = banner.BannerList()->GetRect();
    const wxRect right = banner.ChannelList()->GetRect();
    EXPECT_LE(std::abs(left.x - (browser.x - left.width) / 2), 1);
    EXPECT_LE(std::abs((banner.GetSize().x - right.GetRight() - 1) - left.x), 1);
    EXPECT_LE(right.GetBottom(), banner.GetSize().y) << "the lists fit in the strip";
    SaveScreenshot(Frame(), "frame-banner-bar");

    // However narrow the frame is made, the view keeps 800 pixels.
    Frame()->SetSize(600, 520);
    Pump(std::chrono::milliseconds(300));
    EXPECT_GE(Frame()->GetSize().x, CMainFrame::kMinWidth);
    EXPECT_GE(View().GetSize().x + (Frame()->GetSize().x - Frame()->GetClientSize().x), CMainFrame::kMinWidth);
    Frame()->SetSize(1000, 600);
    Pump(std::chrono::milliseconds(300));
    EXPECT_EQ(View().GetSize().x, Frame()->GetClientSize().x) << "wider frames give the view their width";
}

TEST_F(CMainFrameTest, HelpPagesShowInTheHtmlDialogAndClosingShutsTheWebViewsDown)
{
    const struct
    {
        int id;
        std::string html;
        const char* screenshot;
    } cases[] = {
        {kIdAppAbout, AboutHtml(), "dialog-about"},
        {kIdHowItWorks, HowItWorksHtml(), "dialog-how-leanlog-works"},
        {kIdAboutLosingWeight, AboutLosingWeightHtml(), "dialog-about-losing-weight"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screenshot);
        wxTEST_DIALOG(Frame()->ProcessCommand(c.id), CExpectDialog<CHtmlDialog>([&](CHtmlDialog* dialog) {
                          EXPECT_EQ(dialog->GetParent(), Frame());
                          EXPECT_EQ(dialog->m_strHtml, c.html);
                          dialog->Show();
                          EXPECT_TRUE(WaitForPage(dialog->Browser()));
                          EXPECT_FALSE(PageText(dialog->Browser().View()).empty());
                          SaveScreenshot(dialog, c.screenshot);
                          dialog->Hide();
                          return wxID_OK;
                      }));
    }

    // Closing the frame (File > Exit is the start-up window tests') shuts the web views down.
    SelectTabByClick(kTabPellaware);
    EXPECT_GT(RunningWebProcesses(), 0);
    wxWeakRef<CMainFrame> frame = Frame();
    EXPECT_TRUE(frame->Close());
    EXPECT_TRUE(WaitUntil([&] { return !frame; }));
    EXPECT_TRUE(wxTopLevelWindows.empty());
    EXPECT_TRUE(WaitUntil([] { return RunningWebProcesses() == 0; }, std::chrono::seconds(10)));
}

TEST_F(CMainFrameTest, RestartDietStartsANewDietOnTabZero)
{
    const auto entryLabel = [this] { return ToUtf8(View().MainPage()->EntryButton()->GetLabel()); };
    // The dialog's own clicks are the start-up test's; here its answers are taken.
    const auto restart = [this](const char* goal) {
        wxTEST_DIALOG(Frame()->ProcessCommand(kIdRestartDiet), CExpectDialog<CNewDietDlg>([goal](CNewDietDlg* dialog) {
                          if (goal)
                              dialog->GoalField()->ChangeValue(goal);
                          return goal && dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
                      }));
    };
    const std::string table = Model().m_strDietTable;
    EXPECT_EQ(entryLabel(), kMissingInfoLabel);
    EXPECT_TRUE(View().MainPage()->EntryButton()->IsEnabled());
    restart(nullptr);
    EXPECT_EQ(Model().m_strDietTable, table);
    EXPECT_EQ(Model().m_days.size(), 10u);

    // From tab zero the page is only relabelled; from another tab, tab zero is selected.
    restart("160");
    EXPECT_EQ(entryLabel(), kStartingInfoLabel);
    SelectTabByClick(kTabSummary);
    restart("140");
    const CDateTime today = CDateTime::Now().DateOnly();
    ASSERT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(Model().m_days.front()->date, today);
    EXPECT_EQ(Model().m_nGoalWeight, 140);
    EXPECT_EQ(Model().m_strDietTable, DietTableName(today));
    EXPECT_EQ(View().TabCtrl().GetCurSel(), kTabMain);
    EXPECT_TRUE(View().Page(kTabMain)->IsShown());
    EXPECT_FALSE(View().Page(kTabSummary)->IsShown());
}
