// The program itself, started as a process: its start-up benchmark mode
// shows the frame, then leaves through File > Exit.
#include "harness/WindowTest.h"

#include "ui/app/DesktopApp.h"
#include "support/RunProcess.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>

namespace {

/// Sets or clears an environment variable for the test's lifetime.
class CScopedEnv
{
public:
    CScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~CScopedEnv()
    {
        if (m_old)
            setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

/// Processes whose environment holds `entry` ("NAME=value").
int ProcessesWithEnvironment(const std::string& entry)
{
    struct SCloseDir
    {
        void operator()(DIR* dir) const { closedir(dir); }
    };
    std::unique_ptr<DIR, SCloseDir> proc(opendir("/proc"));
    int count = 0;
    while (const dirent* e = readdir(proc.get())) {
        const std::string pid = e->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == std::to_string(getpid()))
            continue;
        const std::string environ = ReadFileBytes("/proc/" + pid + "/environ");
        if (environ.find(std::string(1, '\0') + entry + '\0') != std::string::npos || environ.rfind(entry + '\0', 0) == 0)
            ++count;
    }
    return count;
}

std::string UniqueMarker()
{
    return "LEANLOG_TEST_MARKER=" + std::to_string(getpid()) + "-" + std::to_string(std::random_device{}());
}

using CDesktopExitTest = CDesktopTest;

} // namespace

TEST_F(CDesktopExitTest, ProgramShowsItsFrameAndEndsCleanlyThroughExit)
{
    MakeWeighedDiet(m_dir, 5, {205, 204, 204, 203});
    const std::string marker = UniqueMarker();
    const auto result = RunProcess({LEANLOG_DESKTOP_PATH, "--data-dir", m_dir.Path()},
                                   {std::string(CDesktopApp::kStartupBenchmarkVariable) + "=1", marker});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("frame shown after"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "") << "no error output on the way out";
    EXPECT_TRUE(WaitUntil([&] { return ProcessesWithEnvironment(marker) == 0; }, std::chrono::seconds(5)))
        << "processes started by the program are still running";
}

TEST_F(CDesktopExitTest, DataFolderComesFromTheEnvironmentWithoutTheOption)
{
    MakeWeighedDiet(m_dir, 2, {190});
    std::filesystem::remove(m_dir.File("Leanlog.ini"));
    const CScopedEnv dataDir("LEANLOG_DATA_DIR", nullptr);
    const auto result = RunProcess({LEANLOG_DESKTOP_PATH},
                                   {std::string(CDesktopApp::kStartupBenchmarkVariable) + "=1",
                                    "LEANLOG_DATA_DIR=" + m_dir.Path()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Portable mode: the settings file lives in the data folder.
    EXPECT_NE(ReadFileBytes(m_dir.File("Leanlog.ini")).find("DatabasePath=" + m_dir.File("RiRedo.mdb")),
              std::string::npos);
}
