#include "reports/StatusAdvisor.h"
#include "reports/SummaryReport.h"
#include "support/RunProcess.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Cli, NewDietStartsAndRestartsTheDietOfTheFolderNamedByOptionOrEnvironment)
{
    CTempDataDir dir;
    const auto created = RunProcess({LEANLOG_CLI_PATH, "new-diet", "--start", "2006-01-15", "--goal", "0"},
                                    {"LEANLOG_DATA_DIR=" + dir.Path()});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, "");
    EXPECT_TRUE(std::filesystem::exists(dir.File("Leanlog.ini")));
    EXPECT_EQ(Cli(dir, {"days"}).out, "01/15/2006 - missing\t 0.00\t0\t0\n");
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-02-01", "--goal", "1000"}).exitCode, 0);
    EXPECT_EQ(Cli(dir, {"days"}).out, "02/01/2006 - missing\t 0.00\t0\t0\n");
}

TEST(Cli, BadUsageExitsWithTwoAndChangesNothing)
{
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"}).exitCode, 0);
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"days", "extra"},
        {"new-diet", "--start", "2006-01-15"},
        {"new-diet", "--start", "2006-01-15", "--goal", "1001"},
        {"new-diet", "--start", "2006-01-15", "--goal", "-1"},
        {"new-diet", "--start", "2006-01-15", "--goal", "12.5"},
        {"new-diet", "--start", "15/01/2006", "--goal", "150"},
        {"new-diet", "--start", "9999-12-31", "--goal", "150"},
        {"new-diet", "--start", "1899-12-31", "--goal", "150"},
        {"new-diet", "--start", "2006-01-15", "--goal", "150", "--colour", "red"},
        {"status", "--ketosis", "YES"},
        {"status", "--ketosis"},
        {"status", "extra"},
        {"summary", "extra"},
        {"enter"},
        {"enter", "--weight", "200", "--missing", "later"},
        {"enter", "--weight", "200", "--slot", "Lveggie=Beans"},
        {"enter", "--weight", "200", "--slot", "Lunch=Beans|1|2"},
        {"enter", "--weight", "200", "--slot", "BFprotein=" + std::string(41, 'x') + "|1|2"},
        {"enter", "--weight", "200", "--protein", "--no-protein"},
        {"enter", "--weight", "201abc"},
        {"enter", "--weight", "200", "--steps", "-3"},
        {"enter", "--weight", "200", "--slot", "BFprotein=Eggs|2|2147483647"},
    };
    const std::string before = ReadFileBytes(dir.File("RiRedo.mdb"));
    for (const auto& args : cases) {
        const auto result = Cli(dir, args);
        const std::string what = args.empty() ? "(none)" : args.front() + " " + args.back();
        EXPECT_EQ(result.exitCode, 2) << what << ": " << result.err;
        EXPECT_FALSE(result.err.empty()) << what;
        EXPECT_EQ(result.out, "") << what;
    }
    EXPECT_EQ(ReadFileBytes(dir.File("RiRedo.mdb")), before);
}

TEST(Cli, FailuresExitWithOne)
{
    CTempDataDir dir;
    for (const char* command : {"days", "status", "summary"}) {
        const auto noDiet = Cli(dir, {command});
        EXPECT_EQ(noDiet.exitCode, 1) << command;
        EXPECT_NE(noDiet.err.find("new-diet"), std::string::npos) << noDiet.err;
        EXPECT_EQ(noDiet.err.find("usage:"), std::string::npos) << "usage only for usage errors: " << noDiet.err;
    }
    // An unusable database: CommandSafetyTest.
}

TEST(Cli, ReportsPrintTheCorePagesOfTheStoredDiet)
{
    // The pages' wording has golden tests of its own; here each command must
    // print the core's text, with the ketosis question answered by its option.
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"}).exitCode, 0);
    {
        // Three weighed protein days: the Status page asks the ketosis question.
        const auto app = Restart(dir);
        CDailyInfo& first = *app->m_days.front();
        for (int i = 0; i < 3; ++i) {
            auto& day = i == 0 ? first : *app->m_days.emplace_back(std::make_unique<CDailyInfo>(first.date.AddDays(i), 0, 0));
            day.weight = 200 - i;
            day.isProteinDay = true;
            app->SaveDailyInfo(day);
        }
    }
    const auto statusWith = [&dir](bool inKetosis) {
        CScriptedKetosisAnswer answer(inKetosis);
        return StatusPageText(*Restart(dir), answer) + "\n";
    };
    ASSERT_NE(statusWith(true), statusWith(false));
    const struct
    {
        std::vector<std::string> args;
        std::string page;
    } cases[] = {
        {{"status"}, statusWith(false)},
        {{"status", "--ketosis", "no"}, statusWith(false)},
        {{"status", "--ketosis", "yes"}, statusWith(true)},
        {{"summary"}, SummaryPageText(*Restart(dir)) + "\n"},
    };
    for (const auto& c : cases) {
        const auto result = Cli(dir, c.args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, c.page) << c.args.back();
        EXPECT_EQ(result.err, "");
    }
    // A new diet counts the one before it.
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-02-01", "--goal", "150"}).exitCode, 0);
    EXPECT_NE(Cli(dir, {"status"}).out.find("Try # 1 using the diet you lost 2 pounds"), std::string::npos);
}
