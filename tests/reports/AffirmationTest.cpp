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

// The loss table: threshold, first-diet line, comeback line.
const struct
{
    double pounds;
    const char* firstDiet;
    const char* comeback;
} kLossRows[] = {
    {50, "A job well done, have a treat!", "A job well done, have a treat!"},
    {40, "Another amazing milestone!", "Another amazing milestone!"},
    {35, "You have beat the odds!", "You have beat the odds!"},
    {30, "You are an inspiration to those behind!", "You are an inspiration to those behind!"},
    {25, "You are on your way to your goal!", "You are on your way to your goal!"},
    {20, "You need smaller clothes", "You need smaller clothes"},
    {17, "Almost 20 pounds... Amazing!", "Coming up to 20 pounds\xE2\x80\xA6WOW!!!"},
    {15, "Another Milestone! Get smaller clothes", "You look great and feel better too!"},
    {14, "You should be very proud of yourself!", "Good job!"},
    {12, "Great drive &amp; determination!", "Your hard work and restarts has paid off!"},
    {10, "Congratulations!!! 10 pounds lost!", "Amazing and you look fabulous!"},
    {9, "Keep it up, don't look back", "You can do this, 1 more pound."},
    {8, "Almost 10 pounds lost\xE2\x80\xA6WOW!", "Only 2 more pounds to 10 pounds LOST!!!"},
    {7, "You look great!", "Getting close to 10 pounds!!!"},
    {6, "This is becoming easier now!", "You are looking great!"},
    {5, "You are very dedicated!", "Keep walking for 30 minutes per day"},
    {4.5, "Your goal is much closer now!", "Burn those pounds away!"},
    {4, "WOW and all in a row!", "Don't look back, keep going!"},
    {3.5, "Feel lighter, you look it!", "Feel lighter, you look it!"},
    {3, "Keep looking forward!", "You can do this NOW!"},
    {2.5, "You are a winner!", "You are burning it up!"},
    {2, "2 pounds, and going strong!", "You are a winner!"},
    {1.5, "Keep it going, what a streak!", "Keep it up!"},
    {1, "Congratulations 1 down!", "You are on your way!"},
    {0.5, "Good start", "Good job"},
};

} // namespace

TEST(Affirmation, LossCrossingEachThresholdInBothColumns)
{
    ASSERT_EQ(std::size(kLossRows), 25u);
    for (const auto& row : kLossRows) {
        // No gain day yet: the first-diet column.
        EXPECT_EQ(AffirmationOf(MakeDietOfWeights({300, 300 - row.pounds})), row.firstDiet) << row.pounds;
        // After a gain day: the comeback column, measured from the last high.
        EXPECT_EQ(AffirmationOf(MakeDietOfWeights({300, 301, 301 - row.pounds})), row.comeback) << row.pounds;
    }
}

TEST(Affirmation, LossLinesShowOnlyOnTheCrossingStep)
{
    for (const auto& row : kLossRows) {
        // Already past the threshold the day before, next threshold not reached.
        SAffirmationInputs in;
        in.lastStep = 0.25;
        in.lossDays = 2;
        in.cur = 2;
        in.lastHigh = 300;
        in.currentWeight = in.lastLow = 300 - row.pounds - 0.25;
        in.downNow = row.pounds + 0.25;
        in.downBefore = row.pounds;
        EXPECT_EQ(Affirmation(in), "") << row.pounds;
    }
    // A big step crosses several thresholds: the highest one speaks.
    EXPECT_EQ(AffirmationOf(MakeDietOfWeights({300, 299, 286})), "You should be very proud of yourself!");
    // Just short of a threshold: the one below it, if not passed before.
    EXPECT_EQ(AffirmationOf(MakeDietOfWeights({300, 299.5, 298.25})), "Keep it going, what a streak!");
    EXPECT_EQ(AffirmationOf(MakeDietOfWeights({300, 299.75})), "");
}

TEST(Affirmation, PlateauRunWhenTheWeightDidNotChange)
{
    const struct
    {
        int run;
        const char* line;
    } cases[] = {
        {0, ""}, {1, ""}, {2, ""},
        {3, "You will break out soon"},
        {4, "This is normal and you will lose soon"},
        {5, "Sometimes it's tough to break out"},
        {6, "Won't last much longer"},
        {7, "Do protein days now until you break out"},
        {12, "Do protein days now until you break out"},
    };
    for (const auto& c : cases) {
        SAffirmationInputs in;
        in.plateauRun = c.run;
        in.gainDays = 3;   // the plateau rule comes first, whatever else happened
        in.cur = 10;
        in.currentWeight = 200;
        in.lastLow = 190;
        EXPECT_EQ(Affirmation(in), c.line) << c.run;
    }
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
        {"B", 1, 0, 1, 2.0, 0, "You are having a problem with this"},
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
        {"D1", 1, 1, 1, 1.0, 0, "This is likely just water"},
        {"D1", 2, 3, 1, 1.5, 0, "You must do a protein day"},
        {"D1", 2, 3, 1, 2.0, 0, "You must do a protein day"},
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
    const struct
    {
        const char* why;
        std::initializer_list<double> weights;
        const char* line;
    } cases[] = {
        {"single day", {200}, ""},
        {"three plateaus", {200, 200, 200, 200}, "You will break out soon"},
        {"a loss ends the plateau run", {200, 200, 200, 200, 199}, "Congratulations 1 down!"},
        {"first gain", {200, 201}, "Be sure to list everything you eat"},
        {"first gain after a plateau", {200, 200, 202.5}, "RESTART diet from Stage 1"},
        {"second gain without losses", {200, 201, 202}, "There is a problem with your carb intake"},
        {"one gain after a loss", {200, 198, 199}, "This is likely just water"},
        {"gain streak crossing 3", {200, 198, 199, 201}, "STOP!! You are YO YO'ing and gaining weight"},
        {"a plateau does not end a gain streak", {200, 198, 199, 199, 199.4}, ""},   // a streak of 1 would say "water"
        {"a plateau keeps the streak at 2", {200, 198, 199, 199, 200}, "This has happened before, watch carb intake"},
        {"loss after a gain uses the comeback column", {200, 198, 201, 199}, "You are a winner!"},
        {"unweighed day ends the walk", {200, 198, 0, 150}, "2 pounds, and going strong!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AffirmationOf(MakeDietOfWeights(c.weights)), c.line) << c.why;
}
