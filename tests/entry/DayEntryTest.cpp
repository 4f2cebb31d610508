#include "entry/DayEntry.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DayEntryTest : public testing::Test
{
protected:
    /// A day `dayNumber` days after the diet's first day (which starts 2026-01-01).
    CDailyInfo& DayAt(int dayNumber)
    {
        return *m_app->m_days.emplace_back(
            std::make_unique<CDailyInfo>(CDateTime::FromDate(2026, 1, 1).AddDays(dayNumber), 180, 0));
    }

    std::vector<int> ShownPositions(const CDayEntry& entry) const
    {
        std::vector<int> shown;
        for (int row = 0; row < entry.m_nRows; ++row)
            shown.push_back(entry.PositionAtRow(row));
        return shown;
    }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app = StartFirstDiet(m_dir, Answers(2026, 1, 1, 150));
};

} // namespace

TEST_F(DayEntryTest, LayoutAndDateLineByDayNumberAndCheck)
{
    struct
    {
        int dayNumber;
        bool check;
        EGridLayout layout;
        const char* dateLine;
    } cases[] = {
        {0, false, EGridLayout::P9, "01/01/2026 - Stage 1, Protein Day 1"},
        {0, true, EGridLayout::P9, "01/01/2026 - Stage 1, Protein Day 1"},
        {3, true, EGridLayout::P9, "01/04/2026 - Stage 1, Week 1 Day 1 Protein Day"},
        {37, false, EGridLayout::N21, "02/07/2026 - Stage 1, Week 5 Day 7"},
        {38, false, EGridLayout::N24, "02/08/2026 - Stage 2, Week 6 Day 1"},
        {38, true, EGridLayout::P10, "02/08/2026 - Stage 1, Week 6 Day 1 Protein Day"},
        {52, false, EGridLayout::N26, "02/22/2026 - Stage 2, Week 8 Day 1"},
        {60, true, EGridLayout::P11, "03/02/2026 - Stage 1, Week 9 Day 2 Protein Day"},
    };
    for (const auto& c : cases) {
        CDailyInfo& day = DayAt(c.dayNumber);
        day.isProteinDay = c.check;
        CDayEntry entry(*m_app);
        entry.SetDay(&day, true);
        EXPECT_EQ(entry.Layout(), c.layout) << c.dayNumber;
        EXPECT_EQ(entry.m_strDate, c.dateLine);
    }
}

