#include "reports/StatusAdvisor.h"

#include "app/LeanlogApp.h"
#include "base/StrPrintf.h"
#include "reports/DurationText.h"
#include "reports/StatusAdvice.h"
#include "reports/WeighedRun.h"

#include <algorithm>

namespace {

constexpr int kMaintenanceFrom = 52;   // the first day after stage 2
constexpr int kRecentDays = 7;
constexpr int kTrendFrom = 8;          // the trend needs more than a week

const CDailyInfo& Day(const CDayList& days, int i)
{
    return *days[static_cast<size_t>(i)];
}

void ScanWeighedRun(const CDayList& days, const SWeighedRun& run, SStatusFacts& facts)
{
    long long carbsSum = 0;
    for (int i = 0; i < run.length; ++i) {
        const CDailyInfo& day = Day(days, i);
        carbsSum += day.carbs;
        facts.averageCarbs = static_cast<int>(carbsSum / (i + 1));
        if (i < kMaintenanceFrom)
            continue;
        if (facts.maintenanceMin > day.weight)
            facts.maintenanceMin = TruncateToInt(day.weight);
        if (facts.maintenanceMax < day.weight)
            facts.maintenanceMax = TruncateToInt(day.weight);
        ++facts.maintenanceDays;
    }
}

int RecentCarbs(const CDayList& days, int cur)
{
    const int first = std::max(0, cur - (kRecentDays - 1));
    long long sum = 0;
    for (int i = first; i <= cur; ++i)
        sum += Day(days, i).carbs;
    return static_cast<int>(sum / (cur - first + 1));
}

int ProteinStreak(const CDayList& days, int cur)
{
    int streak = 1;
    for (int i = cur - 1; streak < 3 && i >= 0 && Day(days, i).isProteinDay; --i)
        ++streak;
    return streak;
}

bool RecentProteinDay(const CDayList& days, int cur)
{
    if (cur < kRecentDays)
        return true;
    for (int i = cur - 1; i >= cur - kRecentDays; --i)
        if (Day(days, i).isProteinDay)
            return true;
    return false;
}

void AnswerKetosisOnce(const CDailyInfo& current, std::int32_t& ketosisAnswer, CKetosisQuestion& question)
{
    if (current.isProteinDay && ketosisAnswer == -1)
        ketosisAnswer = question.AskInKetosis() ? 1 : 0;
}

std::string HistoryText(const CDayList& days, std::int32_t goalWeight, const SStatusFacts& facts)
{
    const CDailyInfo& first = Day(days, 0);
    if (first.weight == 0)
        return "You have not entered any weights yet";
    const double current = Day(days, facts.cur).weight;
    std::string text = StrPrintf("You started on %s at %5.2f pounds<br>", first.date.Format("%m/%d/%Y").c_str(),
                                 first.weight);
    text += StrPrintf("You lost %5.2f pounds / week over %s<br>", facts.rate * 7,
                      DurationText(facts.days + 1).c_str());
    text += StrPrintf("You consumed an average of %d carbs a day<br>", facts.averageCarbs);
    text += "<h4>Results To Date</h4>";
    text += StrPrintf("Your goal weight was %d<br>", goalWeight);
    text += StrPrintf("Your current weight is %5.2f<br>", current);
    if (goalWeight >= current)
        return text + "You have achieved your goal weight<br>";
    text += StrPrintf("You have %5.2f pounds to go<br>", current - goalWeight);
    if (facts.rate > 0) {
        const int daysToGoal = TruncateToInt((current - goalWeight) / facts.rate);
        text += StrPrintf("At your current rate of %5.2f pounds / week you will reach your goal in %s<br>",
                          facts.rate * 7, DurationText(daysToGoal).c_str());
    }
    return text;
}

std::string MaintenanceText(const CDayList& days, std::int32_t goalWeight, const SStatusFacts& facts)
{
    std::string text = StrPrintf("You weighed in at %d pounds at the start of your diet<br>",
                                 TruncateToInt(Day(days, 0).weight));
    if (facts.rate > 0)
        text += StrPrintf("You lost %5.2f pounds per week in the process<br>", facts.rate * 7);
    else if (facts.rate < 0)
        text += StrPrintf("You gained %5.2f pounds per day in the process<br>", facts.rate * -7);
    else
        text += "You still weigh the same now<br>";
    text += StrPrintf("Your goal weight was %d<br>", goalWeight);
    const std::string duration = facts.maintenanceDays > 0 ? DurationText(facts.maintenanceDays) : "";
    text += StrPrintf("You maintained between %d and %d pounds over the last %s<br>", facts.maintenanceMin,
                      facts.maintenanceMax, duration.c_str());
    return text;
}

std::string PreviousDietsText(const std::vector<std::int16_t>& previousResults)
{
    std::string text;
    int k = 0;
    for (const int result : previousResults) {
        ++k;
        if (result > 0)
            text += StrPrintf("Try # %d using the diet you lost %d pounds<br>", k, result);
        else if (result < 0)
            text += StrPrintf("Try # %d using the diet you gained %d pounds<br>", k, -result);
        else
            text += StrPrintf("Try # %d using the diet you stayed the same weight<br>", k);
    }
    return text;
}

std::string_view Trend(const CDayList& days, int cur)
{
    return TrendLine(AverageWeight(days, cur - 15, cur - 6), AverageWeight(days, cur - 9, cur),
                     AverageWeight(days, cur - 15, cur));
}

} // namespace

