#include "harness/WindowTest.h"

#include "support/RunProcess.h"
#include "ui/controls/WxDate.h"

#include <dirent.h>
#include <unistd.h>

#include <wx/datectrl.h>

#include <filesystem>
#include <random>

namespace {

using CStartupWindowTest = CDesktopTest;

/// Other processes whose environment holds `entry` ("NAME=value").
int ProcessesWithEnvironment(const std::string& entry)
{
    std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
    int count = 0;
    while (const dirent* e = readdir(proc.get())) {
        const std::string pid = e->d_name;
        if (pid.find_first_not_of("0123456789") == std::string::npos && pid != std::to_string(getpid()) &&
            ('\0' + ReadFileBytes("/proc/" + pid + "/environ")).find('\0' + entry + '\0') != std::string::npos)
            ++count;
    }
    return count;
}

} // namespace

TEST_F(CStartupWindowTest, FirstRunShowsAboutBeforeTheFrameThenNewDiet)
{
    const CDateTime start = CDateTime::Now().DateOnly().AddDays(-2);
    bool started = false;
    bool refused = false;
    wxTEST_DIALOG(
        started = App().StartUp(m_dir.Folder()),
        CExpectDialog<CHtmlDialog>([this](CHtmlDialog* about) {
            EXPECT_EQ(App().MainFrame(), nullptr) << "the About box comes before the main window";
            about->Show();
            EXPECT_TRUE(WaitForPage(about->Browser()));
            EXPECT_NE(PageText(about->Browser().View()).find("Leanlog Version"), std::string::npos);
            SaveScreenshot(about, "dialog-about-at-start");
            ClickCentre(about->FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([about] { return !about->IsShown(); }));
            return wxID_OK;
        }),
        CExpectDialog<CNewDietDlg>([&](CNewDietDlg* dialog) {
            dialog->Show();
            EXPECT_TRUE(dialog->DatePicker()->GetValue().IsSameDate(wxDateTime::Today()));
            Pump(std::chrono::milliseconds(200));
            SaveScreenshot(dialog, "dialog-new-diet");
            dialog->GoalField()->ChangeValue("1001");
            ClickCentre(dialog->FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([&refused] { return refused; }));
            EXPECT_TRUE(dialog->IsShown()) << "a refused goal keeps the dialog open";
            EXPECT_EQ(wxWindow::FindFocus(), dialog->GoalField());
            dialog->DatePicker()->SetValue(ToWxDate(start));
            dialog->GoalField()->ChangeValue("150");
            ClickCentre(dialog->FindWindow(wxID_OK));
            EXPECT_TRUE(WaitUntil([dialog] { return !dialog->IsShown(); }));
            return wxID_OK;
        }),
        CExpectDialog<wxMessageDialog>([&refused](wxMessageDialog* box) {
            refused = true;
            EXPECT_NE(ToUtf8(box->GetMessage()).find("between 0 and 1000"), std::string::npos);
            return wxID_OK;
        }));

    ASSERT_TRUE(started);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_EQ(Model().m_days.size(), 1u);
    EXPECT_EQ(Model().m_days.front()->date, start);
    EXPECT_EQ(Model().m_nGoalWeight, 150);
    EXPECT_EQ(View().TabCtrl().GetCurSel(), 0);
    EXPECT_EQ(ToUtf8(View().MainPage()->EntryButton()->GetLabel()), kStartingInfoLabel);
}

TEST_F(CStartupWindowTest, CancelAtFirstRunEndsWithNothingCreated)
{
    bool started = true;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()),
                  CExpectDialog<CHtmlDialog>([](CHtmlDialog*) { return wxID_OK; }),
                  CExpectDialog<CNewDietDlg>([](CNewDietDlg* dialog) {
                      dialog->Show();
                      Pump(std::chrono::milliseconds(100));
                      ClickCentre(dialog->FindWindow(wxID_CANCEL));
                      EXPECT_TRUE(WaitUntil([dialog] { return !dialog->IsShown(); }));
                      return wxID_CANCEL;
                  }));
    EXPECT_FALSE(started);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(App().Model(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("RiRedo.mdb")));
}

TEST_F(CStartupWindowTest, UnusableDatabaseIsReportedByNameAndEndsTheProgram)
{
    const std::string junk = "these bytes are not a database";
    WriteFileBytes(m_dir.File("RiRedo.mdb"), junk);
    bool started = true;
    wxTEST_DIALOG(started = App().StartUp(m_dir.Folder()), ExpectMessage(m_dir.File("RiRedo.mdb")));
    EXPECT_FALSE(started);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(ReadFileBytes(m_dir.File("RiRedo.mdb")), junk) << "a file that cannot be used is left alone";
}

TEST_F(CStartupWindowTest, ProgramShowsItsFrameOnTheNamedDataFolderAndEndsCleanlyThroughExit)
{
    // Its start-up benchmark mode shows the frame, then leaves through File > Exit.
    MakeWeighedDiet(m_dir, 5, {205, 204, 204, 203});
    std::filesystem::remove(m_dir.File("Leanlog.ini"));
    const std::string marker = "LEANLOG_TEST_MARKER=" + std::to_string(getpid()) + "-" + std::to_string(std::random_device{}());
    const auto result = RunProcess({LEANLOG_DESKTOP_PATH, "--data-dir", m_dir.Path()},
                                   {std::string(CDesktopApp::kStartupBenchmarkVariable) + "=1", marker});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("frame shown after"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "") << "no error output on the way out";
    EXPECT_TRUE(WaitUntil([&] { return ProcessesWithEnvironment(marker) == 0; }, std::chrono::seconds(5)))
        << "processes started by the program are still running";
    // Portable mode: the settings file lives in the data folder.
    EXPECT_NE(ReadFileBytes(m_dir.File("Leanlog.ini")).find("DatabasePath=" + m_dir.File("RiRedo.mdb")),
              std::string::npos);
}
