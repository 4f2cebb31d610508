#include "app/LeanlogApp.h"
#include "store/Schema.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::int64_t Count(CDatabase& db, const std::string& sql)
{
    CStatement st = db.Prepare(sql);
    st.Step();
    return st.ColumnInt(0);
}

} // namespace

TEST(Startup, FirstRunCreatesDatabaseTablesAndFirstDay)
{
    CTempDataDir dir;
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    ASSERT_EQ(app.InitData(prompts), CLeanlogApp::EStartup::Ready);
    EXPECT_EQ(prompts.newDietAsked, 1);
    EXPECT_EQ(prompts.aboutShown, 1);

    EXPECT_EQ(app.m_strDbPath, dir.File("RiRedo.mdb"));
    EXPECT_EQ(app.m_strDietTable, "LnLg_2026_1_15");
    EXPECT_EQ(app.m_nGoalWeight, 150);
    ASSERT_EQ(app.m_days.size(), 1u);
    EXPECT_EQ(app.m_days[0]->ID, 1);
    EXPECT_EQ(app.m_days[0]->weight, 0.0);
    EXPECT_EQ(app.m_days[0]->wAttribs, 0);

    auto& db = *app.m_db;
    EXPECT_EQ(db.TableNames(), (std::vector<std::string>{"LnLg_2026_1_15", "LnLg_Prefs", "LnLg_FoodCategories",
                                                          "LnLg_FoodItem"}));
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM LnLg_Prefs"), 1);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM LnLg_FoodItem"), 0);
    CStatement prefs = db.Prepare("SELECT DietFilename, GoalWeight FROM LnLg_Prefs");
    ASSERT_TRUE(prefs.Step());
    EXPECT_EQ(prefs.ColumnText(0), "LnLg_2026_1_15");
    EXPECT_EQ(prefs.ColumnInt(1), 150);
}

TEST(Startup, CancelAtFirstRunCreatesNothing)
{
    CTempDataDir dir;
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts;
    EXPECT_EQ(app.InitData(prompts), CLeanlogApp::EStartup::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(dir.File("RiRedo.mdb")));
    EXPECT_EQ(app.m_db, nullptr);
}

TEST(Startup, LaterRunsLoadTheDietWithoutAsking)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
        auto& day = *app->m_days.front();
        day.weight = 201;
        app->SaveDailyInfo(day);
    }
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts;
    ASSERT_EQ(app.InitData(prompts), CLeanlogApp::EStartup::Ready);
    EXPECT_EQ(prompts.newDietAsked, 0);
    ASSERT_EQ(app.m_days.size(), 1u);
    EXPECT_EQ(app.m_days[0]->weight, 201.0);
    EXPECT_EQ(app.m_days[0]->date, CDateTime::FromDate(2026, 1, 15));
}

TEST(Startup, PreferencesPointingAtAnEmptyTableAskAgain)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
        app->m_db->Execute("DELETE FROM LnLg_2026_1_15");
    }
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 2, 1, 140));
    app.InitData(prompts);
    EXPECT_EQ(prompts.newDietAsked, 1);
    EXPECT_EQ(app.m_strDietTable, "LnLg_2026_2_1");

    const auto next = Restart(dir);
    EXPECT_EQ(next->m_strDietTable, "LnLg_2026_2_1");
    EXPECT_EQ(next->m_nGoalWeight, 140);
    ASSERT_EQ(next->m_days.size(), 1u);
    EXPECT_EQ(Count(*next->m_db, "SELECT COUNT(*) FROM LnLg_Prefs"), 1);
}

TEST(Startup, PreferencesPointingAtAMissingTableAskAgain)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
        app->m_db->Execute("UPDATE LnLg_Prefs SET DietFilename = 'LnLg_2001_1_1'");
    }
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    app.InitData(prompts);
    EXPECT_EQ(prompts.newDietAsked, 1);
    // Same start date: the existing table gains a further first-day row.
    EXPECT_EQ(Count(*app.m_db, "SELECT COUNT(*) FROM LnLg_2026_1_15"), 2);
    EXPECT_EQ(Restart(dir)->m_days.size(), 2u);
}

TEST(Startup, RestartOnTheSameStartDateReusesTheTable)
{
    CTempDataDir dir;
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    app->m_days.front()->weight = 200;
    app->SaveDailyInfo(*app->m_days.front());

    app->StartDietOver(Answers(2026, 1, 15, 145));
    ASSERT_EQ(app->m_days.size(), 1u);   // memory holds only the new day
    EXPECT_EQ(app->m_days[0]->weight, 0.0);
    EXPECT_EQ(app->m_days[0]->ID, 2);
    EXPECT_EQ(app->m_nGoalWeight, 145);
    // The next start loads every row of the table.
    const auto next = Restart(dir);
    EXPECT_EQ(next->m_days.size(), 2u);
    EXPECT_EQ(next->m_nGoalWeight, 145);
}

