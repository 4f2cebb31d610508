#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

SProcessResult Cli(const CTempDataDir& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), {LEANLOG_CLI_PATH, "--data-dir", dir.Path()});
    return RunProcess(args);
}

} // namespace

TEST(Cli, NewDietThenDaysListsTheFirstDay)
{
    CTempDataDir dir;
    const auto created = Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(created.out, "");
    const auto days = Cli(dir, {"days"});
    ASSERT_EQ(days.exitCode, 0) << days.err;
    EXPECT_EQ(days.out, "01/15/2006 - missing\t 0.00\t0\t0\n");
    EXPECT_TRUE(std::filesystem::exists(dir.File("Leanlog.ini")));
}

TEST(Cli, NewDietOnAnExistingDietRestartsIt)
{
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"}).exitCode, 0);
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-02-01", "--goal", "1000"}).exitCode, 0);
    EXPECT_EQ(Cli(dir, {"days"}).out, "02/01/2006 - missing\t 0.00\t0\t0\n");
}

TEST(Cli, DataFolderFromTheEnvironment)
{
    CTempDataDir dir;
    const auto created = RunProcess({LEANLOG_CLI_PATH, "new-diet", "--start", "2026-01-01", "--goal", "0"},
                                    {"LEANLOG_DATA_DIR=" + dir.Path()});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_TRUE(std::filesystem::exists(dir.File("RiRedo.mdb")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("Leanlog.ini")));
}

TEST(Cli, BadUsageExitsWithTwo)
{
    CTempDataDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"new-diet", "--start", "2006-01-15"},
        {"new-diet", "--start", "2006-01-15", "--goal", "1001"},
        {"new-diet", "--start", "2006-01-15", "--goal", "-1"},
        {"new-diet", "--start", "2006-01-15", "--goal", "12x"},
        {"new-diet", "--start", "2006-02-30", "--goal", "150"},
        {"new-diet", "--start", "15/01/2006", "--goal", "150"},
        {"new-diet", "--start", "2006-01-15", "--goal", "150", "--colour", "red"},
        {"days", "extra"},
    };
    for (const auto& args : cases) {
        const auto result = Cli(dir, args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "(none)" : args[0]) << ": " << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("RiRedo.mdb")));
}

TEST(Cli, FailuresExitWithOne)
{
    CTempDataDir dir;
    const auto noDiet = Cli(dir, {"days"});
    EXPECT_EQ(noDiet.exitCode, 1);
    EXPECT_NE(noDiet.err.find("new-diet"), std::string::npos) << noDiet.err;

    WriteFileBytes(dir.File("RiRedo.mdb"), std::string("\x00\x01\x00\x00Standard Jet DB\x00 rest", 25));
    const auto foreign = Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"});
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_NE(foreign.err.find(dir.File("RiRedo.mdb")), std::string::npos) << foreign.err;
}
