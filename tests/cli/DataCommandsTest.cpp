#include "base/DateTime.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

namespace {

std::string IsoDaysAgo(int days)
{
    return CDateTime::Now().DateOnly().AddDays(-days).Format("%Y-%m-%d");
}

/// A diet of eight days ago with weighed, unweighed and eaten days.
void MakeDiet(const CTempDataDir& dir)
{
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", IsoDaysAgo(8), "--goal", "150"}).exitCode, 0);
    for (const char* weight : {"210", "209.5", "", "207"})
        ASSERT_EQ(Cli(dir, {"enter", "--weight", weight, "--steps", "4000", "--slot", "BFprotein=Eggs, \"large\"|2|1"})
                      .exitCode,
                  0);
}

/// What the user sees of a folder's data.
std::string Shown(const CTempDataDir& dir)
{
    return Cli(dir, {"days"}).out + Cli(dir, {"status"}).out + Cli(dir, {"summary"}).out;
}

} // namespace

TEST(DataCommands, ExportedDaysImportIntoAFreshDietAsTheyWere)
{
    CTempDataDir from, into;
    ASSERT_NO_FATAL_FAILURE(MakeDiet(from));
    ASSERT_EQ(Cli(from, {"export", from.File("days.csv")}).exitCode, 0);
    ASSERT_EQ(Cli(into, {"new-diet", "--start", IsoDaysAgo(8), "--goal", "150"}).exitCode, 0);
    const auto imported = Cli(into, {"import", from.File("days.csv")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, "1 day changed, 2 days added\n");
    EXPECT_EQ(Cli(into, {"days"}).out, Cli(from, {"days"}).out);
}

TEST(DataCommands, AnImportWithABadRowWritesNothing)
{
    CTempDataDir dir;
    ASSERT_NO_FATAL_FAILURE(MakeDiet(dir));
    const std::string before = ReadFileBytes(dir.File("RiRedo.mdb"));
    WriteFileBytes(dir.File("w.csv"), IsoDaysAgo(8) + ",200\n" + IsoDaysAgo(7) + ",20x\n" + IsoDaysAgo(8) + ",199\n");
    const auto result = Cli(dir, {"import", dir.File("w.csv")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("line 2: the weight \"20x\""), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("line 3: "), std::string::npos) << "a date given twice: " << result.err;
    EXPECT_EQ(ReadFileBytes(dir.File("RiRedo.mdb")), before);
}

TEST(DataCommands, ABackupRestoresIntoAFreshFolderAsItWas)
{
    CTempDataDir from, into;
    ASSERT_NO_FATAL_FAILURE(MakeDiet(from));
    ASSERT_EQ(Cli(from, {"backup", from.File("all.leanlog")}).exitCode, 0);
    const auto restored = Cli(into, {"restore", from.File("all.leanlog")});
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(Shown(into), Shown(from));
}

TEST(DataCommands, RestoreRefusesWhatIsNotABackupAndKeepsTheData)
{
    CTempDataDir dir;
    ASSERT_NO_FATAL_FAILURE(MakeDiet(dir));
    WriteFileBytes(dir.File("notes.txt"), "not a backup\n");
    std::string damaged = ReadFileBytes(dir.File("RiRedo.mdb"));
    damaged.resize(damaged.size() / 2);
    WriteFileBytes(dir.File("damaged.leanlog"), damaged);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.File("other.db").c_str(), &other), SQLITE_OK);
    sqlite3_exec(other, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    const std::string before = ReadFileBytes(dir.File("RiRedo.mdb"));
    for (const char* file : {"notes.txt", "damaged.leanlog", "other.db"}) {
        const auto result = Cli(dir, {"restore", dir.File(file)});
        EXPECT_EQ(result.exitCode, 1) << file;
        EXPECT_NE(result.err.find("not a Leanlog backup"), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadFileBytes(dir.File("RiRedo.mdb")), before);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Backups"))) << "nothing to keep when nothing changes";
}
