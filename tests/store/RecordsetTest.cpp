#include "store/DailyInfoRS.h"
#include "store/FoodRecordsets.h"
#include "store/PreferencesRS.h"
#include "store/Schema.h"
#include "support/DbQuery.h"
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

    /// Adds a day with this weight and the breakfast protein item; returns the key read back.
    int AddDay(double weight, const std::string& item = "", const std::string& table = "LnLg_2026_1_1")
    {
        CDailyInfoRS rs(*m_db);
        rs.m_strTableName = table;
        rs.Open();
        rs.AddNew();
        rs.m_rec.weight = weight;
        rs.m_rec.slots[0].item = item;
        rs.Update();
        rs.Open(CRecordset::dbOpenDynaset, SelectNewestFirstSql(table));
        return rs.IsEOF() ? 0 : rs.m_rec.ID;
    }

    const std::string kTable = "LnLg_2026_1_1";
    CTempDataDir m_dir;
    std::unique_ptr<CDatabase> m_db = CDatabase::Create(m_dir.File("RiRedo.mdb"));
};

} // namespace

TEST_F(RecordsetTest, AddReadsBackTheNewKeyAndLoadsInKeyOrder)
{
    EXPECT_EQ(AddDay(180), 1);
    EXPECT_EQ(AddDay(179), 2);
    m_db->Execute("DELETE FROM " + kTable + " WHERE ID = 2");
    EXPECT_EQ(AddDay(178), 3);   // the largest key is the new row's, never a reused one
    EXPECT_EQ(AddDay(177), 4);
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = kTable;
    std::vector<double> weights;
    for (rs.Open(); !rs.IsEOF(); rs.MoveNext())
        weights.push_back(rs.m_rec.weight);
    EXPECT_EQ(weights, (std::vector<double>{180, 178, 177}));
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
    EXPECT_EQ(QueryText(*m_db, "SELECT group_concat(ID || ':' || steps) FROM " + kTable), "1:0,2:5000");

    m_db->Execute("INSERT INTO LnLg_FoodItem (ItemName, ItemCode) VALUES ('Egg', 'E1')");
    CFoodItemRS food(*m_db);
    food.Open(CRecordset::dbOpenDynaset, "SELECT * FROM LnLg_FoodItem WHERE ID=1");
    food.Edit();
    food.m_rec.ItemName = "Egg, boiled";
    food.Update();
    EXPECT_EQ(QueryText(*m_db, "SELECT ItemName || '|' || ItemCode FROM LnLg_FoodItem"), "Egg, boiled|E1");
}

TEST_F(RecordsetTest, PreferencesRowIsEditedInPlace)
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    EXPECT_THROW(prefs.Update(), CDbException);   // neither AddNew nor Edit
    EXPECT_THROW(prefs.Edit(), CDbException);     // no current row
    prefs.AddNew();
    prefs.m_DietFilename = "LnLg_2026_1_1";
    prefs.m_GoalWeight = 150;
    prefs.Update();
    prefs.Open();
    prefs.Edit();
    prefs.m_DietFilename = "LnLg_2026_2_1";
    prefs.m_GoalWeight = 140;
    prefs.Update();
    prefs.Open();
    ASSERT_FALSE(prefs.IsEOF());
    EXPECT_EQ(prefs.m_DietFilename, "LnLg_2026_2_1");
    EXPECT_EQ(prefs.m_GoalWeight, 140);
    prefs.MoveNext();
    EXPECT_TRUE(prefs.IsEOF());
}

TEST_F(RecordsetTest, TableNamesStayNames)
{
    CDailyInfoRS missing(*m_db);
    missing.m_strTableName = "LnLg_2001_1_1";
    EXPECT_THROW(missing.Open(), CDbException);
    // A stored name with quotes, brackets and SQL cannot change a statement.
    const std::string hostile = "LnLg_2026]; DROP TABLE \"LnLg_Prefs\"; --";
    CreateDailyTable(*m_db, hostile);
    EXPECT_GT(AddDay(170, "", hostile), 0);
    EXPECT_TRUE(m_db->TableExists("LnLg_Prefs"));
}

TEST_F(RecordsetTest, StoredValuesKeepTheirLimits)
{
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\xA9";   // 40 characters fit, however many bytes
    AddDay(182.6, accented);
    // Whole pounds.
    EXPECT_EQ(QueryText(*m_db, "SELECT weight || ' ' || typeof(weight) FROM " + kTable), "182 integer");
    try {
        AddDay(180, std::string(41, 'a'));
        FAIL() << "an overlong item was stored";
    } catch (const CDbException& e) {
        EXPECT_NE(std::string(e.what()).find("BFproteinItem"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("40"), std::string::npos) << e.what();
    }
    EXPECT_EQ(QueryText(*m_db, "SELECT COUNT(*) FROM " + kTable), "1");
}
