#include "app/LeanlogApp.h"
#include "store/Schema.h"
#include "support/DbQuery.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

TEST(Startup, PreferencesPointingAtNoDaysAskAgain)
{
    const struct
    {
        const char* breakage;
        CNewDietAnswers answers;
        const char* table;   // the diet table afterwards
        size_t rows;         // its rows
    } cases[] = {
        {"DELETE FROM LnLg_2026_1_15", Answers(2026, 2, 1, 140), "LnLg_2026_2_1", 1},
        // Same start date: the existing table gains a further first-day row.
        {"UPDATE LnLg_Prefs SET DietFilename = 'LnLg_2001_1_1'", Answers(2026, 1, 15, 140), "LnLg_2026_1_15", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.breakage);
        CTempDataDir dir;
        StartFirstDiet(dir, Answers(2026, 1, 15, 150))->m_db->Execute(c.breakage);
        CLeanlogApp app(dir.Folder());
        CScriptedPrompts prompts(c.answers);
        app.InitData(prompts);
        EXPECT_EQ(prompts.newDietAsked, 1);
        const auto next = Restart(dir);
        EXPECT_EQ(next->m_strDietTable, c.table);
        EXPECT_EQ(next->m_nGoalWeight, 140);
        EXPECT_EQ(next->m_days.size(), c.rows);
        EXPECT_EQ(QueryText(*next->m_db, "SELECT COUNT(*) FROM LnLg_Prefs"), "1");
    }
}

TEST(Startup, RestartOnTheSameStartDateReusesTheTable)
{
    CTempDataDir dir;
    auto app = StartFirstDiet(dir, Answers(2026, 1, 15, 150));
    app->m_days.front()->weight = 200;
    app->SaveDailyInfo(*app->m_days.front());
    app->StartDietOver(Answers(2026, 1, 15, 145));
    ASSERT_EQ(app->m_days.size(), 1u);   // memory holds only the new day
    EXPECT_EQ(app->m_days[0]->ID, 2);
    const auto next = Restart(dir);      // the next start loads every row of the table
    EXPECT_EQ(next->m_days.size(), 2u);
    EXPECT_EQ(next->m_nGoalWeight, 145);
}

TEST(Startup, EarlierDietTablesGiveTheirResults)
{
    CTempDataDir dir;
    {
        auto app = StartFirstDiet(dir, Answers(2006, 1, 15, 150));
        app->m_days.front()->weight = 200;
        app->SaveDailyInfo(*app->m_days.front());
        app->m_days.emplace_back(std::make_unique<CDailyInfo>(CDateTime::FromDate(2006, 1, 16), 195, 0));
        app->SaveDailyInfo(*app->m_days.back());
        CScriptedPrompts prompts(Answers(2026, 3, 1, 140));
        ASSERT_TRUE(app->StartDietOver(prompts));
        auto& db = *app->m_db;
        for (const char* name : {"LnLg_2005_1_1", "LnLg_2005_6_1", "LnLg_2005_9_1", "LnLg_2005_10_1",
                                 "LnLg_2004_1_1", "LnLg_Other", "lnlg_2007_1_1"})
            CreateDailyTable(db, name);
        db.Execute("INSERT INTO LnLg_2005_1_1 (weight) VALUES (0), (210), (205), (199), (0)");
        db.Execute("INSERT INTO LnLg_2005_6_1 (weight) VALUES (0), (0)");            // never weighed
        db.Execute("INSERT INTO LnLg_2005_9_1 (weight) VALUES (180), (183)");        // a gain
        db.Execute("INSERT INTO LnLg_2005_10_1 (weight) VALUES (40000), (1)");       // wraps to 16 bits
        db.Execute("INSERT INTO lnlg_2007_1_1 (weight) VALUES (300), (100)");        // not a diet table
    }
    const auto app = Restart(dir);
    // Database order; neither the other LnLg_ tables nor the current one. An
    // earlier diet without rows gives no result.
    EXPECT_EQ(app->m_pastDietTables, (std::vector<std::string>{"LnLg_2006_1_15", "LnLg_2005_1_1", "LnLg_2005_6_1",
                                                               "LnLg_2005_9_1", "LnLg_2005_10_1", "LnLg_2004_1_1"}));
    EXPECT_EQ(app->m_previousDietResults,
              (std::vector<std::int16_t>{5, 11, 0, -3, static_cast<std::int16_t>(39999)}));
}

TEST(Startup, ADatabaseThatCannotBeCreatedIsReportedByItsPath)
{
    // A file that is no database: the database file tests.
    CScriptedPrompts prompts(Answers(2026, 1, 15, 150));
    // Not even root may create files in /proc.
    try {
        CLeanlogApp(CDataFolder{"/proc/self/fdinfo", true}).InitData(prompts);
        FAIL() << "start-up created a database in an unwritable folder";
    } catch (const CDbException& e) {
        EXPECT_NE(std::string(e.what()).find("/proc/self/fdinfo/RiRedo.mdb"), std::string::npos) << e.what();
    }
}
