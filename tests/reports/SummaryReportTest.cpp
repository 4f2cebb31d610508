#include "reports/SummaryReport.h"
#include "reports/ReportDiet.h"

#include <gtest/gtest.h>

TEST(SummaryReport, WalkCountsEveryKindOfStep)
{
    const auto walked = [](std::initializer_list<double> weights, int count) {
        const SSummaryWalk w = WalkWeighedDays(MakeDietOfWeights(weights), count);
        return std::vector<double>{double(w.gainDays), double(w.lossDays), double(w.plateaus), double(w.plateauRun),
                                   double(w.gainIncidents), w.totalGained, double(w.gainStreak), w.lastLow, w.lastHigh,
                                   w.lastStep};
    };
    // gain days, loss days, plateaus, plateau run, gain incidents, total gained, gain streak,
    // last low, last high, last step
    // +1 (first step), 0, +1 (after no change), -2, 0, +3 (after no change)
    EXPECT_EQ(walked({200, 201, 201, 202, 200, 200, 203}, 7), (std::vector<double>{3, 1, 2, 0, 3, 5, 1, 200, 203, -3}));
    // -2, +1, -2, +1, 0: gains right after a loss are no incidents; the no-change step keeps the streak
    EXPECT_EQ(walked({200, 198, 199, 197, 198, 198}, 6), (std::vector<double>{2, 2, 1, 1, 0, 2, 1, 197, 198, 0}));
    // A gain after a gain is a new incident too; only the days walked count.
    EXPECT_EQ(walked({200, 201, 202}, 3)[4], 2);
    EXPECT_EQ(walked({200, 201, 202}, 2)[4], 1);
}

TEST(SummaryReport, GoldenPages)
{
    const std::string seeSaw =
        " This indicates a see-saw action which requires you to study the carb intake at those incidents<br>";
    const std::string start = "You started on 01/15/2006 at 200.00 pounds<br>Today you weighted ";
    CDayList seeSawDays = MakeDietOfWeights({200, 201, 199, 199, 200, 197});
    seeSawDays[2]->isProteinDay = true;   // only the current day's flag shapes the heading
    std::vector<STestDay> stageTwo(41, STestDay{200});
    stageTwo.back() = {199.5, 0, true};
    const struct { const char* why; CDayList days; std::string heading, body; } cases[] = {
        {"steady loss", MakeDietOfWeights({200, 199, 198}), "01/17/2006 - Stage 1, Protein Day 3",
         start + "198.00 pounds<br>From the start of the diet you have lost  2.00 pounds<p>2 pounds, and going strong!"
                 "<p>You have lost continuously on this diet with 0 plateaus\n"},
        {"plateau from the start", MakeDietOfWeights({200, 200, 200, 200}), "01/18/2006 - Stage 1, Week 1 Day 1",
         start + "200.00 pounds<br>You weigh the same as the start of the diet<p>You will break out soon"
                 "<p>You have lost  0.00 lbs over the course of this diet with 3 plateaus" + seeSaw},
        {"first day gained", MakeDietOfWeights({200, 201}), "01/16/2006 - Stage 1, Protein Day 2",
         start + "201.00 pounds<br>From the start of the diet you have gained  1.00 pounds<p>"
                 "Be sure to list everything you eat<p>"
                 "You have gained more weight on this diet than you have lost. "
                 "We strongly urge you to restart the diet with 3 protein days "
                 "and be sure that you are accurately counting all the carbohydrates you eat, "
                 "that you exercise at least 30 minutes of gentle walking per day and "
                 "that you drink at least 60 ounces of water per day<br>"},
        // +1 (incident), -2, 0, +1 (incident), -3 on a normal day of week 1
        {"see-saw with gain incidents", std::move(seeSawDays), "01/20/2006 - Stage 1, Week 1 Day 3",
         start + "197.00 pounds<br>From the start of the diet you have lost  3.00 pounds<p>You can do this NOW!<p>"
                 "You have lost  3.00 lbs over the course of this diet with 1 plateaus"
                 " but you have gained weight to a max of  1.00 lbs per incident 2 times. " + seeSaw},
        {"protein day in stage 2 keeps stage 1 wording", MakeDiet(stageTwo),
         "02/24/2006 - Stage 1, Week 6 Day 3 Protein Day",
         start + "199.50 pounds<br>From the start of the diet you have lost  0.50 pounds<p>Good start<p>"
                 "You have lost continuously on this diet with 39 plateaus\n"},
        {"single weighed day", MakeDietOfWeights({200}), "01/15/2006 - Stage 1, Protein Day 1",
         start + "200.00 pounds<br>You weigh the same as the start of the diet<p><p>"
                 "You have lost  0.00 lbs over the course of this diet with 0 plateaus" + seeSaw},
        {"first day not weighed", MakeDietOfWeights({0, 190}), "01/15/2006 - Stage 1, Protein Day 1",
         "<p>You have not entered any weights yet\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SummaryPageText(c.days), "<font face=Arial><h3>" + c.heading + "</h3>" + c.body + "</font>") << c.why;
    EXPECT_EQ(SummaryPageText(CDayList{}), kNoDaysSummaryPage);
}
