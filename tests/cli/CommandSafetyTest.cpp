#include "app/Settings.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

SProcessResult CliIn(const std::string& dir, std::vector<std::string> args, const std::vector<std::string>& prefix = {})
{
    args.insert(args.begin(), {LEANLOG_CLI_PATH, "--data-dir", dir});
    args.insert(args.begin(), prefix.begin(), prefix.end());
    return RunProcess(args);
}

bool Says(const SProcessResult& result, const std::string& text)
{
    return result.err.find(text) != std::string::npos;
}

} // namespace

TEST(CommandSafety, FolderMistakesEndWithAMessageAndCreateNothing)
{
    CTempDataDir dir;
    const std::string gone = dir.File("gone");
    // A relative folder while the current folder no longer exists.
    const auto relative = RunProcess({"/bin/sh", "-c",
                                      "mkdir " + gone + " && cd " + gone + " && rmdir " + gone + " && exec " +
                                          LEANLOG_CLI_PATH + " --data-dir rel days"});
    EXPECT_EQ(relative.exitCode, 1);
    EXPECT_TRUE(Says(relative, "current folder")) << relative.err;

    EXPECT_EQ(CliIn("", {"days"}).exitCode, 2);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"days"}, {"summary"},
                                                    {"fetch", "http://127.0.0.1:1/"}}) {
        const auto missing = CliIn(gone, command);
        EXPECT_EQ(missing.exitCode, 1) << command[0];
        EXPECT_TRUE(Says(missing, "no Leanlog data")) << missing.err;
    }
    EXPECT_FALSE(fs::exists(gone));
}

TEST(CommandSafety, ARefusedStartDateCreatesNothing)
{
    // The other refused values are the usage tests' (CliTest).
    CTempDataDir dir;
    EXPECT_EQ(Cli(dir, {"new-diet", "--start", "9999-12-31", "--goal", "150"}).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir.File("RiRedo.mdb")));
}

TEST(CommandSafety, ReadOnlyDataIsShownAndSavingSaysWhy)
{
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2026-01-05", "--goal", "150"}).exitCode, 0);
    ASSERT_EQ(Cli(dir, {"enter", "--weight", "200"}).exitCode, 0);
    const std::string before = ReadFileBytes(dir.File("RiRedo.mdb"));
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    // Permissions do not bind root: run as nobody then.
    const std::vector<std::string> asReader =
        geteuid() == 0 ? std::vector<std::string>{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}
                       : std::vector<std::string>{};

    const auto days = CliIn(dir.Path(), {"days"}, asReader);
    EXPECT_EQ(days.exitCode, 0) << days.err;
    EXPECT_NE(days.out.find("200.00"), std::string::npos);
    const auto enter = CliIn(dir.Path(), {"enter", "--weight", "199"}, asReader);
    EXPECT_EQ(enter.exitCode, 1);
    EXPECT_TRUE(Says(enter, "read-only")) << enter.err;
    EXPECT_FALSE(Says(enter, "damaged")) << enter.err;
    EXPECT_EQ(ReadFileBytes(dir.File("RiRedo.mdb")), before);
    fs::permissions(dir.Path(), fs::perms::owner_all);
}

TEST(CommandSafety, SettingsAreWrittenOnlyWhenAValueChanges)
{
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2026-01-05", "--goal", "150"}).exitCode, 0);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(dir.File("Leanlog.ini"), old);
    // A temporary left by a write that was killed, and a file that is not ours.
    for (const char* name : {"LeanlogAb12Cd", "Leanlog-notes"}) {
        WriteFileBytes(dir.File(name), "");
        fs::last_write_time(dir.File(name), old);
    }
    ASSERT_EQ(Cli(dir, {"days"}).exitCode, 0);
    EXPECT_EQ(fs::last_write_time(dir.File("Leanlog.ini")), old);
    EXPECT_FALSE(fs::exists(dir.File("LeanlogAb12Cd")));
    EXPECT_TRUE(fs::exists(dir.File("Leanlog-notes")));
}

TEST(CommandSafety, ARepeatedSettingsGroupIsReadQuietly)
{
    CTempDataDir dir;
    WriteFileBytes(dir.File("Leanlog.ini"), "[Settings]\ndwTimeout=100\n[Settings]\ndwTimeout=200\n");
    EXPECT_EQ(CSettings(dir.File("Leanlog.ini")).Get(kTimeoutSetting), 200);
    const auto days = Cli(dir, {"days"});
    EXPECT_FALSE(Says(days, "assert")) << days.err;
}

TEST(CommandSafety, ATableThatDoesNotReadStopsStartUpAndChangesNothing)
{
    CTempDataDir dir;
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2026-01-05", "--goal", "150"}).exitCode, 0);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir.File("RiRedo.mdb").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "ALTER TABLE LnLg_FoodItem RENAME COLUMN ItemName TO Gone", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const std::string before = ReadFileBytes(dir.File("RiRedo.mdb"));
    // Taken for a missing table, this would start a first run over the real days.
    for (const std::vector<std::string>& command : {std::vector<std::string>{"days"},
                                                    {"new-diet", "--start", "2026-02-01", "--goal", "140"}}) {
        const auto result = Cli(dir, command);
        EXPECT_EQ(result.exitCode, 1) << command[0];
        EXPECT_TRUE(Says(result, dir.File("RiRedo.mdb")) && Says(result, "ItemName")) << result.err;
    }
    EXPECT_EQ(ReadFileBytes(dir.File("RiRedo.mdb")), before);
}
