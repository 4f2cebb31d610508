#include "app/LeanlogApp.h"
#include "support/DbQuery.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

namespace {

/// Child process: saves one new day after another and reports each key on
/// `fd` only after SaveDailyInfo returned. Never returns.
[[noreturn]] void SaveForever(const CTempDataDir& dir, int fd)
{
    auto app = Restart(dir);
    for (int i = 1;; ++i) {
        auto& day = *app->m_days.emplace_back(
            std::make_unique<CDailyInfo>(app->m_days.back()->date.AddDays(1), 100 + i % 200, i));
        day.slots[0] = {"eggs", "2", i % 50};
        app->SaveDailyInfo(day);
        const std::int32_t report[2] = {day.ID, i};
        if (write(fd, report, sizeof report) != sizeof report)
            _exit(1);
    }
}

} // namespace

TEST(CrashSafety, KillDuringSavesKeepsEveryCompletedSave)
{
    CTempDataDir dir;
    StartFirstDiet(dir, Answers(2026, 1, 1, 150));

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(fds[0]);
        SaveForever(dir, fds[1]);
    }
    close(fds[1]);

    std::map<std::int32_t, int> completed;   // key -> save number
    std::int32_t report[2];
    while (completed.size() < 150 && read(fds[0], report, sizeof report) == sizeof report)
        completed[report[0]] = report[1];
    kill(child, SIGKILL);
    // Whatever was already in the pipe was completed too.
    while (read(fds[0], report, sizeof report) == sizeof report)
        completed[report[0]] = report[1];
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_GE(completed.size(), 150u);

    const auto app = Restart(dir);
    EXPECT_EQ(QueryText(*app->m_db, "PRAGMA integrity_check"), "ok");
    std::map<std::int32_t, const CDailyInfo*> loaded;
    for (const auto& day : app->m_days)
        loaded[day->ID] = day.get();
    for (const auto& [id, number] : completed) {
        ASSERT_TRUE(loaded.count(id)) << "save " << number << " (key " << id << ") was lost";
        EXPECT_EQ(loaded[id]->steps, number);
        EXPECT_EQ(loaded[id]->weight, 100 + number % 200);
        EXPECT_EQ(loaded[id]->slots[0].item, "eggs");
    }
}
