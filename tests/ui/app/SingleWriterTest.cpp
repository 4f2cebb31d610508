#include "harness/WindowTest.h"

#include "app/DataFolderLock.h"
#include "support/RunProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>

extern char** environ;

namespace {

/// The real desktop program on `dir`, started without waiting for it.
pid_t StartDesktop(const std::string& dir)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string data = "--data-dir=" + dir;
    char* argv[] = {const_cast<char*>(LEANLOG_DESKTOP_PATH), const_cast<char*>(data.c_str()), nullptr};
    pid_t pid = -1;
    posix_spawn(&pid, LEANLOG_DESKTOP_PATH, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool Ended(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

/// True once `pid` holds a lock on `file` (read from /proc/locks, so that
/// looking does not take the lock itself).
bool HoldsLock(pid_t pid, const std::string& file)
{
    struct stat st{};
    if (stat(file.c_str(), &st) != 0)
        return false;
    std::ifstream locks("/proc/locks");
    const std::string owner = " " + std::to_string(pid) + " ";
    const std::string inode = ":" + std::to_string(st.st_ino) + " ";
    for (std::string line; std::getline(locks, line);)
        if (line.find(owner) != std::string::npos && (line + " ").find(inode) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST_F(CDesktopTest, SingleWriterSecondProgramRaisesTheFirstAndTheCommandLineWaitsItsTurn)
{
    MakeWeighedDiet(m_dir, 1, {200});
    ASSERT_NO_FATAL_FAILURE(StartAgain());

    const pid_t second = StartDesktop(m_dir.Path());
    ASSERT_GT(second, 0);
    EXPECT_TRUE(WaitUntil([second] { return Ended(second); })) << "a second program stayed";
    EXPECT_TRUE(WaitUntil([this] { return App().RaiseRequests() == 1; })) << "the first was not asked to the front";

    const std::string before = ReadFileBytes(m_dir.File("RiRedo.mdb"));
    const auto refused = Cli(m_dir, {"enter", "--weight", "200"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("already running"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFileBytes(m_dir.File("RiRedo.mdb")), before);
    EXPECT_EQ(Cli(m_dir, {"days"}).exitCode, 0) << "reading is free";

    wxWeakRef<CMainFrame> frame = Frame();
    frame->ProcessCommand(kIdAppExit);
    ASSERT_TRUE(WaitUntil([&frame] { return !frame; }));
    App().ExitInstance();
    EXPECT_EQ(Cli(m_dir, {"enter", "--weight", "200"}).exitCode, 0) << "the folder is free once the program ended";
}

TEST_F(CDesktopTest, SingleWriterLockDiesWithAKilledProgram)
{
    ASSERT_EQ(Cli(m_dir, {"new-diet", "--start", "2026-01-05", "--goal", "150"}).exitCode, 0);
    const pid_t program = StartDesktop(m_dir.Path());
    ASSERT_GT(program, 0);
    ASSERT_TRUE(WaitUntil([&] { return HoldsLock(program, m_dir.File(CDataFolderLock::kFileName)); }));
    kill(program, SIGKILL);
    ASSERT_TRUE(WaitUntil([program] { return Ended(program); }));
    EXPECT_EQ(Cli(m_dir, {"enter", "--weight", "200"}).exitCode, 0);
}
