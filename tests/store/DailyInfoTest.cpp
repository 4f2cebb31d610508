#include "store/DailyInfo.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

TEST(DailyInfo, NewDayIsEmpty)
{
    const CDailyInfo day(CDateTime::FromDate(2026, 3, 1), 181, 4000);
    EXPECT_EQ(day.ID, 0);
    EXPECT_EQ(day.weight, 181.0);
    EXPECT_EQ(day.steps, 4000);
    EXPECT_FALSE(day.isProteinDay || day.BFsupplement || day.Lsupplement || day.Dsupplement);
    for (const auto& slot : day.slots)
        EXPECT_EQ(slot, MealSlot{});
}

TEST(DailyInfo, RecalcCarbsSumsAllTwentyThreeSlots)
{
    CDailyInfo day(CDateTime::FromDate(2026, 3, 1), 0, 0);
    day.carbs = 77;
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, 0);
    for (size_t i = 0; i < day.slots.size(); ++i)
        day.slots[i].carbs = static_cast<int>(i + 1);
    day.BFsupplement = true;   // supplements count nothing
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, 23 * 24 / 2);
}

TEST(DailyInfo, SupplementFlagsMapToTheirMeals)
{
    CDailyInfo day(CDateTime::FromDate(2026, 3, 1), 0, 0);
    day.Supplement(EMeal::Lunch) = true;
    EXPECT_TRUE(day.Lsupplement);
    EXPECT_FALSE(day.BFsupplement || day.Dsupplement);
}

TEST(DailyInfo, LabelCountsFromTheFirstDay)
{
    const CDailyInfo first(CDateTime::FromDate(2026, 1, 1), 200, 0);
    CDailyInfo day(CDateTime::FromDate(2026, 2, 8), 190, 0);   // index 38
    EXPECT_EQ(day.GetDayLabel(first), "02/08/2026 - Stage 2, Week 6 Day 1");
    day.weight = 0;
    EXPECT_EQ(day.GetDayLabel(first), "02/08/2026 - missing");
}

namespace {

class SaveDailyInfoTest : public testing::Test
{
protected:
    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app = StartFirstDiet(m_dir, Answers(2026, 1, 1, 150));
};

} // namespace

TEST_F(SaveDailyInfoTest, NewDayIsAddedThenEditedInPlace)
{
    auto& day = *m_app->m_days.emplace_back(std::make_unique<CDailyInfo>(CDateTime::FromDate(2026, 1, 2), 199, 10));
    m_app->SaveDailyInfo(day);
    const int id = day.ID;
    EXPECT_GT(id, m_app->m_days.front()->ID);
    day.weight = 198;
    m_app->SaveDailyInfo(day);
    EXPECT_EQ(day.ID, id);

    const auto again = Restart(m_dir);
    ASSERT_EQ(again->m_days.size(), 2u);
    EXPECT_EQ(again->m_days[1]->ID, id);
    EXPECT_EQ(again->m_days[1]->weight, 198.0);
}

TEST_F(SaveDailyInfoTest, EverySaveMarksTheDesktopBit)
{
    auto& first = *m_app->m_days.front();
    EXPECT_EQ(first.wAttribs, 0);   // the first day is added without it
    first.wAttribs = 0x03;
    m_app->SaveDailyInfo(first);
    EXPECT_EQ(first.wAttribs, 0x13);
    const auto again = Restart(m_dir);
    EXPECT_EQ(again->m_days.front()->wAttribs, 0x13);
}

TEST_F(SaveDailyInfoTest, EveryFieldSurvivesTheRoundTrip)
{
    auto& day = *m_app->m_days.front();
    day.PalmID = 4711;
    day.weight = 201;
    day.steps = 12345;
    day.isProteinDay = true;
    day.BFsupplement = true;
    day.Dsupplement = true;
    for (size_t i = 0; i < day.slots.size(); ++i)
        day.slots[i] = {"item " + std::to_string(i), "size \xC3\xA9 " + std::to_string(i), static_cast<int>(i * 3)};
    day.RecalcCarbs();
    m_app->SaveDailyInfo(day);

    const auto again = Restart(m_dir);
    EXPECT_EQ(static_cast<const SDailyRecord&>(*again->m_days.front()), static_cast<const SDailyRecord&>(day));
}

TEST_F(SaveDailyInfoTest, FailedSaveLeavesDayAndFileUnchanged)
{
    auto& day = *m_app->m_days.emplace_back(std::make_unique<CDailyInfo>(CDateTime::FromDate(2026, 1, 2), 199, 10));
    day.slots[0].item = std::string(60, 'x');
    EXPECT_THROW(m_app->SaveDailyInfo(day), CDbException);
    EXPECT_EQ(day.ID, 0);
    EXPECT_EQ(day.wAttribs, 0);
    EXPECT_EQ(Restart(m_dir)->m_days.size(), 1u);
}
