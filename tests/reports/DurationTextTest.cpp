#include "reports/DurationText.h"

#include <gtest/gtest.h>

TEST(DurationText, FollowsTheTable)
{
    const std::pair<int, const char*> cases[] = {
        {-3, "1 day"},  // nothing below one day
        {0, "1 day"},          {2, "2 days"},          {6, "6 days"},   {7, "1 week"},
        {8, "1 week 1 days"},  // plural kept
        {13, "1 week 6 days"}, {14, "2 weeks"},        {17, "2 weeks 3 days"},
    };
    for (const auto& [days, text] : cases)
        EXPECT_EQ(DurationText(days), text) << days;
}
