#pragma once

#include <string>

/// A count of days as the reports word it: "1 day", "5 days", "1 week",
/// "1 week 3 days", "2 weeks", "2 weeks 3 days". Counts below 1 read "1 day".
std::string DurationText(int days);
