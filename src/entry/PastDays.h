#pragma once

#include "store/DailyInfo.h"

#include <array>
#include <string>

inline constexpr int kPastDaysColumns = 4;

/// Row `index` of the Past Info list: the day's label, weight "%5.2f",
/// carbs "%d" and steps "%d"; empty cells for an index beyond the list.
std::array<std::string, kPastDaysColumns> PastDayCells(const CDayList& days, size_t index);
