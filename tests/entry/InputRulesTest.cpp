#include "entry/EntryText.h"
#include "entry/MealInfo.h"
#include "store/DailyInfo.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

TEST(InputRules, WeightAndStepsAreNumbersInTheirRanges)
{
    const std::optional<int> no;
    const struct
    {
        const char* text;
        std::optional<int> weight;
        std::optional<int> steps;
    } cases[] = {
        {"", 0, 0},                 // blank: a day without a weight
        {" 182.6 ", 182, no},       // a fraction is cut to the pound; steps are whole
        {"1000", 1000, 1000},
        {"1000.5", no, no},         // past the weight's top
        {"200000", no, 200000},
        {"200001", no, no},
        {"abc", no, no},            // once saved as 0
        {"-5", no, no},             // once saved as -5
        {"1e9", no, no},            // once saved as 1
        {"201abc", no, no},         // once saved as 201
        {"inf", no, no},
        {"1.2.3", no, no},
        {"99999999999", no, no},    // once saturated to 2147483647
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWeightText(c.text), c.weight) << '"' << c.text << '"';
        EXPECT_EQ(ParseStepsText(c.text), c.steps) << '"' << c.text << '"';
    }
}

TEST(InputRules, SlotCarbsOutsideZeroTo99999AreRefused)
{
    for (const auto& [carbs, refused] : {std::pair{"99999", false}, {"0", false}, {"100000", true}, {"-1", true},
                                         {"2147483648", true}}) {
        CMealInfo info;
        info.m_strCarbs = carbs;
        EXPECT_EQ(info.Validate().has_value(), refused) << carbs;
    }
}

TEST(InputRules, TheDaysCarbTotalNeverWraps)
{
    // A stored file may hold any 32-bit value per slot.
    CDailyInfo day(CDateTime::FromDate(2026, 1, 1), 0, 0);
    day.slots[0].carbs = INT_MAX;
    day.slots[1].carbs = 1;
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, INT_MAX);
    day.slots[0].carbs = INT_MIN;
    day.slots[1].carbs = -1;
    day.RecalcCarbs();
    EXPECT_EQ(day.carbs, INT_MIN);
}
