#include "diet/DietCalendar.h"

#include <gtest/gtest.h>

namespace {

const CDateTime kDay = CDateTime::FromDate(2026, 2, 10);

} // namespace

TEST(DietCalendar, LabelsFollowTheTableInOrder)
{
    struct
    {
        int n;
        double weight;
        bool protein;
        const char* label;
    } cases[] = {
        {0, 0, false, "02/10/2026 - missing"},                       // missing wins over every phase
        {40, 0, true, "02/10/2026 - missing"},
        {0, 180, false, "02/10/2026 - Stage 1, Protein Day 1"},
        {2, 180, false, "02/10/2026 - Stage 1, Protein Day 3"},
        {1, 180, true, "02/10/2026 - Stage 1, Protein Day 2"},
        {3, 180, false, "02/10/2026 - Stage 1, Week 1 Day 1"},
        {3, 180, true, "02/10/2026 - Stage 1, Week 1 Day 1 Protein Day"},
        {37, 180, false, "02/10/2026 - Stage 1, Week 5 Day 7"},
        {38, 180, false, "02/10/2026 - Stage 2, Week 6 Day 1"},
        {40, 180, true, "02/10/2026 - Stage 1, Week 6 Day 3 Protein Day"},  // stage 2 keeps stage 1 wording
        {51, 180, false, "02/10/2026 - Stage 2, Week 7 Day 7"},
        {52, 180, false, "02/10/2026 - Stage 2, Week 8 Day 1"},
        {60, 180, true, "02/10/2026 - Stage 1, Week 9 Day 2 Protein Day"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayLabel(kDay, c.n, c.weight, c.protein), c.label) << "n=" << c.n;
}

TEST(DietCalendar, StageLabelHasNoMissingForm)
{
    EXPECT_EQ(StageLabel(kDay, 0, false), "02/10/2026 - Stage 1, Protein Day 1");
    EXPECT_EQ(StageLabel(kDay, 45, false), "02/10/2026 - Stage 2, Week 7 Day 1");
}

TEST(DietCalendar, PhasesChangeAtTheirFirstDay)
{
    EXPECT_EQ(PhaseOf(2), EPhase::GetReady);
    EXPECT_EQ(PhaseOf(3), EPhase::Stage1);
    EXPECT_EQ(PhaseOf(37), EPhase::Stage1);
    EXPECT_EQ(PhaseOf(38), EPhase::Stage2);
    EXPECT_EQ(PhaseOf(51), EPhase::Stage2);
    EXPECT_EQ(PhaseOf(52), EPhase::AfterStage2);
}

TEST(DietCalendar, MealRowsPerPhaseAndFlag)
{
    struct
    {
        int n;
        bool protein;
        int rows;
    } cases[] = {
        {0, false, 9}, {2, true, 9},   {3, true, 9},   {3, false, 21}, {37, false, 21},
        {38, true, 10}, {40, true, 10}, {38, false, 24}, {51, false, 24}, {52, true, 11},
        {60, true, 11}, {52, false, 26}, {400, false, 26},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetMealRows(c.n, c.protein).count, c.rows) << "n=" << c.n << " protein=" << c.protein;
}

TEST(DietCalendar, MealRowsNumberOfferedPositionsInOrder)
{
    // Stage 2 protein day: supplements, proteins, the dinner second protein and the snacks.
    const SMealRows rows = GetMealRows(40, true);
    const int expected[kMealPositionCount] = {0, 1, -1, -1, -1, 2, 3, 4, -1, -1, -1, -1, -1,
                                              -1, -1, 5, 6, 7, 8, -1, -1, -1, -1, -1, -1, 9};
    for (int p = 0; p < kMealPositionCount; ++p)
        EXPECT_EQ(rows.row[static_cast<size_t>(p)], expected[p]) << "position " << p;

    // Stage 1 normal day hides breakfast grain and, later, second protein and grain.
    const SMealRows normal = GetMealRows(10, false);
    for (int hidden : {3, 8, 12, 18, 22})
        EXPECT_EQ(normal.row[static_cast<size_t>(hidden)], -1) << hidden;
    EXPECT_EQ(normal.row[25], 20);

    // Stage 2 normal day still hides the lunch second protein and lunch grain only.
    const SMealRows stage2 = GetMealRows(45, false);
    for (int p = 0; p < kMealPositionCount; ++p)
        EXPECT_EQ(stage2.row[static_cast<size_t>(p)] < 0, p == 8 || p == 12) << p;
}

TEST(DietCalendar, DayIndexTruncatesWholeDays)
{
    const CDateTime first = CDateTime::FromCivil({2026, 1, 10, 7, 0, 0});
    EXPECT_EQ(DayIndex(first, CDateTime(first.Days() + 2.9)), 2);
    EXPECT_EQ(DayIndex(first, first), 0);
    EXPECT_EQ(DayIndex(first, first.AddDays(52)), 52);
}
