#include "app/LeanlogApp.h"
#include "app/Settings.h"
#include "store/Database.h"
#include "support/DbQuery.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(DatabaseFile, ForeignFilesAreRefusedAndLeftByteForByteUnchanged)
{
    std::string jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    for (int i = 0; i < 4096; ++i)
        jet += static_cast<char>(i * 7 % 251);
    std::string damaged("SQLite format 3\0", 16);
    damaged += std::string(84, '\xFF') + std::string(4000, 'x');
    std::string photos;
    {
        CTempDataDir other;
        CDatabase::Create(other.File("x.db"))->Execute("CREATE TABLE photos (id INTEGER PRIMARY KEY, name TEXT)");
        photos = ReadFileBytes(other.File("x.db"));
    }
    const struct
    {
        const char* what;
        std::string bytes;
        const char* found;   // words the message must hold
    } cases[] = {
        {"Jet database", jet, "Access (Jet)"},
        {"text file", "hello, this is not a database\n", "not a Leanlog database"},
        {"damaged SQLite", damaged, "damaged"},
        {"another program's SQLite database", photos, ""},
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
        EXPECT_EQ(CSettings(dir.Folder().SettingsFile()).Get(kDatabasePathSetting), path) << c.what;
        EXPECT_EQ(ReadFileBytes(path), c.bytes) << c.what;
        EXPECT_FALSE(std::filesystem::exists(path + "-wal")) << c.what;
    }
}

TEST(DatabaseFile, AnEmptyFileIsTakenAsANewDatabase)
{
    CTempDataDir dir;
    WriteFileBytes(dir.File("RiRedo.mdb"), "");
    EXPECT_EQ(StartFirstDiet(dir, Answers(2026, 1, 15, 150))->m_days.size(), 1u);
    EXPECT_EQ(Restart(dir)->m_strDietTable, "LnLg_2026_1_15");
}

TEST(DatabaseFile, CreateRefusesToReplaceAnExistingDatabase)
{
    CTempDataDir dir;
    CDatabase::Create(dir.File("x.db"))->Execute("CREATE TABLE LnLg_Prefs (ID INTEGER)");
    EXPECT_THROW(CDatabase::Create(dir.File("x.db")), CDbException);
    EXPECT_TRUE(CDatabase::OpenExisting(dir.File("x.db"))->TableExists("LnLg_Prefs"));
}

TEST(DatabaseFile, WriteAheadLogFullSyncAndTransactions)
{
    CTempDataDir dir;
    auto db = CDatabase::Create(dir.File("x.db"));
    EXPECT_EQ(QueryText(*db, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(QueryText(*db, "PRAGMA synchronous"), "2");   // FULL

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
    EXPECT_EQ(QueryText(*db, "SELECT group_concat(v) FROM t"), "2");
}
