#include "entry/DayEntry.h"

#include "app/LeanlogApp.h"
#include "base/LeadingInt.h"
#include "base/StrPrintf.h"
#include "diet/DietCalendar.h"
#include "entry/EntryInputRules.h"

#include <stdexcept>

void CDayEntry::SetDay(CDailyInfo* day, bool load)
{
    m_pDay = day;
    if (load) {
        m_strWeight = StrPrintf("%5.2f", day->weight);
        m_strSteps = StrPrintf("%d", day->steps);
        m_bProteinDay = day->isProteinDay;
    }
    if (m_app.m_bProteinDayNeeded)
        m_bProteinDay = true;
    const int dayNumber = DayIndex(m_app.m_days.front()->date, day->date);
    const SMealRows rows = GetMealRows(dayNumber, m_bProteinDay);
    m_nSlotRow = rows.row;
    m_nRows = rows.count;
    m_strDate = StageLabel(day->date, dayNumber, m_bProteinDay);
}

void CDayEntry::ProteinDayClicked(bool checked)
{
    m_bProteinDay = checked;
    SetDay(m_pDay, false);
}

int CDayEntry::PositionAtRow(int row) const
{
    if (row < 0)
        return -1;
    for (int p = 0; p < kMealPositionCount; ++p)
        if (m_nSlotRow[static_cast<size_t>(p)] == row)
            return p;
    return -1;
}

SGridCell CDayEntry::Cell(int row, int column) const
{
    const int position = PositionAtRow(row);
    if (position < 0 || !m_pDay)
        return {};
    const SMealPosition& meal = kMealPositions[static_cast<size_t>(position)];
    if (column == 0)
        return {std::string(kGridSlots[static_cast<size_t>(position)].label)};
    if (meal.slot < 0) {
        if (column == kSupplementColumn)
            return {std::string(kSupplementsText), m_pDay->Supplement(meal.meal) ? 1 : 0};
        return {};
    }
    const MealSlot& slot = *SlotAtRow(row);
    switch (column) {
    case 1: return {slot.item};
    case 2: return {slot.size};
    case 3: return {StrPrintf("%d", slot.carbs)};
    default: break;
    }
    return {};
}

MealSlot* CDayEntry::SlotAtRow(int row) const
{
    const int position = PositionAtRow(row);
    if (position < 0 || !m_pDay)
        return nullptr;
    const int slot = kMealPositions[static_cast<size_t>(position)].slot;
    return slot < 0 ? nullptr : &m_pDay->slots[static_cast<size_t>(slot)];
}

bool CDayEntry::ToggleSupplement(int row)
{
    const int position = PositionAtRow(row);
    if (position < 0 || kMealPositions[static_cast<size_t>(position)].slot >= 0)
        return false;
    bool& flag = m_pDay->Supplement(kMealPositions[static_cast<size_t>(position)].meal);
    flag = !flag;
    return true;
}

std::optional<CMealInfo> CDayEntry::OpenSlot(int row) const
{
    const MealSlot* slot = SlotAtRow(row);
    if (!slot)
        return std::nullopt;
    CMealInfo info;
    info.m_strTitle = kGridSlots[static_cast<size_t>(PositionAtRow(row))].title;
    info.m_strItem = slot->item;
    info.m_strSize = slot->size;
    info.m_strCarbs = StrPrintf("%d", slot->carbs);
    return info;
}

void CDayEntry::ApplySlot(int row, const CMealInfo& info)
{
    MealSlot* slot = SlotAtRow(row);
    if (!slot)
        return;
    slot->item = info.m_strItem;
    slot->size = info.m_strSize;
    slot->carbs = LeadingInt(info.m_strCarbs);
    m_pDay->RecalcCarbs();
}

std::optional<std::string> CDayEntry::Validate() const
{
    if (const auto error = ValidateDayEntry(m_strWeight, m_strSteps))
        return error->message;
    return std::nullopt;
}

void CDayEntry::FinishDay(CLeanlogApp& app)
{
    const auto weight = ParseWeightText(m_strWeight);
    const auto steps = ParseStepsText(m_strSteps);
    if (!weight || !steps)
        throw std::invalid_argument(*Validate());
    const SDailyRecord before = *m_pDay;
    m_pDay->weight = *weight;
    m_pDay->steps = *steps;
    m_pDay->isProteinDay = m_bProteinDay;
    try {
        app.SaveDailyInfo(*m_pDay);
    } catch (...) {
        static_cast<SDailyRecord&>(*m_pDay) = before;
        throw;
    }
}
