// The desktop program against the real feed: the start-up connection check
// downloads the feed's newer program, "New Version Found" asks once, and the
// exit step starts leanlog-updater as answered; File > Check for Online
// Update asks before it checks.
#include "harness/DialogDriving.h"

#include "FeedProcess.h"
#include "app/Settings.h"
#include "ui/dialogs/NewVersionDlg.h"

#include <wx/radiobut.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace std::chrono_literals;

/// A diet whose settings name the running feed, started with an updater
/// that records its arguments and data folder; the start-up check has finished.
class CFeedDesktopTest : public CDesktopTest
{
protected:
    void SetUp() override
    {
        if (!LEANLOG_TRUSTS_TEST_KEY)
            GTEST_SKIP() << "the build does not trust the feed's test release key";
        ASSERT_TRUE(m_feed.Running());
        MakeWeighedDiet(m_dir, 5, {200, 199});
        CSettings(m_dir.Folder().SettingsFile()).Set(kServerUrlSetting, m_feed.Url());
        const std::string updater = m_updaterDir.File(std::string(kUpdaterProgramName));
        std::ofstream(updater)
            << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" \"$LEANLOG_DATA_DIR\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n";
        std::filesystem::permissions(updater, std::filesystem::perms::owner_all);
        setenv(CDesktopApp::kUpdaterDirVariable, m_updaterDir.Path().c_str(), 1);
        ASSERT_NO_FATAL_FAILURE(StartAgain());
        App().WaitForConnectionChecks();
    }
    void TearDown() override
    {
        CDesktopTest::TearDown();
        unsetenv(CDesktopApp::kUpdaterDirVariable);
    }

    CFeedProcess m_feed;
    CTempDataDir m_updaterDir;
};

struct SAnswerCase
{
    const char* name;
    ENewVersionAnswer answer;
    const char* arguments;   ///< the updater's at exit; null: not started
};

class CNewVersionTest : public CFeedDesktopTest, public testing::WithParamInterface<SAnswerCase>
{
};

TEST_P(CNewVersionTest, TheAnswerDecidesWhenTheUpdaterStarts)
{
    const SAnswerCase& c = GetParam();
    ASSERT_TRUE(Model().Updates().UpdatePending()) << "the feed offers a newer program";
    const std::string version = Model().Updates().ExeVersion();
    CColorTabCtrl& tabs = View().TabCtrl();
    const wxRect tab = tabs.GetItemRect(kTabSummary);
    wxTEST_DIALOG((ClickAt(&tabs, wxPoint(tab.x + tab.width / 2, tab.y + tab.height / 2)), Pump(500ms)),
                  Drive<CNewVersionDlg>([&](CNewVersionDlg* dialog) {
                      EXPECT_TRUE(dialog->Choice(ENewVersionAnswer::InstallNow)->GetValue()) << "preselected";
                      ClickAndWait(dialog->Choice(c.answer));
                      SaveScreenshot(dialog, "dialog-new-version-found");
                      ClickAndWait(dialog->FindWindow(wxID_OK));
                  }));
    wxWeakRef<CMainFrame> frame = Frame();
    if (c.answer == ENewVersionAnswer::InstallNow) {
        EXPECT_TRUE(WaitUntil([&] { return !frame; })) << "Install Now ends the program";
    } else {
        CGtestModalHook noDialog(__FILE__, __LINE__);   // asked once per run
        SelectTabByClick(kTabGraph);
        frame->ProcessCommand(kIdAppExit);
        EXPECT_TRUE(WaitUntil([&] { return !frame; }));
    }
    App().ExitInstance();

    const std::string recorded = m_updaterDir.File(std::string(kUpdaterProgramName) + ".args");
    WaitUntil([&] { return std::filesystem::exists(recorded); }, c.arguments ? 5s : 500ms);
    EXPECT_EQ(ReadFileBytes(recorded), c.arguments ? c.arguments + m_dir.Path() + "\n" : "");
    EXPECT_EQ(CSettings(m_dir.Folder().SettingsFile()).Get(kExeVersionSetting),
              c.arguments ? version : std::string(kExeVersionSetting.defaultValue));
}

INSTANTIATE_TEST_SUITE_P(Answers, CNewVersionTest,
                         testing::Values(SAnswerCase{"InstallNow", ENewVersionAnswer::InstallNow, "1\nautorun\n"},
                                         SAnswerCase{"InstallOnExit", ENewVersionAnswer::InstallOnExit, "0\n"},
                                         SAnswerCase{"AskAgain", ENewVersionAnswer::AskAgain, nullptr}),
                         [](const testing::TestParamInfo<SAnswerCase>& c) { return std::string(c.param.name); });

TEST_F(CFeedDesktopTest, CheckForOnlineUpdateAsksFirstAndThenChecks)
{
    ASSERT_TRUE(Model().m_bOnline);
    ASSERT_TRUE(m_feed.Stop());   // a check that runs now finds the server gone
    for (const int answer : {wxID_CANCEL, wxID_OK}) {
        wxTEST_DIALOG(Frame()->ProcessCommand(kIdCheckForUpdate),
                      CExpectDialog<wxMessageDialog>([answer](wxMessageDialog*) { return answer; }));
        App().WaitForConnectionChecks();
        EXPECT_EQ(Model().m_bOnline, answer == wxID_CANCEL);
    }
}
