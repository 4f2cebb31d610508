#pragma once

#include <string_view>

/// Where the latest weighed step leaves the diet, as the Summary report's
/// affirmation rules read it. Weights and distances in pounds.
struct SAffirmationInputs
{
    double lastStep = 0;        ///< previous weight - current weight; positive = loss, 0 = no step
    int plateauRun = 0;         ///< no-change steps ending at the latest step
    int gainDays = 0;
    int lossDays = 0;
    int gainStreak = 0;         ///< gain steps ending at the latest step, plateaus skipped
    int cur = 0;                ///< index of the current day
    double currentWeight = 0;
    double lastLow = 0;         ///< weight at the latest loss step, else day 0's
    double lastHigh = 0;        ///< weight at the latest gain step, else day 0's
    double upNow = 0;           ///< current weight - last low, after a gain step
    double upBefore = 0;        ///< previous weight - last low, after a gain step
    double downNow = 0;         ///< last high - current weight, after a loss step
    double downBefore = 0;      ///< last high - previous weight, after a loss step
};

/// The one motivational or warning line of the first rule that applies
/// (plateau, first gain, repeated gains, gain, loss); empty for none.
std::string_view Affirmation(const SAffirmationInputs& in);
