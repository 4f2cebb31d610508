#pragma once

#include "base/DateTime.h"
#include "store/MealPositions.h"

#include <array>
#include <string>

/// Where a day falls in the programme, from its day index n.
enum class EPhase
{
    GetReady,     ///< n < 3: the three get-ready protein days
    Stage1,       ///< 3 <= n < 38: weeks 1 to 5
    Stage2,       ///< 38 <= n < 52: weeks 6 and 7
    AfterStage2,  ///< n >= 52: week 8 onward
};

EPhase PhaseOf(int dayIndex);

/// Whole days from the diet's first day to `date`, truncated toward zero.
int DayIndex(CDateTime firstDay, CDateTime date);

/// Week counted from the start of stage 1 (n >= 3): (n - 3) / 7 + 1.
int WeekOf(int dayIndex);
/// Day within that week: (n - 3) mod 7 + 1.
int DayOfWeek(int dayIndex);

/// The label of a day being entered or reported: the stage forms without
/// the missing form.
std::string StageLabel(CDateTime date, int dayIndex, bool proteinDay);
/// The label of a stored day: "%s - missing" when unweighed, else StageLabel.
std::string DayLabel(CDateTime date, int dayIndex, double weight, bool proteinDay);

/// The meal rows offered on a day: for each of the 26 meal positions its row
/// in the displayed list, or -1 when not offered.
struct SMealRows
{
    std::array<int, kMealPositionCount> row{};
    int count = 0;
};

SMealRows GetMealRows(int dayIndex, bool proteinDay);