TEST(Startup, RestartOnANewDateMakesTheOldDietAPastOne)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2006, 1, 15, 150));
        for (int w : {200, 195})
            app->m_days.emplace_back(std::make_unique<CDailyInfo>(CDateTime::FromDate(2006, 1, 16), w, 0));
        for (size_t i = 1; i < app->m_days.size(); ++i)
            app->SaveDailyInfo(*app->m_days[i]);
        CScriptedPrompts prompts(Answers(2026, 3, 1, 140));
        ASSERT_TRUE(app->StartDietOver(prompts));
        EXPECT_EQ(app->m_strDietTable, "LnLg_2026_3_1");
    }
    const auto next = Restart(dir);
    EXPECT_EQ(next->m_pastDietTables, (std::vector<std::string>{"LnLg_2006_1_15"}));
    EXPECT_EQ(next->m_previousDietResults, (std::vector<std::int16_t>{5}));
}

TEST(Startup, CancelledRestartChangesNothing)
{
    CTempDataDir dir;
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    CScriptedPrompts cancel;
    EXPECT_FALSE(app->StartDietOver(cancel));
    EXPECT_EQ(app->m_strDietTable, "LnLg_2026_1_15");
    EXPECT_EQ(app->m_days.size(), 1u);
}

TEST(Startup, FindPastDietsTakesOnlyEarlierDietTables)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
        for (const char* name : {"LnLg_2006_1_15", "LnLg_Other", "LnLg_2005_12_1", "lnlg_2007_1_1"})
            CreateDailyTable(*app->m_db, name);
    }
    const auto app = Restart(dir);
    // Database order; neither LnLg_Prefs, LnLg_FoodItem nor the current table.
    EXPECT_EQ(app->m_pastDietTables, (std::vector<std::string>{"LnLg_2006_1_15", "LnLg_2005_12_1"}));
    // Tables without rows give no result.
    EXPECT_TRUE(app->m_previousDietResults.empty());
}

TEST(Startup, PreviousResultsUseFirstAndLastWeighedDays)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
        auto& db = *app->m_db;
        CreateDailyTable(db, "LnLg_2005_1_1");
        db.Execute("INSERT INTO LnLg_2005_1_1 (weight) VALUES (0), (210), (205), (199), (0)");
        CreateDailyTable(db, "LnLg_2005_6_1");
        db.Execute("INSERT INTO LnLg_2005_6_1 (weight) VALUES (0), (0)");   // never weighed
        CreateDailyTable(db, "LnLg_2005_9_1");
        db.Execute("INSERT INTO LnLg_2005_9_1 (weight) VALUES (180), (183)");   // a gain
        CreateDailyTable(db, "LnLg_2005_10_1");
        db.Execute("INSERT INTO LnLg_2005_10_1 (weight) VALUES (40000), (1)");  // wraps to 16 bits
    }
    const auto app = Restart(dir);
    EXPECT_EQ(app->m_previousDietResults, (std::vector<std::int16_t>{11, 0, -3, static_cast<std::int16_t>(39999)}));
}

TEST(Startup, DatabaseFileThatIsAFolderStopsStartup)
{
    CTempDataDir dir;
    std::filesystem::create_directory(dir.File("RiRedo.mdb"));
    CLeanlogApp app(dir.Folder());
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    EXPECT_THROW(app.InitData(prompts), CDbException);
    EXPECT_EQ(prompts.newDietAsked, 0);
}

TEST(Startup, UnwritableFolderGivesAClearErrorNamingTheFile)
{
    // Not even root may create files in /proc.
    const CDataFolder folder{"/proc/self/fdinfo", true};
    CLeanlogApp app(folder);
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    try {
        app.InitData(prompts);
        FAIL() << "start-up created a database in an unwritable folder";
    } catch (const CDbException& e) {
        EXPECT_NE(std::string(e.what()).find("/proc/self/fdinfo/RiRedo.mdb"), std::string::npos) << e.what();
    }
}

TEST(Startup, ExitInstanceFreesTheModel)
{
    CTempDataDir dir;
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    app->ExitInstance();
    EXPECT_TRUE(app->m_days.empty());
    EXPECT_TRUE(app->m_categories.empty());
    EXPECT_TRUE(app->m_foodItems.empty());
}
