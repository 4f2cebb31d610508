#include "reports/StatusAdvice.h"
#include "reports/ReportDiet.h"

#include <gtest/gtest.h>

#include <optional>

TEST(StatusAdvice, FirstMatchingRowOfTheTable)
{
    const std::string yesterday = "You had too many carbs yesterday and need ";
    const std::string recently = "You had too many carbs recently and need ";
    const std::string back = "You can return to a normal day<br>";
    const std::string summary = "Please visit summary tab for more information<br>";
    const std::string another = "Today needs to be another protein day<br>";
    const std::string normal = "You can continue with a normal day.<br>";
    const std::string needed = "Today needs to be a protein day.<br>";
    // Inputs: protein day, ketosis answer, carbs, recent carbs, protein streak, days, recent protein day.
    const struct { const char* why; SAdviceInputs in; std::string line; bool proteinDayNeeded; } cases[] = {
        // protein day, in ketosis
        {"ketosis, 10001 carbs", {true, 1, 10001, 0, 1, 20, false}, yesterday + "another protein day<br>", true},
        {"ketosis, 10000 carbs is not too many", {true, 1, 10000, 0, 1, 20, false}, back, false},
        {"ketosis, recent 5001, streak 2", {true, 1, 0, 5001, 2, 20, false}, recently + "another protein day<br>",
         true},
        {"ketosis, recent 5001 but streak 3", {true, 1, 0, 5001, 3, 20, false}, back, false},
        {"ketosis, recent 5000 is not too many", {true, 1, 0, 5000, 1, 20, false}, back, false},
        {"ketosis, the day's carbs win over streak 3", {true, 1, 20000, 9000, 3, 20, false},
         yesterday + "another protein day<br>", true},
        // protein day, not in ketosis (No or never asked)
        {"no ketosis, streak 3", {true, 0, 0, 0, 3, 20, false}, summary, false},
        {"no ketosis, streak 3 ignores carbs", {true, 0, 20000, 9000, 3, 20, false}, summary, false},
        {"no ketosis, streak 2", {true, 0, 0, 0, 2, 20, true}, another, true},
        {"not asked counts as no", {true, -1, 0, 0, 1, 1, true}, another, true},
        // normal day
        {"normal, 10001 carbs", {false, 1, 10001, 0, 1, 1, true}, yesterday + "a protein day.<br>", true},
        {"normal, 10000 carbs", {false, -1, 10000, 0, 1, 20, true}, normal, false},
        {"normal, recent 5001", {false, -1, 0, 5001, 1, 1, true}, recently + "a protein day.<br>", true},
        {"normal, recent 5000", {false, -1, 0, 5000, 1, 20, true}, normal, false},
        {"normal, day 3", {false, -1, 0, 0, 1, 3, false}, "Continue with a regular protein day diet.<br>", false},
        {"normal, day 4 with a recent protein day", {false, -1, 0, 0, 1, 4, true}, normal, false},
        {"normal, day 4 without", {false, -1, 0, 0, 1, 4, false}, needed, true},
        {"the ketosis answer does not matter on a normal day", {false, 1, 0, 0, 3, 30, false}, needed, true},
    };
    for (const auto& c : cases) {
        const SAdvice advice = ChooseAdvice(c.in);
        EXPECT_EQ(advice.line, c.line) << c.why;
        EXPECT_EQ(advice.proteinDayNeeded, c.proteinDayNeeded) << c.why;
    }
}

TEST(StatusAdvice, TrendHasAOnePoundMarginEachWay)
{
    const struct { std::optional<double> earlier, recent, whole; const char* line; } cases[] = {
        {200, 198.9, 198.9, "Your weight is trending downward<br>"},
        {200, 199, 198, "Your weight trend is neutral<br>"},   // recent exactly 1 below: not below the margin
        {200, 198, 199, "Your weight trend is neutral<br>"},   // whole must fall too
        {200, 201.1, 201.1, "Your weight is trending upwards<br>"},
        {200, 201, 202, "Your weight trend is neutral<br>"},
        {200, 202, 201, "Your weight trend is neutral<br>"},
        {std::nullopt, 150, 150, "Your weight trend is neutral<br>"},   // no weighed days in a range
        {200, std::nullopt, 150, "Your weight trend is neutral<br>"},
        {200, 150, std::nullopt, "Your weight trend is neutral<br>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrendLine(c.earlier, c.recent, c.whole), c.line)
            << c.earlier.value_or(0) << " " << c.recent.value_or(0) << " " << c.whole.value_or(0);
}

TEST(StatusAdvice, AverageWeightSkipsUnweighedAndOutOfRangeDays)
{
    const CDayList days = MakeDietOfWeights({200, 0, 196, 190, 0});
    EXPECT_DOUBLE_EQ(*AverageWeight(days, 0, 4), (200.0 + 196 + 190) / 3);
    EXPECT_DOUBLE_EQ(*AverageWeight(days, -15, 2), 198.0);     // clipped below 0
    EXPECT_DOUBLE_EQ(*AverageWeight(days, 3, 40), 190.0);      // clipped past the end
    EXPECT_EQ(AverageWeight(days, 4, 4), std::nullopt);        // only an unweighed day
    EXPECT_EQ(AverageWeight(days, 3, 2), std::nullopt);        // reversed
    EXPECT_EQ(AverageWeight(CDayList{}, 0, 10), std::nullopt);
}
