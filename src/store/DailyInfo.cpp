#include "store/DailyInfo.h"

#include "diet/DietCalendar.h"
#include "store/DailyInfoRS.h"

#include <algorithm>
#include <limits>

bool& SDailyRecord::Supplement(EMeal meal)
{
    switch (meal) {
    case EMeal::Breakfast: return BFsupplement;
    case EMeal::Lunch: return Lsupplement;
    case EMeal::Dinner: break;
    }
    return Dsupplement;
}

bool SDailyRecord::Supplement(EMeal meal) const
{
    return const_cast<SDailyRecord*>(this)->Supplement(meal);
}

CDailyInfo::CDailyInfo(CDateTime day, int wholePounds, int stepCount)
{
    date = day;
    weight = wholePounds;
    steps = stepCount;
}

CDailyInfo CDailyInfo::CopyFromRecordset(const CDailyInfoRS& rs)
{
    return CDailyInfo(rs.m_rec);
}

void CDailyInfo::RecalcCarbs()
{
    // Stored files may hold any 32-bit value per slot; the sum must not wrap.
    std::int64_t sum = 0;
    for (const auto& slot : slots)
        sum += slot.carbs;
    carbs = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string CDailyInfo::GetDayLabel(const CDailyInfo& firstDay) const
{
    return DayLabel(date, DayIndex(firstDay.date, date), weight, isProteinDay);
}
