#pragma once

#include <array>
#include <string_view>

enum class EMeal { Breakfast, Lunch, Dinner };

inline constexpr int kMealPositionCount = 26;
inline constexpr int kSlotCount = 23;

/// One of the 26 meal positions: a meal's supplement flag, or one of its
/// slots. This order (breakfast, lunch, dinner; each meal's supplement
/// first) is the order of every meal list and of the daily table's columns.
struct SMealPosition
{
    EMeal meal;
    int slot;                    ///< index into the day's 23 slots; -1 for the supplement flag
    std::string_view column;     ///< column, or column prefix of a slot ("BFprotein")
};

inline constexpr std::array<SMealPosition, kMealPositionCount> kMealPositions{{
    {EMeal::Breakfast, -1, "BFsupplement"},
    {EMeal::Breakfast, 0, "BFprotein"},
    {EMeal::Breakfast, 1, "BFfruit"},
    {EMeal::Breakfast, 2, "BFgrain"},
    {EMeal::Breakfast, 3, "BFbeverage"},
    {EMeal::Breakfast, 4, "BFsnack"},
    {EMeal::Lunch, -1, "Lsupplement"},
    {EMeal::Lunch, 5, "Lprotein"},
    {EMeal::Lunch, 6, "Lprotein2"},
    {EMeal::Lunch, 7, "Lveggie"},
    {EMeal::Lunch, 8, "Lsalad"},
    {EMeal::Lunch, 9, "Lfruit"},
    {EMeal::Lunch, 10, "Lgrain"},
    {EMeal::Lunch, 11, "Lbeverage"},
    {EMeal::Lunch, 12, "Lmisc"},
    {EMeal::Lunch, 13, "Lsnack"},
    {EMeal::Dinner, -1, "Dsupplement"},
    {EMeal::Dinner, 14, "Dprotein"},
    {EMeal::Dinner, 15, "Dprotein2"},
    {EMeal::Dinner, 16, "Dveggie"},
    {EMeal::Dinner, 17, "Dsalad"},
    {EMeal::Dinner, 18, "Dfruit"},
    {EMeal::Dinner, 19, "Dgrain"},
    {EMeal::Dinner, 20, "Dbeverage"},
    {EMeal::Dinner, 21, "Dmisc"},
    {EMeal::Dinner, 22, "Dsnack"},
}};

/// The meal position of a column or column prefix such as "Lveggie"; -1 when none.
constexpr int PositionByColumn(std::string_view column)
{
    for (size_t p = 0; p < kMealPositions.size(); ++p)
        if (kMealPositions[p].column == column)
            return static_cast<int>(p);
    return -1;
}

