#pragma once

#include "store/DailyInfo.h"

#include <cstdint>
#include <optional>
#include <string_view>

/// What the Status advisor's daily instruction is decided from.
struct SAdviceInputs
{
    bool proteinDay = false;          ///< the current day's isProteinDay
    std::int32_t ketosisAnswer = -1;  ///< -1 not asked, 1 yes, 0 no
    std::int32_t carbs = 0;           ///< the current day's carbs, as stored
    int recentCarbs = 0;              ///< mean carbs of the current day and up to six before it
    int proteinStreak = 1;            ///< 1 to 3: the current day and the protein days just before it
    int days = 0;                     ///< whole days from day 0 to the current day
    bool recentProteinDay = false;    ///< a protein day in the week before, or a diet younger than that
};

/// One line of the advice table and whether today must be a protein day.
struct SAdvice
{
    std::string_view line;
    bool proteinDayNeeded = false;
};

/// The first row of the advice table that applies; carbs thresholds are strict.
SAdvice ChooseAdvice(const SAdviceInputs& in);

/// Mean weight of the weighed days among indices `first` to `last`
/// inclusive (indices outside the list are skipped); nullopt when that
/// range holds no weighed day (a plain mean would be 0/0, NaN).
std::optional<double> AverageWeight(const CDayList& days, int first, int last);

/// The trend line from the three averages, with a 1-pound margin each way.
/// A missing average (a range without weighed days) reads as neutral.
std::string_view TrendLine(std::optional<double> earlier, std::optional<double> recent, std::optional<double> whole);
