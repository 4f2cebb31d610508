#include "base/DateTime.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "support/DbQuery.h"
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

/// The column names, each followed by a blank.
std::string Names(const std::vector<SColumnInfo>& columns)
{
    std::string names;
    for (const auto& c : columns)
        names += c.name + " ";
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
    CreateDailyTable(*m_db, DietTableName(CDateTime::FromCivil({2006, 1, 5, 23, 0, 0})));
    std::string expected = "ID PalmID wAttribs date weight steps carbs isProteinDay BFsupplement ";
    for (const char* slot : {"protein", "fruit", "grain", "beverage", "snack"})
        for (const char* part : {"Item", "Size", "Carbs"})
            expected += std::string("BF") + slot + part + " ";
    for (const char* meal : {"L", "D"}) {
        expected += std::string(meal) + "supplement ";
        for (const char* slot :
             {"protein", "protein2", "veggie", "salad", "fruit", "grain", "beverage", "misc", "snack"})
            for (const char* part : {"Item", "Size", "Carbs"})
                expected += std::string(meal) + slot + part + " ";
    }
    const auto columns = TableInfo(*m_db, "LnLg_2006_1_5");   // no leading zeros in the name
    EXPECT_EQ(Names(columns), expected);
    for (const auto& c : columns) {
        const bool text = c.name.ends_with("Item") || c.name.ends_with("Size");
        const bool flag = c.name == "isProteinDay" || c.name.ends_with("supplement");
        if (c.name == "ID")
            EXPECT_TRUE(c.key);
        else if (text)
            EXPECT_EQ(c.type + " " + c.defaultValue, "VARCHAR(40) ''") << c.name;
        else if (flag || c.name == "date")
            EXPECT_EQ(c.defaultValue, "<null>") << c.name;
        else
            EXPECT_EQ(c.type + " " + c.defaultValue, "INTEGER 0") << c.name;
    }
}

TEST_F(SchemaTest, FixedTablesAsDesigned)
{
    CreatePrefsTable(*m_db);
    CreateCategoriesTable(*m_db);
    CreateFoodItemTable(*m_db);
    const auto prefs = TableInfo(*m_db, "LnLg_Prefs");
    const auto categories = TableInfo(*m_db, "LnLg_FoodCategories");
    const auto items = TableInfo(*m_db, "LnLg_FoodItem");
    EXPECT_EQ(Names(prefs), "ID PalmID wAttribs DietFilename GoalWeight ");
    EXPECT_EQ(Names(categories), "ID PalmID wAttribs CatCode Category ");
    EXPECT_EQ(Names(items), "ID PalmID wAttribs ItemName ItemCategoryCode ItemCode ServingSizeCode ServingSizeName "
                            "ServingSizeAmt ServingSizeUnit Calories FatCalories FatGrams FatGramsPercent SaturatedFat "
                            "SaturatedFatPercent PolySatFat MonoUnsatFat Cholesterol CholesterolPercent Sodium "
                            "SodiumPercent Carbs CarbsPercent Fiber FiberPercent Sugars Protein Points ");
    const std::pair<SColumnInfo, const char*> types[] = {
        {prefs[3], "VARCHAR(50)"},  {categories[3], "VARCHAR(5)"}, {categories[4], "VARCHAR(200)"},
        {items[3], "VARCHAR(200)"}, {items[4], "VARCHAR(5)"},      {items[5], "VARCHAR(5)"},
        {items[6], "INTEGER"},      {items[7], "VARCHAR(200)"},    {items[8], "DOUBLE"},
        {items[9], "VARCHAR(50)"},  {items[10], "INTEGER"},        {items[28], "DOUBLE"},
    };
    for (const auto& [column, type] : types)
        EXPECT_EQ(column.type, type) << column.name;
    for (const auto& table : {prefs, categories, items}) {
        EXPECT_TRUE(table[0].key);
        EXPECT_EQ(table[1].defaultValue + table[2].defaultValue, "00");
    }
}

TEST_F(SchemaTest, TheFileRefusesOverlongTextAndKeepsExistingTables)
{
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    const auto insert = [&](const std::string& item) {
        m_db->Execute("INSERT INTO LnLg_2026_1_1 (BFproteinItem) VALUES ('" + item + "')");
    };
    EXPECT_THROW(insert(std::string(41, 'x')), CDbException);
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\xA9";
    EXPECT_NO_THROW(insert(accented));   // characters count, not bytes
    CreateDailyTable(*m_db, "LnLg_2026_1_1");
    EXPECT_EQ(QueryText(*m_db, "SELECT COUNT(*) FROM LnLg_2026_1_1"), "1");
}
