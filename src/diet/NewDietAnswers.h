#pragma once

#include "base/DateTime.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr int kMinGoalWeight = 0;
inline constexpr int kMaxGoalWeight = 1000;

/// The New Diet dialog's two answers.
struct CNewDietAnswers
{
    CDateTime startDate;   ///< the diet's first day, at 00:00
    int goalWeight = 0;    ///< whole pounds, 0 to 1000
};

/// The start date a diet may have: the calendar then never runs past the
/// date type's range. nullopt when fine, else the message to show.
std::optional<std::string> StartDateProblem(CDateTime start);

/// The goal weight typed as text: a whole number from 0 to 1000. On failure
/// `error` holds the message to show and nullopt is returned.
std::optional<int> ParseGoalWeight(std::string_view text, std::string& error);
