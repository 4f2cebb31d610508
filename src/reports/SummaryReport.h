#pragma once

#include "store/DailyInfo.h"

#include <string>

class CLeanlogApp;

/// The day-to-day steps of the weighed run from day 0, counted.
struct SSummaryWalk
{
    int gainDays = 0;
    int lossDays = 0;
    int plateaus = 0;
    int plateauRun = 0;       ///< no-change steps ending at the latest step
    int gainIncidents = 0;    ///< gain steps not preceded by a loss step
    double totalGained = 0;   ///< pounds, summed over gain steps
    int gainStreak = 0;       ///< gain steps ending at the latest step; no-change steps leave it alone
    double lastLow = 0;       ///< weight at the latest loss step, else day 0's
    double lastHigh = 0;      ///< weight at the latest gain step, else day 0's
    double lastStep = 0;      ///< previous weight - current weight of the latest step; 0 without one
};

/// Walks the first `length` days (all weighed).
SSummaryWalk WalkWeighedDays(const CDayList& days, int length);

/// The page shown instead of the summary when the diet has no days.
inline constexpr const char* kNoDaysSummaryPage =
    "<font face=Arial><h3>No diet days yet</h3>"
    "The current diet has no days yet. Once its first day is entered, this page shows a summary of your results."
    "</font>";

/// The Summary page's HTML text, from the unbroken weighed run from day 0.
std::string SummaryPageText(const CDayList& days);
/// The same over the application's m_days.
std::string SummaryPageText(const CLeanlogApp& app);
