#include "reports/Affirmation.h"
#include "reports/ReportDiet.h"
#include "reports/SummaryReport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

/// The affirmation line of a whole Summary page: the text between the
/// results' "<p>" and the closing paragraph's "<p>".
std::string AffirmationOf(const CDayList& days)
{
    const std::string page = SummaryPageText(days);
    const size_t from = page.find("<p>") + 3;
    return page.substr(from, page.find("<p>", from) - from);
}

/// A first diet losing `pounds` in one step, or a comeback after a gain day.
std::string LossLine(double pounds, bool comeback)
{
    return AffirmationOf(comeback ? MakeDietOfWeights({300, 301, 301 - pounds})
                                  : MakeDietOfWeights({300, 300 - pounds}));
}

} // namespace

TEST(Affirmation, LossLinesChangeAtEachThresholdInBothColumns)
{
    // One row per column proves the choice of column and the texts' odd characters.
    EXPECT_EQ(LossLine(17, false), "Almost 20 pounds... Amazing!");
    EXPECT_EQ(LossLine(17, true), "Coming up to 20 pounds\xE2\x80\xA6WOW!!!");
    EXPECT_EQ(LossLine(12.5, false), "Great drive &amp; determination!");
    EXPECT_EQ(LossLine(0.25, false), "");
    const double thresholds[] = {50, 40, 35, 30, 25, 20, 17, 15, 14, 12, 10, 9, 8,
                                 7, 6, 5, 4.5, 4, 3.5, 3, 2.5, 2, 1.5, 1, 0.5};
    for (const double t : thresholds)
        for (const bool comeback : {false, true}) {
            EXPECT_NE(LossLine(t, comeback), LossLine(t - 0.25, comeback)) << t << (comeback ? " comeback" : "");
            // Already past the threshold the day before, the next one not reached: no line.
            SAffirmationInputs in;
            in.lastStep = 0.25;
            in.lossDays = 2;
            in.gainDays = comeback;
            in.cur = 2;
            in.lastHigh = 300;
            in.currentWeight = in.lastLow = 300 - t - 0.25;
            in.downNow = t + 0.25;
            in.downBefore = t;
            EXPECT_EQ(Affirmation(in), "") << t;
        }
}

TEST(Affirmation, PlateauRunWhenTheWeightDidNotChange)
{
    const auto line = [](int run) {
        SAffirmationInputs in;
        in.plateauRun = run;
        in.gainDays = 3;   // the plateau rule comes first, whatever else happened
        in.cur = 10;
        in.currentWeight = 200;
        in.lastLow = 190;
        return std::string(Affirmation(in));
    };
    EXPECT_EQ(line(2), "");
    EXPECT_EQ(line(3), "You will break out soon");
    for (int run = 4; run <= 7; ++run)
        EXPECT_NE(line(run), line(run - 1)) << run;
    EXPECT_EQ(line(12), line(7));
}

