#include "base/DateTime.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SColumnInfo
{
    std::string name;
    std::string type;
    std::string defaultValue;   // "<null>" when none
    bool key = false;
};

std::vector<SColumnInfo> TableInfo(CDatabase& db, const std::string& table)
{
    CStatement st = db.Prepare("PRAGMA table_info(" + QuoteName(table) + ")");
    std::vector<SColumnInfo> columns;
    while (st.Step())
        columns.push_back({st.ColumnText(1), st.ColumnText(2), st.IsNull(4) ? "<null>" : st.ColumnText(4),
                           st.ColumnInt(5) != 0});
    return columns;
}

std::vector<std::string> Names(const std::vector<SColumnInfo>& columns)
{
    std::vector<std::string> names;
    for (const auto& c : columns)
        names.push_back(c.name);
    return names;
}

class SchemaTest : public testing::Test
{
protected:
    CTempDataDir m_dir;
    std::unique_ptr<CDatabase> m_db = CDatabase::Create(m_dir.File("RiRedo.mdb"));
};

} // namespace

TEST_F(SchemaTest, DailyTableHasEightyColumnsInDesignedOrder)
{
    CreateDailyTable(*m_db, "LnLg_2006_1_15");
    std::vector<std::string> expected = {"ID", "PalmID", "wAttribs", "date", "weight", "steps", "carbs",
                                         "isProteinDay", "BFsupplement"};
    for (const char* slot : {"protein", "fruit", "grain", "beverage", "snack"})
        for (const char* part : {"Item", "Size", "Carbs"})
            expected.push_back(std::string("BF") + slot + part);
    for (const char* meal : {"L", "D"}) {
        expected.push_back(std::string(meal) + "supplement");
        for (const char* slot :
             {"protein", "protein2", "veggie", "salad", "fruit", "grain", "beverage", "misc", "snack"})
            for (const char* part : {"Item", "Size", "Carbs"})
                expected.push_back(std::string(meal) + slot + part);
    }
    const auto columns = TableInfo(*m_db, "LnLg_2006_1_15");
    ASSERT_EQ(columns.size(), 80u);
    EXPECT_EQ(Names(columns), expected);

    for (const auto& c : columns) {
        const bool text = c.name.ends_with("Item") || c.name.ends_with("Size");
        const bool flag = c.name == "isProteinDay" || c.name.ends_with("supplement");
        if (c.name == "ID") {
            EXPECT_TRUE(c.key);
        } else if (text) {
            EXPECT_EQ(c.type, "VARCHAR(40)") << c.name;
            EXPECT_EQ(c.defaultValue, "''") << c.name;
        } else if (flag || c.name == "date") {
            EXPECT_EQ(c.defaultValue, "<null>") << c.name;
        } else {
            EXPECT_EQ(c.type, "INTEGER") << c.name;
            EXPECT_EQ(c.defaultValue, "0") << c.name;
        }
    }
}

TEST_F(SchemaTest, FixedTablesAsDesigned)
{
    CreatePrefsTable(*m_db);
    CreateCategoriesTable(*m_db);
    CreateFoodItemTable(*m_db);

    const auto prefs = TableInfo(*m_db, "LnLg_Prefs");
    EXPECT_EQ(Names(prefs), (std::vector<std::string>{"ID", "PalmID", "wAttribs", "DietFilename", "GoalWeight"}));
    EXPECT_EQ(prefs[3].type, "VARCHAR(50)");

    const auto categories = TableInfo(*m_db, "LnLg_FoodCategories");
    EXPECT_EQ(Names(categories), (std::vector<std::string>{"ID", "PalmID", "wAttribs", "CatCode", "Category"}));
    EXPECT_EQ(categories[3].type, "VARCHAR(5)");
    EXPECT_EQ(categories[4].type, "VARCHAR(200)");

    const auto items = TableInfo(*m_db, "LnLg_FoodItem");
    const std::vector<std::string> expected = {
        "ID", "PalmID", "wAttribs", "ItemName", "ItemCategoryCode", "ItemCode", "ServingSizeCode",
        "ServingSizeName", "ServingSizeAmt", "ServingSizeUnit", "Calories", "FatCalories", "FatGrams",
        "FatGramsPercent", "SaturatedFat", "SaturatedFatPercent", "PolySatFat", "MonoUnsatFat", "Cholesterol",
        "CholesterolPercent", "Sodium", "SodiumPercent", "Carbs", "CarbsPercent", "Fiber", "FiberPercent",
        "Sugars", "Protein", "Points"};
    EXPECT_EQ(Names(items), expected);
    const std::vector<std::pair<std::string, std::string>> types = {
        {"ItemName", "VARCHAR(200)"},  {"ItemCategoryCode", "VARCHAR(5)"}, {"ItemCode", "VARCHAR(5)"},
        {"ServingSizeCode", "INTEGER"}, {"ServingSizeName", "VARCHAR(200)"}, {"ServingSizeAmt", "DOUBLE"},
        {"ServingSizeUnit", "VARCHAR(50)"}, {"Calories", "INTEGER"},       {"Points", "DOUBLE"}};
    for (const auto& [name, type] : types) {
        for (const auto& c : items) {
            if (c.name == name) {
                EXPECT_EQ(c.type, type) << name;
            }
        }
    }
    for (const auto& table : {prefs, categories, items}) {
        EXPECT_TRUE(table[0].key);
        EXPECT_EQ(table[1].defaultValue, "0");
        EXPECT_EQ(table[2].defaultValue, "0");
    }
}

TEST_F(SchemaTest, KeysAreNeverReused)
{
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    m_db->Execute("INSERT INTO LnLg_2026_1_1 (weight) VALUES (1), (2), (3)");
    m_db->Execute("DELETE FROM LnLg_2026_1_1 WHERE ID = 3");
    m_db->Execute("INSERT INTO LnLg_2026_1_1 (weight) VALUES (4)");
    CStatement st = m_db->Prepare("SELECT ID FROM LnLg_2026_1_1 WHERE weight = 4");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(0), 4);
}

TEST_F(SchemaTest, OverlongTextIsRefusedByTheFileItself)
{
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    EXPECT_THROW(m_db->Execute("INSERT INTO LnLg_2026_1_1 (BFproteinItem) VALUES ('" + std::string(41, 'x') + "')"),
                 CDbException);
    // Characters count, not bytes: 40 two-byte characters fit.
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\xA9";
    EXPECT_NO_THROW(m_db->Execute("INSERT INTO LnLg_2026_1_1 (BFproteinItem) VALUES ('" + accented + "')"));
}

TEST_F(SchemaTest, CreateDailyTableLeavesAnExistingTableAlone)
{
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    m_db->Execute("INSERT INTO LnLg_2026_1_1 (weight) VALUES (180)");
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    CStatement st = m_db->Prepare("SELECT COUNT(*) FROM LnLg_2026_1_1");
    ASSERT_TRUE(st.Step());
    EXPECT_EQ(st.ColumnInt(0), 1);
}

TEST_F(SchemaTest, DietTableNamesDropLeadingZeros)
{
    EXPECT_EQ(DietTableName(CDateTime::FromDate(2005, 3, 7)), "LnLg_2005_3_7");
    EXPECT_EQ(DietTableName(CDateTime::FromDate(2006, 1, 15)), "LnLg_2006_1_15");
    EXPECT_EQ(DietTableName(CDateTime::FromCivil({2026, 12, 31, 23, 0, 0})), "LnLg_2026_12_31");
}
