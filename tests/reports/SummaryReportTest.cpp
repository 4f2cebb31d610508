#include "reports/SummaryReport.h"
#include "reports/ReportDiet.h"

#include <gtest/gtest.h>

namespace {

const std::string kSeeSaw =
    " This indicates a see-saw action which requires you to study the carb intake at those incidents<br>";

} // namespace

TEST(SummaryReport, WalkCountsEveryKindOfStep)
{
    // +1 (first step), 0, +1 (after no change), -2, 0, +3 (after no change)
    const CDayList days = MakeDietOfWeights({200, 201, 201, 202, 200, 200, 203});
    const SSummaryWalk walk = WalkWeighedDays(days, 7);
    EXPECT_EQ(walk.gainDays, 3);
    EXPECT_EQ(walk.lossDays, 1);
    EXPECT_EQ(walk.plateaus, 2);
    EXPECT_EQ(walk.plateauRun, 0);
    EXPECT_EQ(walk.gainIncidents, 3);
    EXPECT_DOUBLE_EQ(walk.totalGained, 5);
    EXPECT_EQ(walk.gainStreak, 1);
    EXPECT_DOUBLE_EQ(walk.lastLow, 200);
    EXPECT_DOUBLE_EQ(walk.lastHigh, 203);
    EXPECT_DOUBLE_EQ(walk.lastStep, -3);
}

TEST(SummaryReport, GainIncidentsAreGainsNotRightAfterALoss)
{
    // -2, +1, -2, +1, 0: both gains follow a loss
    const SSummaryWalk seeSaw = WalkWeighedDays(MakeDietOfWeights({200, 198, 199, 197, 198, 198}), 6);
    EXPECT_EQ(seeSaw.gainIncidents, 0);
    EXPECT_EQ(seeSaw.gainDays, 2);
    EXPECT_EQ(seeSaw.gainStreak, 1);    // the no-change step keeps it
    EXPECT_EQ(seeSaw.plateauRun, 1);
    EXPECT_DOUBLE_EQ(seeSaw.lastLow, 197);
    EXPECT_DOUBLE_EQ(seeSaw.lastHigh, 198);
    EXPECT_DOUBLE_EQ(seeSaw.lastStep, 0);

    // A gain after a gain is a new incident too.
    EXPECT_EQ(WalkWeighedDays(MakeDietOfWeights({200, 201, 202}), 3).gainIncidents, 2);
    // Only the days walked count.
    EXPECT_EQ(WalkWeighedDays(MakeDietOfWeights({200, 201, 202}), 2).gainIncidents, 1);
}

TEST(SummaryReport, SteadyLoss)
{
    EXPECT_EQ(SummaryPageText(MakeDietOfWeights({200, 199, 198})),
              "<font face=Arial><h3>01/17/2006 - Stage 1, Protein Day 3</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 198.00 pounds<br>"
              "From the start of the diet you have lost  2.00 pounds<p>"
              "2 pounds, and going strong!"
              "<p>"
              "You have lost continuously on this diet with 0 plateaus\n"
              "</font>");
}

TEST(SummaryReport, PlateauFromTheStart)
{
    EXPECT_EQ(SummaryPageText(MakeDietOfWeights({200, 200, 200, 200})),
              "<font face=Arial><h3>01/18/2006 - Stage 1, Week 1 Day 1</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 200.00 pounds<br>"
              "You weigh the same as the start of the diet<p>"
              "You will break out soon"
              "<p>"
              "You have lost  0.00 lbs over the course of this diet with 3 plateaus" + kSeeSaw +
              "</font>");
}

TEST(SummaryReport, FirstDayGained)
{
    EXPECT_EQ(SummaryPageText(MakeDietOfWeights({200, 201})),
              "<font face=Arial><h3>01/16/2006 - Stage 1, Protein Day 2</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 201.00 pounds<br>"
              "From the start of the diet you have gained  1.00 pounds<p>"
              "Be sure to list everything you eat"
              "<p>"
              "You have gained more weight on this diet than you have lost. "
              "We strongly urge you to restart the diet with 3 protein days "
              "and be sure that you are accurately counting all the carbohydrates you eat, "
              "that you exercise at least 30 minutes of gentle walking per day and "
              "that you drink at least 60 ounces of water per day<br>"
              "</font>");
}

TEST(SummaryReport, SeeSawWithGainIncidents)
{
    // +1 (incident), -2, 0, +1 (incident), -3 on a normal day of week 1
    CDayList days = MakeDietOfWeights({200, 201, 199, 199, 200, 197});
    days[2]->isProteinDay = true;   // only the current day's flag shapes the heading
    EXPECT_EQ(SummaryPageText(days),
              "<font face=Arial><h3>01/20/2006 - Stage 1, Week 1 Day 3</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 197.00 pounds<br>"
              "From the start of the diet you have lost  3.00 pounds<p>"
              "You can do this NOW!"
              "<p>"
              "You have lost  3.00 lbs over the course of this diet with 1 plateaus"
              " but you have gained weight to a max of  1.00 lbs per incident 2 times. " + kSeeSaw +
              "</font>");
}

TEST(SummaryReport, ProteinDayInStageTwoKeepsStageOneWording)
{
    std::vector<STestDay> plan(41, STestDay{200});
    plan.back() = {199.5, 0, true};
    EXPECT_EQ(SummaryPageText(MakeDiet(plan)),
              "<font face=Arial><h3>02/24/2006 - Stage 1, Week 6 Day 3 Protein Day</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 199.50 pounds<br>"
              "From the start of the diet you have lost  0.50 pounds<p>"
              "Good start"
              "<p>"
              "You have lost continuously on this diet with 39 plateaus\n"
              "</font>");
}

TEST(SummaryReport, SingleWeighedDay)
{
    EXPECT_EQ(SummaryPageText(MakeDietOfWeights({200})),
              "<font face=Arial><h3>01/15/2006 - Stage 1, Protein Day 1</h3>"
              "You started on 01/15/2006 at 200.00 pounds<br>"
              "Today you weighted 200.00 pounds<br>"
              "You weigh the same as the start of the diet<p>"
              "<p>"
              "You have lost  0.00 lbs over the course of this diet with 0 plateaus" + kSeeSaw +
              "</font>");
}

TEST(SummaryReport, FirstDayNotWeighed)
{
    EXPECT_EQ(SummaryPageText(MakeDietOfWeights({0, 190})),
              "<font face=Arial><h3>01/15/2006 - Stage 1, Protein Day 1</h3>"
              "<p>"
              "You have not entered any weights yet\n"
              "</font>");
}

TEST(SummaryReport, EmptyDietShowsAShortPage)
{
    EXPECT_EQ(SummaryPageText(CDayList{}), kNoDaysSummaryPage);
}