TEST(Affirmation, GainRulesByUpNow)
{
    const struct
    {
        const char* why;
        int gainDays, lossDays, gainStreak;
        double upNow, upBefore;
        const char* line;
    } cases[] = {
        // B: the first gain of a diet without losses, by up-now
        {"B", 1, 0, 1, 0.4, 0, ""},
        {"B", 1, 0, 1, 0.5, 0, "Make tomorrow a protein day"},
        {"B", 1, 0, 1, 1.0, 0, "Be sure to list everything you eat"},
        {"B", 1, 0, 1, 1.5, 0, "Protein day now and tomorrow"},
        {"B", 1, 0, 1, 2.49, 0, "You are having a problem with this"},
        {"B", 1, 0, 1, 2.5, 0, "RESTART diet from Stage 1"},
        // C: more gains without losses, crossings only
        {"C", 2, 0, 2, 2.5, 2.4, "RESTART diet from Stage 1"},
        {"C", 2, 0, 2, 2.0, 1.0, "There is a problem with your carb intake"},
        {"C", 2, 0, 2, 1.5, 1.0, "There is a problem with your carb intake"},
        {"C", 3, 0, 3, 1.0, 0.5, "Be sure to count all the carbs you eat"},
        {"C", 2, 0, 2, 0.5, 0.0, "Be sure to count all the carbs you eat"},
        {"C", 2, 0, 2, 1.9, 1.5, ""},
        {"C", 2, 0, 2, 0.4, 0.0, ""},
        // D, one gain step after losses: by up-now
        {"D1", 1, 1, 1, 0.49, 0, ""},
        {"D1", 1, 1, 1, 0.5, 0, "This is likely just water"},
        {"D1", 2, 3, 1, 1.5, 0, "You must do a protein day"},
        {"D1", 2, 3, 1, 2.5, 0, "The diet has problems and may not succeed"},
        {"D1", 2, 3, 1, 3.0, 0, "RESTART diet from Stage 1"},
        // D, a gain streak: crossings only
        {"D", 2, 1, 2, 5.0, 4.9, "RESTART diet from Stage 1"},
        {"D", 2, 1, 2, 5.5, 5.0, ""},
        {"D", 2, 1, 2, 3.0, 1.0, "STOP!! You are YO YO'ing and gaining weight"},
        {"D", 2, 1, 2, 2.5, 2.0, "The diet has problems and may not succeed"},
        {"D", 2, 1, 2, 2.0, 1.9, "This has happened before, watch carb intake"},
        {"D", 2, 1, 2, 1.5, 1.0, "You must do a protein day"},
        {"D", 2, 1, 2, 1.0, 0.5, "Watch your carb intake"},
        {"D", 2, 1, 2, 0.5, 0.0, "This is likely water"},
        {"D", 2, 1, 2, 0.4, 0.0, ""},
    };
    for (const auto& c : cases) {
        SAffirmationInputs in;
        in.lastStep = -0.5;
        in.gainDays = c.gainDays;
        in.lossDays = c.lossDays;
        in.gainStreak = c.gainStreak;
        in.cur = 5;
        in.lastLow = 190;
        in.currentWeight = in.lastHigh = 190 + c.upNow;
        in.upNow = c.upNow;
        in.upBefore = c.upBefore;
        EXPECT_EQ(Affirmation(in), c.line) << c.why << " up-now " << c.upNow << " up-before " << c.upBefore;
    }
}

TEST(Affirmation, WholeDietsPickTheirRule)
{
    const struct { std::initializer_list<double> weights; const char* line; } cases[] = {
        {{200}, ""},                                                    // a single day
        {{200, 200, 200, 200}, "You will break out soon"},              // three plateaus
        {{200, 200, 200, 200, 199}, "Congratulations 1 down!"},         // a loss ends the plateau run
        {{200, 201}, "Be sure to list everything you eat"},             // first gain
        {{200, 200, 202.5}, "RESTART diet from Stage 1"},               // first gain after a plateau
        {{200, 201, 202}, "There is a problem with your carb intake"},  // second gain without losses
        {{200, 198, 199}, "This is likely just water"},                 // one gain after a loss
        {{200, 198, 199, 201}, "STOP!! You are YO YO'ing and gaining weight"},   // gain streak crossing 3
        {{200, 198, 199, 199, 199.4}, ""},   // a plateau does not end a gain streak: a streak of 1 would say "water"
        {{200, 198, 199, 199, 200}, "This has happened before, watch carb intake"},   // the streak stays at 2
        {{200, 198, 201, 199}, "You are a winner!"},                    // loss after a gain: the comeback column
        {{200, 198, 0, 150}, "2 pounds, and going strong!"},            // an unweighed day ends the walk
    };
    for (const auto& [weights, line] : cases)
        EXPECT_EQ(AffirmationOf(MakeDietOfWeights(weights)), line) << *(weights.end() - 1);
}
