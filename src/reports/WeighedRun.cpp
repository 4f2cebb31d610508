#include "reports/WeighedRun.h"

#include "diet/DietCalendar.h"

#include <cmath>
#include <limits>

SWeighedRun FindWeighedRun(const CDayList& days)
{
    SWeighedRun run;
    while (static_cast<size_t>(run.length) < days.size() && days[static_cast<size_t>(run.length)]->weight != 0)
        ++run.length;
    run.cur = run.length > 0 ? run.length - 1 : 0;
    run.days = DayIndex(days.front()->date, days[static_cast<size_t>(run.cur)]->date);
    return run;
}

std::string ReportHeading(const CDayList& days, const SWeighedRun& run)
{
    const CDailyInfo& current = *days[static_cast<size_t>(run.cur)];
    return StageLabel(current.date, run.days, current.isProteinDay);
}

int TruncateToInt(double value)
{
    // A cast of an out-of-range double is undefined; weights and durations
    // never get there in practice, but a corrupt row must not crash a page.
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
