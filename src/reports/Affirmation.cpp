#include "reports/Affirmation.h"

#include <span>

namespace {

struct SThreshold
{
    double pounds;
    std::string_view line;
};

// The first row from the top whose threshold `now` has reached; "at least"
// includes equality.
std::string_view FirstReached(std::span<const SThreshold> rows, double now)
{
    for (const auto& row : rows)
        if (now >= row.pounds)
            return row.line;
    return {};
}

// The first row from the top that `now` has reached and `before` had not:
// a line shows once, on the step that crosses its threshold.
std::string_view FirstCrossed(std::span<const SThreshold> rows, double now, double before)
{
    for (const auto& row : rows)
        if (now >= row.pounds && before < row.pounds)
            return row.line;
    return {};
}

constexpr SThreshold kPlateau[] = {
    {7, "Do protein days now until you break out"},
    {6, "Won't last much longer"},
    {5, "Sometimes it's tough to break out"},
    {4, "This is normal and you will lose soon"},
    {3, "You will break out soon"},
};

constexpr SThreshold kFirstGain[] = {
    {2.5, "RESTART diet from Stage 1"},
    {2.0, "You are having a problem with this"},
    {1.5, "Protein day now and tomorrow"},
    {1.0, "Be sure to list everything you eat"},
    {0.5, "Make tomorrow a protein day"},
};

constexpr SThreshold kGainsWithoutLoss[] = {
    {2.5, "RESTART diet from Stage 1"},
    {2.0, "There is a problem with your carb intake"},
    {1.5, "There is a problem with your carb intake"},
    {1.0, "Be sure to count all the carbs you eat"},
    {0.5, "Be sure to count all the carbs you eat"},
};

constexpr SThreshold kSingleGainStep[] = {
    {3.0, "RESTART diet from Stage 1"},
    {2.5, "The diet has problems and may not succeed"},
    {2.0, "You must do a protein day"},
    {1.5, "You must do a protein day"},
    {1.0, "This is likely just water"},
    {0.5, "This is likely just water"},
};

constexpr SThreshold kGainStreak[] = {
    {5.0, "RESTART diet from Stage 1"},
    {3.0, "STOP!! You are YO YO'ing and gaining weight"},
    {2.5, "The diet has problems and may not succeed"},
    {2.0, "This has happened before, watch carb intake"},
    {1.5, "You must do a protein day"},
    {1.0, "Watch your carb intake"},
    {0.5, "This is likely water"},
};

// The ellipsis in two lines is U+2026, one character; the 17-pound
// first-diet line has three dots.
constexpr SThreshold kLossFirstDiet[] = {
    {50, "A job well done, have a treat!"},
    {40, "Another amazing milestone!"},
    {35, "You have beat the odds!"},
    {30, "You are an inspiration to those behind!"},
    {25, "You are on your way to your goal!"},
    {20, "You need smaller clothes"},
    {17, "Almost 20 pounds... Amazing!"},
    {15, "Another Milestone! Get smaller clothes"},
    {14, "You should be very proud of yourself!"},
    {12, "Great drive &amp; determination!"},
    {10, "Congratulations!!! 10 pounds lost!"},
    {9, "Keep it up, don't look back"},
    {8, "Almost 10 pounds lost\u2026WOW!"},
    {7, "You look great!"},
    {6, "This is becoming easier now!"},
    {5, "You are very dedicated!"},
    {4.5, "Your goal is much closer now!"},
    {4, "WOW and all in a row!"},
    {3.5, "Feel lighter, you look it!"},
    {3, "Keep looking forward!"},
    {2.5, "You are a winner!"},
    {2, "2 pounds, and going strong!"},
    {1.5, "Keep it going, what a streak!"},
    {1, "Congratulations 1 down!"},
    {0.5, "Good start"},
};

constexpr SThreshold kLossComeback[] = {
    {50, "A job well done, have a treat!"},
    {40, "Another amazing milestone!"},
    {35, "You have beat the odds!"},
    {30, "You are an inspiration to those behind!"},
    {25, "You are on your way to your goal!"},
    {20, "You need smaller clothes"},
    {17, "Coming up to 20 pounds\u2026WOW!!!"},
    {15, "You look great and feel better too!"},
    {14, "Good job!"},
    {12, "Your hard work and restarts has paid off!"},
    {10, "Amazing and you look fabulous!"},
    {9, "You can do this, 1 more pound."},
    {8, "Only 2 more pounds to 10 pounds LOST!!!"},
    {7, "Getting close to 10 pounds!!!"},
    {6, "You are looking great!"},
    {5, "Keep walking for 30 minutes per day"},
    {4.5, "Burn those pounds away!"},
    {4, "Don't look back, keep going!"},
    {3.5, "Feel lighter, you look it!"},
    {3, "You can do this NOW!"},
    {2.5, "You are burning it up!"},
    {2, "You are a winner!"},
    {1.5, "Keep it up!"},
    {1, "You are on your way!"},
    {0.5, "Good job"},
};

} // namespace

std::string_view Affirmation(const SAffirmationInputs& in)
{
    if (in.lastStep == 0)
        return FirstReached(kPlateau, in.plateauRun);
    if (in.gainDays == 1 && in.lossDays == 0 && in.cur > 0)
        return FirstReached(kFirstGain, in.upNow);
    if (in.gainDays > 1 && in.lossDays == 0 && in.cur > 0)
        return FirstCrossed(kGainsWithoutLoss, in.upNow, in.upBefore);
    if (in.currentWeight > in.lastLow) {
        if (in.gainStreak == 1)
            return FirstReached(kSingleGainStep, in.upNow);
        return FirstCrossed(kGainStreak, in.upNow, in.upBefore);
    }
    if (in.currentWeight < in.lastHigh)
        return FirstCrossed(in.gainDays == 0 ? kLossFirstDiet : kLossComeback, in.downNow, in.downBefore);
    return {};
}
