// The food feed end to end: scripts/feed (nginx on a free loopback port)
// or a scripted server, and the real leanlog-cli and desktop program
// against it, on a temporary data folder each.
#include "FeedProcess.h"
#include "app/Settings.h"
#include "net/support/ScriptedServer.h"
#include "store/Database.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

/// A data folder with a diet whose settings name `serverUrl`.
void StartDiet(const CTempDataDir& dir, const std::string& serverUrl)
{
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2026-11-01", "--goal", "150"}).exitCode, 0);
    CSettings settings(dir.Folder().SettingsFile());
    settings.Set(kServerUrlSetting, serverUrl);
    settings.Set(kLastFoodCatDlDateSetting, "10/01/2026");
}

std::string Query(const CTempDataDir& dir, const std::string& sql)
{
    auto db = CDatabase::OpenExisting(dir.File("RiRedo.mdb"));
    CStatement st = db->Prepare(sql);
    std::string out;
    while (st.Step())
        for (int i = 0; i < st.ColumnCount(); ++i)
            out += st.ColumnText(i) + (i + 1 < st.ColumnCount() ? "|" : "\n");
    return out;
}

std::string Counts(const CTempDataDir& dir)
{
    return Query(dir, "SELECT (SELECT COUNT(*) FROM LnLg_FoodCategories), (SELECT COUNT(*) FROM LnLg_FoodItem)");
}

std::string SinceDate(const CTempDataDir& dir)
{
    return CSettings(dir.Folder().SettingsFile()).Get(kLastFoodCatDlDateSetting);
}

#ifdef LEANLOG_DESKTOP_PATH   // a build without windows has no desktop program
/// The desktop program on `dir` in its start-up benchmark mode (About closed
/// at once, ends after the first paint), on a private display.
SProcessResult RunDesktop(const CTempDataDir& dir)
{
    return RunProcess({LEANLOG_SOURCE_DIR "/tests/ui/run-with-display", LEANLOG_DESKTOP_PATH, "--data-dir", dir.Path()},
                      {"LEANLOG_STARTUP_BENCHMARK=1"});
}
#endif

constexpr const char* kRowColumns =
    "SELECT ItemCategoryCode, ServingSizeName, ServingSizeAmt, ServingSizeUnit, Calories, FatCalories, FatGrams, "
    "Cholesterol, Sodium, Carbs, Fiber, Sugars, Protein FROM LnLg_FoodItem ";

} // namespace

TEST(FeedEndToEnd, AFirstUpdateFillsTheTablesFromTheFeedAndASecondAddsNothing)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    CTempDataDir dir;
    StartDiet(dir, feed.Url());

    const auto first = Cli(dir, {"update-foods"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "25 categories added\n15735 items added\n");
    EXPECT_EQ(Counts(dir), "25|15735\n");
    EXPECT_NE(SinceDate(dir), "10/01/2026");
    // Rows as data/foods/foods.csv has them.
    EXPECT_EQ(Query(dir, std::string(kRowColumns) + "WHERE ItemName = 'Egg, whole, raw, fresh' AND ServingSizeCode = 1"),
              "0100|1 large|50.0|g|72|43|4.8|186.0|71.0|0.4|0.0|0.2|6.3\n");
    EXPECT_EQ(Query(dir, "SELECT ServingSizeName FROM LnLg_FoodItem WHERE ItemName = "
                         "'KASHI Three Cheese Penne, frozen, unprepared' AND ServingSizeName LIKE '1 Entr%'"),
              "1 Entrée\n");
    EXPECT_EQ(Query(dir, "SELECT Category FROM LnLg_FoodCategories WHERE CatCode = '0600'"),
              "Soups, Sauces, and Gravies\n");

    const auto second = Cli(dir, {"update-foods"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "0 categories added\n0 items added\n");
    EXPECT_EQ(Counts(dir), "25|15735\n");
    EXPECT_TRUE(feed.Stop()) << "scripts/feed did not end cleanly, or nginx still listens";
}

TEST(FeedEndToEnd, ErrorsGarbageAndCutRepliesChangeNothingElse)
{
    const std::string items = ReadFileBytes(LEANLOG_BUILD_DIR "/feed/www/leanlog/getnewfooditemrecs.asp");
    size_t cut = 0;
    for (int lineFeeds = 0; lineFeeds < 3 * 26 + 10; ++lineFeeds)
        cut = items.find('\n', cut) + 1;   // three whole records and ten fields of the fourth

    struct
    {
        std::vector<SScriptedReply> replies;
        int exitCode;
        const char* counts;
        const char* why;
    } cases[] = {
        {{Reply("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n")}, 1, "0|0\n", "error replies"},
        {{OkReply(""), Reply("HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n")}, 1, "0|0\n", "the item step failed"},
        {{OkReply("<html><body>Server busy</body></html>")}, 0, "0|0\n", "garbage without a whole record"},
        {{Reply("HTTP/1.1 200 OK\r\nContent-Length: 900\r\n\r\n0100\nDairy\n02")}, 1, "0|0\n", "a reply cut short"},
        {{OkReply(""), OkReply(items.substr(0, cut))}, 0, "0|3\n", "a reply cut inside a record: whole records only"},
    };
    for (auto& c : cases) {
        CScriptedServer server(c.replies);
        CTempDataDir dir;
        StartDiet(dir, server.Url());
        const auto result = Cli(dir, {"update-foods"});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.why << "\n" << result.err;
        EXPECT_EQ(Counts(dir), c.counts) << c.why;
        EXPECT_EQ(SinceDate(dir) == "10/01/2026", c.exitCode != 0) << c.why;
    }

    CTempDataDir offline;
    StartDiet(offline, "");
    const auto refused = Cli(offline, {"update-foods"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no feed server is configured"), std::string::npos) << refused.err;
}

TEST(FeedEndToEnd, TheDesktopProgramFillsTheFoodTableAtItsFirstStartOrStartsWithinItsTimeOuts)
{
#ifndef LEANLOG_DESKTOP_PATH
    GTEST_SKIP() << "built without the desktop program";
#else
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    SScriptedReply silent;
    silent.holdOpen = true;
    CScriptedServer server({silent});
    const struct { std::string url; bool fills; } cases[] = {
        {feed.Url(), true},
        {"http://127.0.0.1:" + std::to_string(UnusedPort()), false},   // refused
        {server.Url(), false},                                          // never answers
    };
    for (const auto& c : cases) {
        CTempDataDir dir;
        StartDiet(dir, c.url);
        CSettings(dir.Folder().SettingsFile()).Set(kTimeoutSetting, 1000);
        const auto started = std::chrono::steady_clock::now();
        const auto run = RunDesktop(dir);
        const auto took = std::chrono::steady_clock::now() - started;
        ASSERT_EQ(run.exitCode, 0) << c.url << "\n" << run.err;
        if (!c.fills) {
            EXPECT_LT(took, 2 * 1s + 10s) << c.url << ": two first-byte time-outs and a generous start-up";
        }
        EXPECT_EQ(Counts(dir), c.fills ? "25|15735\n" : "0|0\n") << c.url;
        EXPECT_EQ(SinceDate(dir) == "10/01/2026", !c.fills) << c.url;
    }
#endif
}