SStatusFacts GatherStatusFacts(const CDayList& days)
{
    const SWeighedRun run = FindWeighedRun(days);
    SStatusFacts facts;
    facts.cur = run.cur;
    facts.days = run.days;
    ScanWeighedRun(days, run, facts);
    if (facts.days > 0)
        facts.rate = (Day(days, 0).weight - Day(days, run.cur).weight) / facts.days;
    facts.heading = ReportHeading(days, run);
    facts.recentCarbs = RecentCarbs(days, run.cur);
    facts.proteinStreak = ProteinStreak(days, run.cur);
    facts.recentProteinDay = RecentProteinDay(days, run.cur);
    return facts;
}

std::string StatusPageText(const CDayList& days, std::int32_t goalWeight,
                           const std::vector<std::int16_t>& previousResults, std::int32_t& ketosisAnswer,
                           bool& proteinDayNeeded, CKetosisQuestion& question)
{
    proteinDayNeeded = false;
    if (days.empty())
        return kNoDaysStatusPage;
    const SStatusFacts facts = GatherStatusFacts(days);
    const CDailyInfo& current = Day(days, facts.cur);
    AnswerKetosisOnce(current, ketosisAnswer, question);
    const SAdvice advice = ChooseAdvice({current.isProteinDay, ketosisAnswer, current.carbs, facts.recentCarbs,
                                         facts.proteinStreak, facts.days, facts.recentProteinDay});
    proteinDayNeeded = advice.proteinDayNeeded;

    std::string html = "<font face=Arial>";
    html += "<h3>" + facts.heading + "</h3>";
    html += "Start here every day for up to the minute information and instruction, personalized for you.";
    html += "<h4>Daily Instruction</h4>";
    html += advice.line;
    html += "<h4>Diet History (This Cycle)</h4>";
    html += HistoryText(days, goalWeight, facts);
    if (facts.days >= kMaintenanceFrom)
        html += MaintenanceText(days, goalWeight, facts);
    else
        html += PreviousDietsText(previousResults);
    if (facts.cur >= kTrendFrom) {
        html += "<h4>Trends</h4>";
        html += Trend(days, facts.cur);
    }
    html += "</font>";
    return html;
}

std::string StatusPageText(CLeanlogApp& app, CKetosisQuestion& question)
{
    return StatusPageText(app.m_days, app.m_nGoalWeight, app.m_previousDietResults, app.m_nKetosisAnswer,
                          app.m_bProteinDayNeeded, question);
}
