#include "entry/DayEntry.h"
#include "support/DietFixture.h"

#include <vector>

namespace {

class DayEntryTest : public CDietTest
{
protected:
    /// An entry open on a new day `dayNumber` days into the diet.
    CDayEntry Open(int dayNumber, bool protein = false)
    {
        CDailyInfo& day = AddDay(dayNumber);
        day.isProteinDay = protein;
        CDayEntry entry(*m_app);
        entry.SetDay(&day, true);
        return entry;
    }
};

} // namespace

TEST_F(DayEntryTest, SixLayoutsShowTheirSlotsInOrder)
{
    const struct { int dayNumber; bool check; EGridLayout layout; std::vector<int> slots; } cases[] = {
        {0, false, EGridLayout::P9, {0, 1, 5, 6, 7, 15, 16, 17, 25}},
        {40, true, EGridLayout::P10, {0, 1, 5, 6, 7, 15, 16, 17, 18, 25}},
        {60, true, EGridLayout::P11, {0, 1, 5, 6, 7, 8, 15, 16, 17, 18, 25}},
        {10, false, EGridLayout::N21, {0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 21, 23, 24, 25}},
        {40, false, EGridLayout::N24,
         {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
        {60, false, EGridLayout::N26,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}},
    };
    for (const auto& c : cases) {
        const CDayEntry entry = Open(c.dayNumber, c.check);
        std::vector<int> shown;
        for (int row = 0; row < entry.m_nRows; ++row)
            shown.push_back(entry.PositionAtRow(row));
        EXPECT_EQ(shown, c.slots) << c.dayNumber << (c.check ? " protein" : "");
        EXPECT_EQ(entry.Layout(), c.layout) << c.dayNumber;
    }
}

TEST_F(DayEntryTest, ProteinClickChangesLayoutAndKeepsTypedText)
{
    CDayEntry entry = Open(10);
    EXPECT_EQ(entry.m_strWeight, "180.00");
    entry.m_strWeight = "179";
    entry.m_strSteps = "4000";
    for (int round = 0; round < 2; ++round) {
        entry.ProteinDayClicked(true);
        EXPECT_EQ(entry.m_nRows, 9);
        EXPECT_EQ(entry.m_strDate, "01/11/2026 - Stage 1, Week 2 Day 1 Protein Day");
        entry.ProteinDayClicked(false);
        EXPECT_EQ(entry.m_nRows, 21);
        EXPECT_EQ(entry.m_strDate, "01/11/2026 - Stage 1, Week 2 Day 1");
    }
    EXPECT_EQ(entry.m_strWeight, "179");
    EXPECT_EQ(entry.m_strSteps, "4000");
    EXPECT_FALSE(entry.m_pDay->isProteinDay);   // only OK writes the flag

    m_app->m_bProteinDayNeeded = true;   // a needed protein day forces the check
    CDayEntry forced = Open(11);
    forced.ProteinDayClicked(false);
    EXPECT_TRUE(forced.m_bProteinDay);
    EXPECT_EQ(forced.m_nRows, 9);
}

TEST_F(DayEntryTest, GridCellsAndSupplementToggles)
{
    CDayEntry entry = Open(60);
    CDailyInfo& day = *entry.m_pDay;
    day.Lsupplement = true;
    day.slots[0] = {"Eggs", "2 large", 1};
    const std::vector<std::pair<std::pair<int, int>, const char*>> texts = {
        {{0, 0}, "   Breakfast"}, {{0, 1}, "Supplements"}, {{0, 2}, ""},     {{1, 0}, "Protein"},
        {{1, 1}, "Eggs"},         {{1, 2}, "2 large"},     {{1, 3}, "1"},    {{2, 3}, "0"},
        {{25, 0}, "Protein Snack"}, {{26, 0}, ""},   // past the last row
    };
    for (const auto& [cell, text] : texts)
        EXPECT_EQ(entry.Cell(cell.first, cell.second).text, text) << cell.first << "," << cell.second;
    EXPECT_EQ(entry.Cell(0, 0).image, -1);
    EXPECT_EQ(entry.Cell(0, 1).image, 0);
    EXPECT_EQ(entry.Cell(6, 1).image, 1);   // lunch header, flag set

    EXPECT_TRUE(entry.ToggleSupplement(16));
    EXPECT_TRUE(day.Dsupplement);
    EXPECT_TRUE(entry.ToggleSupplement(6));
    EXPECT_FALSE(day.Lsupplement);
    EXPECT_FALSE(entry.ToggleSupplement(1));
    EXPECT_FALSE(entry.ToggleSupplement(-1));
    EXPECT_FALSE(day.BFsupplement);
}

TEST_F(DayEntryTest, SlotEditRecountsAllSlotsHiddenOnesIncluded)
{
    CDayEntry entry = Open(40, true);
    CDailyInfo& day = *entry.m_pDay;
    day.slots[19].carbs = 30;   // dinner grain, hidden on a stage 2 protein day
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

TEST_F(DayEntryTest, FinishingKeepsWholePoundsAndSavesOrKeepsTheDayOnFailure)
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

    first.slots[0].item = std::string(41, 'x');   // too long for the table
    entry.m_strWeight = "190";
    EXPECT_THROW(entry.FinishDay(*m_app), CDbException);
    EXPECT_EQ(first.weight, 81.0);
}
