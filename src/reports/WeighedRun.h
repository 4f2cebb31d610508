#pragma once

#include "store/DailyInfo.h"

#include <string>

/// The unbroken run of weighed days from day 0 that the Status and Summary
/// reports cover, and the day they report on.
struct SWeighedRun
{
    int length = 0;   ///< weighed days from day 0; 0 when day 0 is unweighed
    int cur = 0;      ///< the current day: the run's last day, day 0 when the run is empty
    int days = 0;     ///< whole days from day 0's date to the current day's
};

/// Requires a non-empty day list.
SWeighedRun FindWeighedRun(const CDayList& days);

/// The reports' heading: the current day's label without the missing form,
/// so an unweighed day 0 still reads "... - Stage 1, Protein Day 1".
std::string ReportHeading(const CDayList& days, const SWeighedRun& run);

/// `value` truncated toward zero and clamped to int: the reports' whole
/// pounds and whole days taken from doubles.
int TruncateToInt(double value);
