#include "app/LeanlogApp.h"
#include "store/Database.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string JetFile()
{
    std::string bytes("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>(i * 7 % 251);
    return bytes;
}

struct SForeignCase
{
    const char* what;
    std::string bytes;
    const char* found;   // words the message must hold
};

} // namespace

TEST(DatabaseFile, ForeignFilesAreLeftByteForByteUnchanged)
{
    std::string damaged("SQLite format 3\0", 16);
    damaged += std::string(84, '\xFF');
    damaged += std::string(4000, 'x');
    const SForeignCase cases[] = {
        {"Jet database", JetFile(), "Access (Jet)"},
        {"text file", "hello, this is not a database\n", "not a Leanlog database"},
        {"damaged SQLite", damaged, "damaged"},
    };
    for (const auto& c : cases) {
        CTempDataDir dir;
        const std::string path = dir.File("RiRedo.mdb");
        WriteFileBytes(path, c.bytes);
        CLeanlogApp app(dir.Folder());
        CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
        try {
            app.InitData(prompts);
            ADD_FAILURE() << c.what << ": start-up went on";
        } catch (const CDbException& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.found), std::string::npos) << e.what();
        }
        EXPECT_EQ(prompts.newDietAsked, 0) << c.what;
        EXPECT_EQ(ReadFileBytes(path), c.bytes) << c.what;
        EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << c.what;
    }
}

TEST(DatabaseFile, AnotherProgramsSqliteDatabaseIsRefused)
{
    CTempDataDir dir;
    const std::string path = dir.File("RiRedo.mdb");
    {
        auto db = CDatabase::Create(path);
        db->Execute("CREATE TABLE photos (id INTEGER PRIMARY KEY, name TEXT)");
    }
    const std::string before = ReadFileBytes(path);
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    EXPECT_THROW(app.InitData(prompts), CDbException);
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST(DatabaseFile, AnEmptyFileIsTakenAsANewDatabase)
{
    CTempDataDir dir;
    WriteFileBytes(dir.File("RiRedo.mdb"), "");
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    EXPECT_EQ(app->m_days.size(), 1u);
    EXPECT_EQ(Restart(dir)->m_strDietTable, "LnLg_2026_1_15");
}

TEST(DatabaseFile, CreateRefusesToReplaceAnExistingDatabase)
{
    CTempDataDir dir;
    CDatabase::Create(dir.File("x.db"))->Execute("CREATE TABLE LnLg_Prefs (ID INTEGER)");
    EXPECT_THROW(CDatabase::Create(dir.File("x.db")), CDbException);
    EXPECT_TRUE(CDatabase::OpenExisting(dir.File("x.db"))->TableExists("LnLg_Prefs"));
}

TEST(DatabaseFile, UsesWriteAheadLogWithFullSync)
{
    CTempDataDir dir;
    auto db = CDatabase::Create(dir.File("x.db"));
    CStatement mode = db->Prepare("PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.ColumnText(0), "wal");
    CStatement sync = db->Prepare("PRAGMA synchronous");
    ASSERT_TRUE(sync.Step());
    EXPECT_EQ(sync.ColumnInt(0), 2);   // FULL
}

TEST(DatabaseFile, TransactionRollsBackUnlessCommitted)
{
    CTempDataDir dir;
    auto db = CDatabase::Create(dir.File("x.db"));
    db->Execute("CREATE TABLE t (v INTEGER)");
    {
        CTransaction transaction(*db);
        db->Execute("INSERT INTO t VALUES (1)");
    }
    {
        CTransaction transaction(*db);
        db->Execute("INSERT INTO t VALUES (2)");
        transaction.Commit();
    }
    CStatement st = db->Prepare("SELECT group_concat(v) FROM t");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnText(0), "2");
}
