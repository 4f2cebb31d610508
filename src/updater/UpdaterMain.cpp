// leanlog-updater [autorun]: installs the signed release archive that the
// program downloaded into the data folder (LEANLOG_DATA_DIR, as the
// program passes it, else the user's data folder) into the folder this
// executable lies in, once the program (LEANLOG_UPDATER_WAIT_PID) ended.
// With "autorun" it installs at once; without it, it asks first: in a
// dialog when a display and the window toolkit are there, else on the
// terminal (standard input; no answer is no).
#include "app/DataFolder.h"
#include "base/LeadingInt.h"
#include "update/ProgramUpdates.h"
#include "updater/InstallQuestion.h"
#include "updater/ReleaseInstall.h"

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <thread>

namespace {

constexpr std::chrono::seconds kWaitForProgram{60};

bool WaitForProgramEnd()
{
    const char* text = std::getenv(std::string(kUpdaterWaitPidVariable).c_str());
    if (!text || !*text)
        return true;
    const pid_t pid = static_cast<pid_t>(LeadingInt(text));
    const auto deadline = std::chrono::steady_clock::now() + kWaitForProgram;
    while (pid > 0 && kill(pid, 0) == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

int Finish(const SUpdaterStep& step)
{
    (step.exit == kInstalled ? std::cout : std::cerr) << "leanlog-updater: " << step.message << "\n";
    return step.exit;
}

} // namespace

int main(int argc, char** argv)
{
    const bool autorun = argc == 2 && std::string_view(argv[1]) == "autorun";
    if (argc > 2 || (argc == 2 && !autorun)) {
        std::cerr << "usage: leanlog-updater [autorun]\n";
        return kUsage;
    }
    if (!WaitForProgramEnd())
        return Finish({kStillRunning, "Leanlog is still running; nothing was installed. Close it and start the update again."});

    std::string dataDir;
    try {
        dataDir = CDataFolder::Resolve(std::nullopt).path;
    } catch (const std::exception& e) {
        return Finish({kRefused, std::string("No data folder: ") + e.what()});
    }
    const std::string programDir = RunningProgramDir();
    SReleaseArchive release;
    if (auto step = LoadRelease(dataDir, std::string(TrustedReleaseKey()), release); step.exit != kInstalled)
        return Finish(step);
    if (auto step = CheckWritable(programDir); step.exit != kInstalled)
        return Finish(step);
    if (!autorun) {
        const std::string question = "A new version of Leanlog is ready. Install it (" + ProgramList(release) +
                                     ") into " + programDir + " now?";
        if (!AskToInstall(argc, argv, question))
            return Finish({kDeclined, "Not installed; the update stays in " + dataDir + "."});
    }
    return Finish(InstallRelease(release, programDir, dataDir));
}
