#include "entry/PastDays.h"

#include "base/StrPrintf.h"

std::array<std::string, kPastDaysColumns> PastDayCells(const CDayList& days, size_t index)
{
    if (index >= days.size())
        return {};
    const CDailyInfo& day = *days[index];
    return {day.GetDayLabel(*days.front()), StrPrintf("%5.2f", day.weight), StrPrintf("%d", day.carbs),
            StrPrintf("%d", day.steps)};
}
