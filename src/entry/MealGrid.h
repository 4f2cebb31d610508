#pragma once

#include "store/MealPositions.h"

#include <array>
#include <string_view>

/// The Day Info grid's fixed row for each of the 26 meal positions: the
/// label of its "Meal" cell and the Meal Info dialog's title.
struct SGridSlot
{
    std::string_view label;
    std::string_view title;   ///< empty for the three meal headers
};

inline constexpr std::array<SGridSlot, kMealPositionCount> kGridSlots{{
    {"   Breakfast", ""},
    {"Protein", "Breakfast Protein"},
    {"Fruit", "Breakfast Fruit"},
    {"Grain", "Breakfast Grain"},
    {"Beverage", "Breakfast Beverage"},
    {"Protein Snack", "Breakfast Protein Snack"},
    {"   Lunch", ""},
    {"Protein", "Lunch Protein"},
    {"Protein 2", "Lunch Protein #2"},
    {"Veggie", "Lunch Veggetible"},
    {"Salad", "Lunch Salad"},
    {"Fruit", "Lunch Fruit"},
    {"Grain", "Lunch Grain"},
    {"Beverage", "Lunch Beverage"},
    {"Misc", "Lunch Misc."},
    {"Protein Snack", "Lunch Protein Snack"},
    {"   Dinner", ""},
    {"Protein", "Dinner Protein"},
    {"Protein 2", "Dinner Protein #2"},
    {"Veggie", "Dinner Veggetible"},
    {"Salad", "Dinner Salad"},
    {"Fruit", "Dinner Fruit"},
    {"Grain", "Dinner Grain"},
    {"Beverage", "Dinner Beverage"},
    {"Misc", "Dinner Misc"},
    {"Protein Snack", "Dinner Protein Snack"},
}};

inline constexpr std::string_view kSupplementsText = "Supplements";

/// The six grid layouts, named by their row counts.
enum class EGridLayout { P9, P10, P11, N21, N24, N26 };

/// The layout with this many rows.
EGridLayout LayoutWithRows(int rows);
