#include "diet/DietCalendar.h"

#include <gtest/gtest.h>

// The offered rows themselves, layout by layout, are checked through the day entry.
TEST(DietCalendar, LabelAndMealRowsByDayIndexAndFlag)
{
    const struct { int n; double weight; bool protein; const char* label; int rows; } cases[] = {
        {0, 0, false, "02/10/2026 - missing", 9},                            // missing wins over every phase
        {40, 0, true, "02/10/2026 - missing", 10},
        {0, 180, false, "02/10/2026 - Stage 1, Protein Day 1", 9},
        {2, 180, false, "02/10/2026 - Stage 1, Protein Day 3", 9},           // get-ready days ignore the flag
        {1, 180, true, "02/10/2026 - Stage 1, Protein Day 2", 9},
        {3, 180, false, "02/10/2026 - Stage 1, Week 1 Day 1", 21},
        {3, 180, true, "02/10/2026 - Stage 1, Week 1 Day 1 Protein Day", 9},
        {37, 180, false, "02/10/2026 - Stage 1, Week 5 Day 7", 21},
        {38, 180, false, "02/10/2026 - Stage 2, Week 6 Day 1", 24},
        {38, 180, true, "02/10/2026 - Stage 1, Week 6 Day 1 Protein Day", 10},   // stage 2 keeps stage 1 wording
        {51, 180, false, "02/10/2026 - Stage 2, Week 7 Day 7", 24},
        {52, 180, false, "02/10/2026 - Stage 2, Week 8 Day 1", 26},
        {52, 180, true, "02/10/2026 - Stage 1, Week 8 Day 1 Protein Day", 11},
        {400, 180, false, "02/10/2026 - Stage 2, Week 57 Day 6", 26},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayLabel(CDateTime::FromDate(2026, 2, 10), c.n, c.weight, c.protein), c.label) << "n=" << c.n;
        EXPECT_EQ(GetMealRows(c.n, c.protein).count, c.rows) << "n=" << c.n << " protein=" << c.protein;
    }
}
