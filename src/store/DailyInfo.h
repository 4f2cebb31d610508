#pragma once

#include "base/DateTime.h"
#include "store/MealPositions.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// What was eaten in one meal slot; an empty item means nothing.
struct MealSlot
{
    std::string item;
    std::string size;
    std::int32_t carbs = 0;   ///< whole carbohydrate units as entered

    friend bool operator==(const MealSlot&, const MealSlot&) = default;
};

/// The stored fields of one diet day, one to one with the daily table's columns.
struct SDailyRecord
{
    std::int32_t ID = 0;          ///< row key; 0 until the row exists
    std::int32_t PalmID = 0;      ///< handheld record id, carried unchanged
    std::int32_t wAttribs = 0;    ///< handheld attribute word; bit 0x10 marks a desktop save
    CDateTime date;
    double weight = 0;            ///< pounds, whole in practice; 0 means not weighed (missing)
    std::int32_t steps = 0;
    std::int32_t carbs = 0;       ///< sum of all 23 slots' carbs
    bool isProteinDay = false;
    bool BFsupplement = false;
    bool Lsupplement = false;
    bool Dsupplement = false;
    std::array<MealSlot, kSlotCount> slots;   ///< in meal position order, supplements left out

    bool& Supplement(EMeal meal);
    bool Supplement(EMeal meal) const;

    friend bool operator==(const SDailyRecord&, const SDailyRecord&) = default;
};

class CDailyInfoRS;

/// One day of the current diet in memory.
class CDailyInfo : public SDailyRecord
{
public:
    explicit CDailyInfo(const SDailyRecord& record) : SDailyRecord(record) {}
    /// A new day: no key, flags off, every slot empty.
    CDailyInfo(CDateTime day, int wholePounds, int stepCount);
    /// The current row of `rs`, every field taken over unchanged, key included.
    static CDailyInfo CopyFromRecordset(const CDailyInfoRS& rs);

    /// carbs = the sum of all 23 slots' carbs (hidden slots included).
    void RecalcCarbs();
    /// The day's calendar label; `firstDay` is the diet's first day.
    std::string GetDayLabel(const CDailyInfo& firstDay) const;
};

/// A diet's days, oldest first; the list owns them.
using CDayList = std::vector<std::unique_ptr<CDailyInfo>>;

inline constexpr std::int32_t kAttribDesktopSaved = 0x10;
