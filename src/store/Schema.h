#pragma once

#include <span>
#include <string>
#include <string_view>

class CDatabase;
class CDateTime;

enum class EColumnKind { IdKey, Text, Long, Double, Date, Bool };

struct SColumnDef
{
    std::string name;
    EColumnKind kind;
    int size = 0;               ///< characters, for text columns
    bool noCase = false;        ///< text compared and ordered without regard to case
};

inline constexpr std::string_view kPrefsTable = "LnLg_Prefs";
inline constexpr std::string_view kCategoriesTable = "LnLg_FoodCategories";
inline constexpr std::string_view kFoodItemTable = "LnLg_FoodItem";

std::span<const SColumnDef> PrefsColumns();
std::span<const SColumnDef> CategoryColumns();
std::span<const SColumnDef> FoodItemColumns();
/// The 80 columns of a diet's daily table, in table order.
std::span<const SColumnDef> DailyColumns();

/// The column definition of `name` in `columns`; null when none.
const SColumnDef* FindColumn(std::span<const SColumnDef> columns, std::string_view name);

/// "LnLg_%Y_%#m_%#d" of the diet's start date.
std::string DietTableName(const CDateTime& start);

/// Creates the daily table unless a table of that exact name exists.
void CreateDailyTable(CDatabase& db, const std::string& name);
void CreatePrefsTable(CDatabase& db);
void CreateCategoriesTable(CDatabase& db);
void CreateFoodItemTable(CDatabase& db);
