// The desktop program against the real feed: the start-up connection check
// finds the feed's newer program, "New Version Found" asks once, and the
// exit step starts leanlog-updater as answered; File > Check for Online
// Update asks before it checks.
#include "harness/DialogDriving.h"

#include "FeedProcess.h"
#include "app/Settings.h"
#include "support/TempDataDir.h"
#include "ui/dialogs/NewVersionDlg.h"
#include "update/ProgramUpdates.h"

#include <wx/radiobut.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace std::chrono_literals;

/// A leanlog-updater that writes its argument count and arguments, one a line, to "arguments" beside it.
void PlaceRecordingUpdater(const std::string& folder)
{
    const std::string path = folder + "/" + std::string(kUpdaterProgramName);
    std::ofstream(path) << "#!/bin/sh\n"
                           "out=\"$(dirname \"$0\")/arguments\"\n"
                           "printf '%s\\n' \"$#\" \"$@\" > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

} // namespace

/// A diet whose settings name the running feed, started with a recording
/// updater; the start-up check has finished.
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
        PlaceRecordingUpdater(m_updaterDir.Path());
        setenv(CDesktopApp::kUpdaterDirVariable, m_updaterDir.Path().c_str(), 1);
        ASSERT_NO_FATAL_FAILURE(StartAgain());
        App().WaitForConnectionChecks();
    }
    void TearDown() override
    {
        CDesktopTest::TearDown();
        unsetenv(CDesktopApp::kUpdaterDirVariable);
    }

    /// What the updater was started with; "" when it was not started within `wait`.
    std::string UpdaterArguments(std::chrono::milliseconds wait) const
    {
        const std::string file = m_updaterDir.File("arguments");
        WaitUntil([&] { return std::filesystem::exists(file); }, wait);
        return ReadFileBytes(file);
    }

    void Exit()
    {
        wxWeakRef<CMainFrame> frame = Frame();
        if (frame)
            frame->ProcessCommand(kIdAppExit);
        EXPECT_TRUE(WaitUntil([&] { return !frame; }));
        App().ExitInstance();
    }

    CFeedProcess m_feed;
    CTempDataDir m_updaterDir;
};

struct SAnswerCase
{
    const char* name;
    ENewVersionAnswer answer;
    bool quits;                 ///< the program ends at once
    const char* arguments;      ///< what the updater gets at exit; null: not started
};

class CNewVersionTest : public CFeedDesktopTest, public testing::WithParamInterface<SAnswerCase>
{
};

TEST_P(CNewVersionTest, TheAnswerDecidesWhenTheUpdaterStarts)
{
    const SAnswerCase& c = GetParam();
    ASSERT_TRUE(Model().Updates().UpdatePending()) << "the feed offers a newer program";
    const std::string newVersion = Model().Updates().ExeVersion();

    // A real click on a tab; "Install Now" closes the frame before its page could be looked at.
    CColorTabCtrl& tabs = View().TabCtrl();
    const wxRect tab = tabs.GetItemRect(kTabSummary);
    wxTEST_DIALOG((ClickAt(&tabs, wxPoint(tab.x + tab.width / 2, tab.y + tab.height / 2)), Pump(500ms)),
                  Drive<CNewVersionDlg>([&](CNewVersionDlg* dialog) {
                      EXPECT_TRUE(dialog->Choice(ENewVersionAnswer::InstallNow)->GetValue()) << "preselected";
                      ClickAndWait(dialog->Choice(c.answer));
                      if (c.answer == ENewVersionAnswer::InstallNow)
                          SaveScreenshot(dialog, "dialog-new-version-found");
                      ClickAndWait(dialog->FindWindow(wxID_OK));
                  }));
    if (c.quits) {
        wxWeakRef<CMainFrame> frame = Frame();
        EXPECT_TRUE(WaitUntil([&] { return !frame; })) << "Install Now ends the program";
    } else {
        // Once per run: the next tab asks nothing.
        CGtestModalHook noDialog(__FILE__, __LINE__);
        SelectTabByClick(kTabGraph);
        Pump(300ms);
    }
    Exit();

    EXPECT_EQ(UpdaterArguments(c.arguments ? 5s : 500ms), c.arguments ? c.arguments : "");
    EXPECT_EQ(CSettings(m_dir.Folder().SettingsFile()).Get(kExeVersionSetting),
              c.arguments ? newVersion : std::string(kExeVersionSetting.defaultValue));
}

INSTANTIATE_TEST_SUITE_P(Answers, CNewVersionTest,
                         testing::Values(SAnswerCase{"InstallNow", ENewVersionAnswer::InstallNow, true, "1\nautorun\n"},
                                         SAnswerCase{"InstallOnExit", ENewVersionAnswer::InstallOnExit, false, "0\n"},
                                         SAnswerCase{"AskAgain", ENewVersionAnswer::AskAgain, false, nullptr}),
                         [](const testing::TestParamInfo<SAnswerCase>& c) { return std::string(c.param.name); });

TEST_F(CFeedDesktopTest, CheckForOnlineUpdateAsksFirstAndThenChecks)
{
    ASSERT_TRUE(Model().m_bOnline);
    // With the feed gone, a check that runs finds the server unreachable.
    ASSERT_TRUE(m_feed.Stop());
    const auto answer = [](int code) {
        return CExpectDialog<wxMessageDialog>([code](wxMessageDialog* box) {
            EXPECT_EQ(ToUtf8(box->GetTitle()), "UPDATE LEANLOG");
            EXPECT_EQ(ToUtf8(box->GetMessage()), "Check online for update to Leanlog? Before you click the OK "
                                                 "button, make sure you are connected to the Internet.");
            return code;
        });
    };
    wxTEST_DIALOG(Frame()->ProcessCommand(kIdCheckForUpdate), answer(wxID_CANCEL));
    App().WaitForConnectionChecks();
    EXPECT_TRUE(Model().m_bOnline) << "Cancel checks nothing";
    wxTEST_DIALOG(Frame()->ProcessCommand(kIdCheckForUpdate), answer(wxID_OK));
    App().WaitForConnectionChecks();
    EXPECT_FALSE(Model().m_bOnline);
}
