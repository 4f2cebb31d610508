#include "store/Schema.h"

#include "store/Database.h"
#include "base/DateTime.h"
#include "store/MealPositions.h"

#include <vector>

namespace {

std::vector<SColumnDef> WithKey(std::vector<SColumnDef> columns)
{
    columns.insert(columns.begin(), {{"ID", EColumnKind::IdKey},
                                     {"PalmID", EColumnKind::Long},
                                     {"wAttribs", EColumnKind::Long}});
    return columns;
}

std::vector<SColumnDef> MakeDailyColumns()
{
    std::vector<SColumnDef> columns = WithKey({
        {"date", EColumnKind::Date},
        {"weight", EColumnKind::Long},
        {"steps", EColumnKind::Long},
        {"carbs", EColumnKind::Long},
        {"isProteinDay", EColumnKind::Bool},
    });
    for (const auto& position : kMealPositions) {
        const std::string prefix(position.column);
        if (position.slot < 0) {
            columns.push_back({prefix, EColumnKind::Bool});
            continue;
        }
        columns.push_back({prefix + "Item", EColumnKind::Text, 40});
        columns.push_back({prefix + "Size", EColumnKind::Text, 40});
        columns.push_back({prefix + "Carbs", EColumnKind::Long});
    }
    return columns;
}

std::string ColumnSql(const SColumnDef& column)
{
    const std::string name = QuoteName(column.name);
    switch (column.kind) {
    case EColumnKind::IdKey:
        return name + " INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL";
    case EColumnKind::Text: {
        const std::string size = std::to_string(column.size);
        return name + " VARCHAR(" + size + ")" + (column.noCase ? " COLLATE NOCASE" : "") +
               " DEFAULT '' CHECK(length(" + name + ") <= " + size + ")";
    }
    case EColumnKind::Long:
        return name + " INTEGER DEFAULT 0";
    case EColumnKind::Double:
        return name + " DOUBLE DEFAULT 0";
    case EColumnKind::Date:
        return name + " DATETIME";
    case EColumnKind::Bool:
        return name + " BIT";
    }
    return name;
}

void CreateTable(CDatabase& db, std::string_view table, std::span<const SColumnDef> columns)
{
    std::string sql = "CREATE TABLE " + QuoteName(table) + " (";
    for (size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + ColumnSql(columns[i]);
    sql += ")";
    db.Execute(sql);
}

} // namespace

std::span<const SColumnDef> PrefsColumns()
{
    static const std::vector<SColumnDef> columns = WithKey({
        {"DietFilename", EColumnKind::Text, 50},
        {"GoalWeight", EColumnKind::Long},
    });
    return columns;
}

std::span<const SColumnDef> CategoryColumns()
{
    static const std::vector<SColumnDef> columns = WithKey({
        {"CatCode", EColumnKind::Text, 5},
        {"Category", EColumnKind::Text, 200},
    });
    return columns;
}

std::span<const SColumnDef> FoodItemColumns()
{
    static const std::vector<SColumnDef> columns = [] {
        std::vector<SColumnDef> c = WithKey({
            {"ItemName", EColumnKind::Text, 200, true},
            {"ItemCategoryCode", EColumnKind::Text, 5},
            {"ItemCode", EColumnKind::Text, 5},
            {"ServingSizeCode", EColumnKind::Long},
            {"ServingSizeName", EColumnKind::Text, 200},
            {"ServingSizeAmt", EColumnKind::Double},
            {"ServingSizeUnit", EColumnKind::Text, 50},
            {"Calories", EColumnKind::Long},
            {"FatCalories", EColumnKind::Long},
        });
        for (const char* name : {"FatGrams", "FatGramsPercent", "SaturatedFat", "SaturatedFatPercent", "PolySatFat",
                                 "MonoUnsatFat", "Cholesterol", "CholesterolPercent", "Sodium", "SodiumPercent",
                                 "Carbs", "CarbsPercent", "Fiber", "FiberPercent", "Sugars", "Protein", "Points"})
            c.push_back({name, EColumnKind::Double});
        return c;
    }();
    return columns;
}

std::span<const SColumnDef> DailyColumns()
{
    static const std::vector<SColumnDef> columns = MakeDailyColumns();
    return columns;
}

const SColumnDef* FindColumn(std::span<const SColumnDef> columns, std::string_view name)
{
    for (const auto& column : columns)
        if (column.name == name)
            return &column;
    return nullptr;
}

std::string DietTableName(const CDateTime& start)
{
    return start.Format("LnLg_%Y_%#m_%#d");
}

void CreateDailyTable(CDatabase& db, const std::string& name)
{
    if (db.TableExists(name))
        return;
    CreateTable(db, name, DailyColumns());
}

void CreatePrefsTable(CDatabase& db)
{
    CreateTable(db, kPrefsTable, PrefsColumns());
}

void CreateCategoriesTable(CDatabase& db)
{
    CreateTable(db, kCategoriesTable, CategoryColumns());
}

void CreateFoodItemTable(CDatabase& db)
{
    CreateTable(db, kFoodItemTable, FoodItemColumns());
}