TEST_F(DayEntryTest, LayoutsShowTheirSlotsInOrder)
{
    // The grid's six layouts, slot by slot.
    struct
    {
        int dayNumber;
        bool check;
        std::vector<int> slots;
    } cases[] = {
        {0, false, {0, 1, 5, 6, 7, 15, 16, 17, 25}},
        {40, true, {0, 1, 5, 6, 7, 15, 16, 17, 18, 25}},
        {60, true, {0, 1, 5, 6, 7, 8, 15, 16, 17, 18, 25}},
        {10, false, {0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 23, 24, 25}},
        {40, false, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
        {60, false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
    };
    for (const auto& c : cases) {
        CDailyInfo& day = DayAt(c.dayNumber);
        day.isProteinDay = c.check;
        CDayEntry entry(*m_app);
        entry.SetDay(&day, true);
        EXPECT_EQ(ShownPositions(entry), c.slots) << c.dayNumber << (c.check ? " protein" : "");
    }
}

TEST_F(DayEntryTest, ProteinClickChangesLayoutAndKeepsTypedText)
{
    CDailyInfo& day = DayAt(10);
    CDayEntry entry(*m_app);
    entry.SetDay(&day, true);
    EXPECT_EQ(entry.m_strWeight, "180.00");
    EXPECT_EQ(entry.m_nRows, 21);
    entry.m_strWeight = "179";
    entry.m_strSteps = "4000";
    for (int round = 0; round < 3; ++round) {
        entry.ProteinDayClicked(true);
        EXPECT_EQ(entry.m_nRows, 9);
        EXPECT_EQ(entry.m_strDate, "01/11/2026 - Stage 1, Week 2 Day 1 Protein Day");
        entry.ProteinDayClicked(false);
        EXPECT_EQ(entry.m_nRows, 21);
        EXPECT_EQ(entry.m_strDate, "01/11/2026 - Stage 1, Week 2 Day 1");
    }
    EXPECT_EQ(entry.m_strWeight, "179");
    EXPECT_EQ(entry.m_strSteps, "4000");
    EXPECT_FALSE(day.isProteinDay);   // only OK writes the flag
}

TEST_F(DayEntryTest, NeededProteinDayForcesTheCheck)
{
    CDailyInfo& past = DayAt(10);
    m_app->m_bProteinDayNeeded = true;
    CDayEntry entry(*m_app);
    entry.SetDay(&past, true);
    EXPECT_TRUE(entry.m_bProteinDay);
    entry.ProteinDayClicked(false);
    EXPECT_TRUE(entry.m_bProteinDay);
    EXPECT_EQ(entry.m_nRows, 9);
}

TEST_F(DayEntryTest, GridCells)
{
    CDailyInfo& day = DayAt(60);
    day.Lsupplement = true;
    day.slots[0] = {"Eggs", "2 large", 1};
    CDayEntry entry(*m_app);
    entry.SetDay(&day, true);
    ASSERT_EQ(entry.m_nRows, 26);

    EXPECT_EQ(entry.Cell(0, 0).text, "   Breakfast");
    EXPECT_EQ(entry.Cell(0, 0).image, -1);
    EXPECT_EQ(entry.Cell(0, 1).text, "Supplements");
    EXPECT_EQ(entry.Cell(0, 1).image, 0);
    EXPECT_EQ(entry.Cell(6, 1).image, 1);   // lunch header, flag set
    EXPECT_EQ(entry.Cell(0, 2).text, "");
    EXPECT_EQ(entry.Cell(1, 0).text, "Protein");
    EXPECT_EQ(entry.Cell(1, 1).text, "Eggs");
    EXPECT_EQ(entry.Cell(1, 2).text, "2 large");
    EXPECT_EQ(entry.Cell(1, 3).text, "1");
    EXPECT_EQ(entry.Cell(2, 3).text, "0");   // never filled
    EXPECT_EQ(entry.Cell(25, 0).text, "Protein Snack");
    EXPECT_EQ(entry.Cell(26, 0).text, "");   // past the last row
}

TEST_F(DayEntryTest, SupplementToggleOnlyOnHeaderRows)
{
    CDailyInfo& day = DayAt(60);
    CDayEntry entry(*m_app);
    entry.SetDay(&day, true);
    EXPECT_TRUE(entry.ToggleSupplement(16));
    EXPECT_TRUE(day.Dsupplement);
    EXPECT_TRUE(entry.ToggleSupplement(16));
    EXPECT_FALSE(day.Dsupplement);
    EXPECT_FALSE(entry.ToggleSupplement(1));
    EXPECT_FALSE(entry.ToggleSupplement(-1));
    EXPECT_FALSE(day.BFsupplement || day.Lsupplement || day.Dsupplement);
}

TEST_F(DayEntryTest, SlotEditRecountsAllSlotsHiddenOnesIncluded)
{
    CDailyInfo& day = DayAt(40);
    day.slots[19].carbs = 30;   // dinner grain, hidden on a stage 2 protein day
    day.isProteinDay = true;
    CDayEntry entry(*m_app);
    entry.SetDay(&day, true);
    ASSERT_EQ(entry.Layout(), EGridLayout::P10);

    EXPECT_FALSE(entry.OpenSlot(0));   // header
    EXPECT_FALSE(entry.OpenSlot(10));  // outside the grid
    auto info = entry.OpenSlot(8);     // dinner protein 2
    ASSERT_TRUE(info);
    EXPECT_EQ(info->m_strTitle, "Dinner Protein #2");
    EXPECT_EQ(info->m_strCarbs, "0");
    info->m_strItem = "Steak";
    info->m_strSize = "8 oz";
    info->m_strCarbs = "2.9 g";
    entry.ApplySlot(8, *info);
    EXPECT_EQ(day.slots[15], (MealSlot{"Steak", "8 oz", 2}));
    EXPECT_EQ(day.carbs, 32);
}

TEST_F(DayEntryTest, MealInfoTitlesAsDesigned)
{
    CDailyInfo& day = DayAt(60);
    CDayEntry entry(*m_app);
    entry.SetDay(&day, true);
    const std::vector<std::pair<int, const char*>> titles = {
        {9, "Lunch Veggetible"}, {14, "Lunch Misc."}, {24, "Dinner Misc"}, {8, "Lunch Protein #2"},
        {5, "Breakfast Protein Snack"}};
    for (const auto& [row, title] : titles)
        EXPECT_EQ(entry.OpenSlot(row)->m_strTitle, title);
}

TEST_F(DayEntryTest, FinishingKeepsWholePoundsAndSaves)
{
    CDailyInfo& first = *m_app->m_days.front();
    CDayEntry entry(*m_app);
    entry.SetDay(&first, true);
    entry.m_strWeight = "81.5";
    entry.m_strSteps = " 4000 ";
    entry.m_bProteinDay = true;
    entry.FinishDay(*m_app);
    EXPECT_EQ(first.weight, 81.0);
    EXPECT_EQ(first.steps, 4000);

    const auto again = Restart(m_dir);
    CDayEntry reopened(*again);
    reopened.SetDay(again->m_days.front().get(), true);
    EXPECT_EQ(reopened.m_strWeight, "81.00");
    EXPECT_TRUE(reopened.m_bProteinDay);
}

TEST_F(DayEntryTest, FailedSaveKeepsTheDayAsItWas)
{
    CDailyInfo& first = *m_app->m_days.front();
    first.slots[0].item = std::string(41, 'x');   // too long for the table
    CDayEntry entry(*m_app);
    entry.SetDay(&first, true);
    entry.m_strWeight = "190";
    EXPECT_THROW(entry.FinishDay(*m_app), CDbException);
    EXPECT_EQ(first.weight, 0.0);
}
