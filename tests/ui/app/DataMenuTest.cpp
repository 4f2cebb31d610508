#include "harness/WindowTest.h"

#include "app/DataBackup.h"
#include "ui/frame/MainFrame.h"

#include <filesystem>

/// A restore while the program runs: the frame and the model are made anew
/// on the restored file, and the data it replaced is kept.
TEST_F(CFrameTest, DataMenuRestoreReloadsTheFrameOnTheRestoredData)
{
    const std::string backup = m_dir.File("copy.leanlog");
    BackUpData(Model(), backup);
    const size_t days = Model().m_days.size();
    Model().m_days.pop_back();   // what the restore must bring back from the file
    wxWeakRef<CMainFrame> before = Frame();
    App().RestoreDataFrom(backup);
    ASSERT_TRUE(WaitUntil([&] { return !before && Frame() && Frame()->IsShownOnScreen(); }));
    EXPECT_EQ(Model().m_days.size(), days);
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("Backups")));
}
