#include "store/DailyInfo.h"
#include "support/DietFixture.h"

#include <climits>

TEST(DailyInfo, RecalcCarbsSumsAllTwentyThreeSlots)
{
    CDailyInfo day(CDateTime::FromDate(2026, 3, 1), 0, 0);
    day.carbs = 77;   // replaced, not added to
    for (size_t i = 0; i < day.slots.size(); ++i)
        day.slots[i].carbs = static_cast<int>(i + 1);
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, 23 * 24 / 2);
    // A stored file may hold any 32-bit value per slot: the total must not wrap.
    day.slots.fill({});
    day.slots[0].carbs = INT_MAX;
    day.slots[1].carbs = 1;
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, INT_MAX);
    day.slots[0].carbs = INT_MIN;
    day.slots[1].carbs = -1;
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, INT_MIN);
}

TEST(DailyInfo, LabelCountsFromTheFirstDay)
{
    const CDailyInfo first(CDateTime::FromDate(2026, 1, 1), 200, 0);
    CDailyInfo day(CDateTime::FromDate(2026, 2, 8), 190, 0);   // index 38
    EXPECT_EQ(day.GetDayLabel(first), "02/08/2026 - Stage 2, Week 6 Day 1");
    day.weight = 0;
    EXPECT_EQ(day.GetDayLabel(first), "02/08/2026 - missing");
}

using SaveDailyInfoTest = CDietTest;

TEST_F(SaveDailyInfoTest, AddedThenEditedInPlaceWithEveryFieldAndTheDesktopBit)
{
    EXPECT_EQ(m_app->m_days.front()->wAttribs, 0);   // the first day is added without the bit
    CDailyInfo& day = AddDay(1, 199);
    m_app->SaveDailyInfo(day);
    const int id = day.ID;
    EXPECT_GT(id, m_app->m_days.front()->ID);

    day.PalmID = 4711;
    day.wAttribs = 0x03;
    day.steps = 12345;
    day.isProteinDay = day.BFsupplement = day.Dsupplement = true;
    for (size_t i = 0; i < day.slots.size(); ++i)
        day.slots[i] = {"item " + std::to_string(i), "size \xC3\xA9 " + std::to_string(i), static_cast<int>(i * 3)};
    day.RecalcCarbs();
    m_app->SaveDailyInfo(day);
    EXPECT_EQ(day.ID, id);
    EXPECT_EQ(day.wAttribs, 0x13);

    const auto again = Restart(m_dir);
    ASSERT_EQ(again->m_days.size(), 2u);
    EXPECT_EQ(static_cast<const SDailyRecord&>(*again->m_days[1]), static_cast<const SDailyRecord&>(day));
}

TEST_F(SaveDailyInfoTest, FailedSaveLeavesDayAndFileUnchanged)
{
    CDailyInfo& day = AddDay(1, 199);
    day.slots[0].item = std::string(60, 'x');
    EXPECT_THROW(m_app->SaveDailyInfo(day), CDbException);
    EXPECT_EQ(day.ID, 0);
    EXPECT_EQ(day.wAttribs, 0);
    EXPECT_EQ(Restart(m_dir)->m_days.size(), 1u);
}
