#include "store/DailyInfoRS.h"
#include "store/FoodRecordsets.h"
#include "store/PreferencesRS.h"
#include "store/Schema.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CreateDailyTable(*m_db, kTable);
        CreatePrefsTable(*m_db);
        CreateFoodItemTable(*m_db);
    }

    int AddDay(int weight)
    {
        CDailyInfoRS rs(*m_db);
        rs.m_strTableName = kTable;
        rs.Open();
        rs.AddNew();
        rs.m_rec.weight = weight;
        rs.m_rec.date = CDateTime::FromDate(2026, 1, 1);
        rs.Update();
        rs.Close();
        rs.Open(CRecordset::dbOpenDynaset, SelectNewestFirstSql(kTable));
        return rs.IsEOF() ? 0 : rs.m_rec.ID;
    }

    const std::string kTable = "LnLg_2026_1_1";
    CTempDataDir m_dir;
    std::unique_ptr<CDatabase> m_db = CDatabase::Create(m_dir.File("RiRedo.mdb"));
};

} // namespace

TEST_F(RecordsetTest, DefaultSqlTextsAreTheBracketedTableNames)
{
    CDailyInfoRS daily(*m_db);
    daily.m_strTableName = "LnLg_2006_1_15";
    EXPECT_EQ(daily.GetDefaultSQL(), "[LnLg_2006_1_15]");
    EXPECT_EQ(CFoodItemRS(*m_db).GetDefaultSQL(), "[LnLg_FoodItem]");
    EXPECT_EQ(CFoodCategoryRS(*m_db).GetDefaultSQL(), "[LnLg_FoodCategories]");
    EXPECT_EQ(CPreferencesRS(*m_db).GetDefaultSQL(), "[LnLg_Prefs]");
}

TEST_F(RecordsetTest, LoadAllReadsRowsInKeyOrder)
{
    for (int w : {180, 179, 178})
        AddDay(w);
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = kTable;
    rs.Open();
    std::vector<double> weights;
    for (; !rs.IsEOF(); rs.MoveNext())
        weights.push_back(rs.m_rec.weight);
    EXPECT_EQ(weights, (std::vector<double>{180, 179, 178}));
}

TEST_F(RecordsetTest, AddReadsTheNewKeyBack)
{
    EXPECT_EQ(AddDay(180), 1);
    EXPECT_EQ(AddDay(179), 2);
    m_db->Execute("DELETE FROM " + kTable + " WHERE ID = 2");
    // The read-back key is the largest, which is the new row's, never a reused one.
    EXPECT_EQ(AddDay(178), 3);
}

TEST_F(RecordsetTest, EditByKeyChangesOnlyThatRowAndNeverTheKey)
{
    AddDay(180);
    const int id = AddDay(179);
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = kTable;
    rs.Open(CRecordset::dbOpenDynaset, SelectByIdSql(kTable, id));
    ASSERT_FALSE(rs.IsEOF());
    rs.Edit();
    rs.m_rec.ID = 99;   // the key column is never written
    rs.m_rec.steps = 5000;
    rs.Update();
    rs.Close();

    CStatement st = m_db->Prepare("SELECT ID, steps FROM " + kTable + " ORDER BY ID");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(1), 0);
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(0), id);
    EXPECT_EQ(st.ColumnInt(1), 5000);
}

TEST_F(RecordsetTest, PreferencesRowIsEditedInPlace)
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    prefs.AddNew();
    prefs.m_DietFilename = "LnLg_2026_1_1";
    prefs.m_GoalWeight = 150;
    prefs.Update();
    prefs.Close();

    prefs.Open();
    prefs.Edit();
    prefs.m_DietFilename = "LnLg_2026_2_1";
    prefs.m_GoalWeight = 140;
    prefs.Update();
    prefs.Close();

    prefs.Open();
    ASSERT_FALSE(prefs.IsEOF());
    EXPECT_EQ(prefs.m_DietFilename, "LnLg_2026_2_1");
    EXPECT_EQ(prefs.m_GoalWeight, 140);
    prefs.MoveNext();
    EXPECT_TRUE(prefs.IsEOF());
}

TEST_F(RecordsetTest, FoodItemCodeStaysUnbound)
{
    m_db->Execute("INSERT INTO LnLg_FoodItem (ItemName, ItemCode) VALUES ('Egg', 'E1')");
    CFoodItemRS rs(*m_db);
    rs.Open(CRecordset::dbOpenDynaset, "SELECT * FROM LnLg_FoodItem WHERE ID=1");
    rs.Edit();
    rs.m_rec.ItemName = "Egg, boiled";
    rs.Update();
    CStatement st = m_db->Prepare("SELECT ItemName, ItemCode FROM LnLg_FoodItem");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnText(0), "Egg, boiled");
    EXPECT_EQ(st.ColumnText(1), "E1");
}

TEST_F(RecordsetTest, MissingTableFailsToOpen)
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = "LnLg_2001_1_1";
    EXPECT_THROW(rs.Open(), CDbException);
}

TEST_F(RecordsetTest, HostileTableNamesStayNames)
{
    // A stored name with quotes, brackets and SQL cannot change a statement.
    const std::string hostile = "LnLg_2026]; DROP TABLE \"LnLg_Prefs\"; --";
    CreateDailyTable(*m_db, hostile);
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = hostile;
    rs.Open();
    rs.AddNew();
    rs.m_rec.weight = 170;
    rs.Update();
    rs.Close();
    rs.Open(CRecordset::dbOpenDynaset, SelectNewestFirstSql(hostile));
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_rec.weight, 170);
    EXPECT_TRUE(m_db->TableExists("LnLg_Prefs"));
}

TEST_F(RecordsetTest, OverlongTextIsRefusedWithAClearMessage)
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = kTable;
    rs.Open();
    rs.AddNew();
    rs.m_rec.slots[3].item = std::string(41, 'a');
    try {
        rs.Update();
        FAIL() << "an overlong item was stored";
    } catch (const CDbException& e) {
        EXPECT_NE(std::string(e.what()).find("BFbeverageItem"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("40"), std::string::npos) << e.what();
    }
    CStatement st = m_db->Prepare("SELECT COUNT(*) FROM " + kTable);
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(0), 0);
}

TEST_F(RecordsetTest, WeightIsStoredInWholePounds)
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = kTable;
    rs.Open();
    rs.AddNew();
    rs.m_rec.weight = 182.6;
    rs.Update();
    CStatement st = m_db->Prepare("SELECT weight, typeof(weight) FROM " + kTable);
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(0), 182);
    EXPECT_EQ(st.ColumnText(1), "integer");
}

TEST_F(RecordsetTest, UpdateWithoutEditIsAnError)
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    EXPECT_THROW(prefs.Update(), CDbException);
    EXPECT_THROW(prefs.Edit(), CDbException);   // no current row
}
