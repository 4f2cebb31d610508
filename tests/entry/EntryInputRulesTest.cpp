#include "entry/EntryInputRules.h"

#include <gtest/gtest.h>

TEST(EntryInputRules, WeightStepsAndCarbsRanges)
{
    struct
    {
        const char* weight;
        const char* steps;
        std::optional<EDayField> refused;
    } cases[] = {
        {"182.6", "4000", std::nullopt},        // a fraction is cut later, not refused
        {"", "0", std::nullopt},                // a day without a weight
        {"1000", "200000", std::nullopt},
        {"1000.5", "0", EDayField::Weight},
        {"-1", "0", EDayField::Weight},
        {"abc", "0", EDayField::Weight},
        {"180", "200001", EDayField::Steps},
        {"180", "12.5", EDayField::Steps},
        {"1e9", "0", EDayField::Weight},       // once saved as 1
        {"201abc", "0", EDayField::Weight},    // once saved as 201
        {"inf", "0", EDayField::Weight},
        {"1.2.3", "0", EDayField::Weight},
        {"99999999999", "0", EDayField::Weight},
        {"180", "-3", EDayField::Steps},
    };
    for (const auto& c : cases) {
        const auto error = ValidateDayEntry(c.weight, c.steps);
        ASSERT_EQ(error.has_value(), c.refused.has_value()) << c.weight << " / " << c.steps;
        if (error) {
            EXPECT_EQ(error->field, *c.refused) << c.weight << " / " << c.steps;
        }
    }
    EXPECT_NE(ValidateDayEntry("1001", "0")->message.find("0 and 1000"), std::string::npos);
    EXPECT_FALSE(ValidateSlotCarbs("99999"));
    EXPECT_NE(ValidateSlotCarbs("100000")->find("0 and 99999"), std::string::npos);
    EXPECT_TRUE(ValidateSlotCarbs("3.5"));
    EXPECT_EQ(StoredWeightText("182.6"), "182.00");
    EXPECT_EQ(StoredWeightText("x"), "x");
}
