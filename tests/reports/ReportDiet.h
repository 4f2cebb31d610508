#pragma once

#include "store/DailyInfo.h"

#include <initializer_list>
#include <vector>

/// One day of a test diet: weight in pounds (0 = unweighed), carbs, protein flag.
struct STestDay
{
    double weight = 0;
    int carbs = 0;
    bool protein = false;
};

/// The diet's first day in every report test: 01/15/2006.
inline CDateTime TestDietStart()
{
    return CDateTime::FromDate(2006, 1, 15);
}

/// Consecutive days from 01/15/2006.
inline CDayList MakeDiet(const std::vector<STestDay>& days)
{
    CDayList list;
    for (size_t i = 0; i < days.size(); ++i) {
        auto day = std::make_unique<CDailyInfo>(TestDietStart().AddDays(static_cast<int>(i)), 0, 0);
        day->weight = days[i].weight;
        day->carbs = days[i].carbs;
        day->isProteinDay = days[i].protein;
        list.push_back(std::move(day));
    }
    return list;
}

/// Consecutive days from 01/15/2006 with these weights, no carbs, no protein days.
inline CDayList MakeDietOfWeights(std::initializer_list<double> weights)
{
    std::vector<STestDay> days;
    for (const double w : weights)
        days.push_back({w});
    return MakeDiet(days);
}
