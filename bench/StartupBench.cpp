// Prints how long the desktop program takes from being started until its
// main window is first painted, on the sample data folder (its sizes are
// printed). The program's start-up benchmark mode closes the About box at
// once, so its wait for the user does not count, and prints a line at the
// first paint; the time is taken here, from the spawn to that line. Needs a
// display: run it on the desktop or under xvfb-run -a.
//
// With --feed the data folder's food table is instead filled from the feed
// (scripts/feed on loopback: 25 categories, 15,735 items) and the feed keeps
// running, so every start also runs the food table update against it.
#include "BenchTiming.h"
#include "FeedProcess.h"
#include "SampleData.h"

#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"
#include "update/StartupFoodUpdate.h"

#include <wx/init.h>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The line the program prints at its frame's first paint.
constexpr const char* kShownLine = "frame shown";

struct SRun
{
    double spawnToShownMs = -1;    ///< spawn until the program reports its first paint
    double spawnToExitMs = -1;     ///< until the program has ended, File > Exit included
    int exitCode = -1;
};

SRun RunOnce(const std::string& folder)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("LEANLOG_STARTUP_BENCHMARK=1");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = LEANLOG_DESKTOP_PATH;
    std::string option = "--data-dir";
    std::string dir = folder;
    char* argv[] = {program.data(), option.data(), dir.data(), nullptr};

    SRun run;
    const auto start = Clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return run;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
        const auto at = text.find(kShownLine);
        if (run.spawnToShownMs < 0 && at != std::string::npos && text.find('\n', at) != std::string::npos)
            run.spawnToShownMs = MillisecondsSince(start);
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.spawnToExitMs = MillisecondsSince(start);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class CNoNewDiet : public CStartupPrompts
{
public:
    std::optional<CNewDietAnswers> AskNewDiet() override { return std::nullopt; }
};

/// Fills the folder's empty food table from the feed and points ServerURL at it; false on failure.
bool FillFromFeed(const std::string& folder, const CFeedProcess& feed)
{
    CLeanlogApp app(CDataFolder{folder, true});
    CNoNewDiet prompts;
    app.InitData(prompts);
    app.Settings().Set(kServerUrlSetting, feed.Url());
    const SStartupFoodUpdate update = UpdateFoodTableAtStart(app, CDateTime::Now());
    return update.categories.added == 25 && update.items.added == 15735;
}

} // namespace

int main(int argc, char** argv)
{
    const bool withFeed = argc > 1 && std::string(argv[1]) == "--feed";
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "needs a display: run it on the desktop or under xvfb-run -a\n");
        return 2;
    }
    wxInitializer wx;
    const std::string folder = (std::filesystem::temp_directory_path() / "leanlog-bench-startup").string();
    std::filesystem::remove_all(folder);
    SSampleDataSize size{};
    std::unique_ptr<CFeedProcess> feed;
    if (withFeed) {
        feed = std::make_unique<CFeedProcess>();
        size.foodItems = 0;
    }
    MakeSampleDataFolder(folder, size);
    if (feed && (!feed->Running() || !FillFromFeed(folder, *feed))) {
        std::fprintf(stderr, "the feed did not start or did not fill the food table\n");
        return 1;
    }

    constexpr int kRuns = 9;
    std::vector<double> shown, exited;
    for (int i = 0; i <= kRuns; ++i) {
        const SRun run = RunOnce(folder);
        if (run.exitCode != 0 || run.spawnToShownMs < 0) {
            std::fprintf(stderr, "run %d failed (exit code %d)\n", i, run.exitCode);
            return 1;
        }
        std::printf("run %d: shown after %.0f ms, ended after %.0f ms%s\n", i, run.spawnToShownMs,
                    run.spawnToExitMs, i == 0 ? " (first, not counted)" : "");
        if (i == 0)
            continue;   // fills the page cache
        shown.push_back(run.spawnToShownMs);
        exited.push_back(run.spawnToExitMs);
    }
    if (feed)
        std::printf("data: the feed's 15735 food items, with the feed running on %s; ", feed->Url().c_str());
    else
        std::printf("data: %d food items, ", size.foodItems);
    std::printf("%d earlier diets of %d days, a %d-day diet\n", size.pastDiets, size.pastDays, size.days);
    std::printf("start to shown main window: %.0f ms median of %d; target under 1500 ms\n", Median(shown), kRuns);
    std::printf("start to clean exit after File > Exit: %.0f ms median\n", Median(exited));
    std::filesystem::remove_all(folder);
    return 0;
}
