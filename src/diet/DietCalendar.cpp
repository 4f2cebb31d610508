#include "diet/DietCalendar.h"

#include "base/StrPrintf.h"

#include <cstdint>

namespace {

constexpr int kStage1Start = 3;
constexpr int kStage2Start = 38;
constexpr int kAfterStage2Start = 52;

// Offered meal positions as bit masks over the 26 positions (bit i = position i).
constexpr std::uint32_t Positions(std::initializer_list<int> list)
{
    std::uint32_t mask = 0;
    for (int p : list)
        mask |= 1u << p;
    return mask;
}

constexpr std::uint32_t kProteinDay = Positions({0, 1, 5, 6, 7, 15, 16, 17, 25});
constexpr std::uint32_t kStage1Normal =
    Positions({0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 23, 24, 25});
constexpr std::uint32_t kStage2Protein = kProteinDay | Positions({18});
constexpr std::uint32_t kStage2Normal =
    Positions({0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25});
constexpr std::uint32_t kAfterProtein = kProteinDay | Positions({8, 18});
constexpr std::uint32_t kAfterNormal = (1u << kMealPositionCount) - 1;

std::uint32_t OfferedPositions(int dayIndex, bool proteinDay)
{
    switch (PhaseOf(dayIndex)) {
    case EPhase::GetReady: return kProteinDay;
    case EPhase::Stage1: return proteinDay ? kProteinDay : kStage1Normal;
    case EPhase::Stage2: return proteinDay ? kStage2Protein : kStage2Normal;
    case EPhase::AfterStage2: break;
    }
    return proteinDay ? kAfterProtein : kAfterNormal;
}

} // namespace

EPhase PhaseOf(int dayIndex)
{
    if (dayIndex < kStage1Start)
        return EPhase::GetReady;
    if (dayIndex < kStage2Start)
        return EPhase::Stage1;
    if (dayIndex < kAfterStage2Start)
        return EPhase::Stage2;
    return EPhase::AfterStage2;
}

int DayIndex(CDateTime firstDay, CDateTime date)
{
    return WholeDaysBetween(firstDay, date);
}

int WeekOf(int dayIndex)
{
    return (dayIndex - kStage1Start) / 7 + 1;
}

int DayOfWeek(int dayIndex)
{
    return (dayIndex - kStage1Start) % 7 + 1;
}

std::string StageLabel(CDateTime date, int dayIndex, bool proteinDay)
{
    const std::string text = date.Format("%m/%d/%Y");
    if (dayIndex < kStage1Start)
        return StrPrintf("%s - Stage 1, Protein Day %d", text.c_str(), dayIndex + 1);
    const int week = WeekOf(dayIndex);
    const int day = DayOfWeek(dayIndex);
    // A protein day keeps the stage 1 wording in every stage.
    if (proteinDay)
        return StrPrintf("%s - Stage 1, Week %d Day %d Protein Day", text.c_str(), week, day);
    if (dayIndex < kStage2Start)
        return StrPrintf("%s - Stage 1, Week %d Day %d", text.c_str(), week, day);
    return StrPrintf("%s - Stage 2, Week %d Day %d", text.c_str(), week, day);
}

std::string DayLabel(CDateTime date, int dayIndex, double weight, bool proteinDay)
{
    if (weight == 0)
        return date.Format("%m/%d/%Y") + " - missing";
    return StageLabel(date, dayIndex, proteinDay);
}

SMealRows GetMealRows(int dayIndex, bool proteinDay)
{
    const std::uint32_t offered = OfferedPositions(dayIndex, proteinDay);
    SMealRows rows;
    for (int p = 0; p < kMealPositionCount; ++p)
        rows.row[static_cast<size_t>(p)] = (offered >> p & 1u) ? rows.count++ : -1;
    return rows;
}
