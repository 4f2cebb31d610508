#pragma once

#include <string>

/// Sizes of a generated data folder.
struct SSampleDataSize
{
    int foodItems = 20000;   ///< 0: empty food tables, no categories either
    int pastDiets = 10;
    int days = 400;        ///< days of the current diet
    int pastDays = 120;    ///< days of each earlier diet
};

/// Fills `folder` (which must not hold a database yet) with a Leanlog data
/// set of the given size: food categories and items, earlier diets and a
/// current diet whose days are weighed and have meals.
void MakeSampleDataFolder(const std::string& folder, const SSampleDataSize& size);
