#include "reports/SummaryReport.h"

#include "app/LeanlogApp.h"
#include "base/StrPrintf.h"
#include "reports/Affirmation.h"
#include "reports/WeighedRun.h"

namespace {

double WeightOf(const CDayList& days, int i)
{
    return days[static_cast<size_t>(i)]->weight;
}

void CountStep(SSummaryWalk& walk, double previous, double weight)
{
    if (weight > previous) {
        if (walk.lastStep <= 0)
            ++walk.gainIncidents;
        ++walk.gainDays;
        walk.totalGained += weight - previous;
        walk.plateauRun = 0;
    } else if (weight < previous) {
        ++walk.lossDays;
        walk.plateauRun = 0;
    } else {
        ++walk.plateaus;
        ++walk.plateauRun;
    }
    walk.lastStep = previous - weight;
    if (walk.lastStep > 0) {
        walk.lastLow = weight;
        walk.gainStreak = 0;
    } else if (walk.lastStep < 0) {
        walk.lastHigh = weight;
        ++walk.gainStreak;
    }
}

SAffirmationInputs AffirmationInputs(const CDayList& days, const SWeighedRun& run, const SSummaryWalk& walk)
{
    SAffirmationInputs in;
    in.lastStep = walk.lastStep;
    in.plateauRun = walk.plateauRun;
    in.gainDays = walk.gainDays;
    in.lossDays = walk.lossDays;
    in.gainStreak = walk.gainStreak;
    in.cur = run.cur;
    in.currentWeight = WeightOf(days, run.cur);
    in.lastLow = walk.lastLow;
    in.lastHigh = walk.lastHigh;
    const double previous = run.cur > 0 ? WeightOf(days, run.cur - 1) : 0;
    if (walk.lastStep > 0) {
        in.downNow = walk.lastHigh - in.currentWeight;
        in.downBefore = walk.lastHigh - previous;
    } else if (walk.lastStep < 0) {
        in.upNow = in.currentWeight - walk.lastLow;
        in.upBefore = previous - walk.lastLow;
    }
    return in;
}

std::string ResultsText(double start, double current, CDateTime startDate)
{
    std::string text = StrPrintf("You started on %s at %5.2f pounds<br>", startDate.Format("%m/%d/%Y").c_str(), start);
    text += StrPrintf("Today you weighted %5.2f pounds<br>", current);
    const double totalLoss = start - current;
    if (start > current)
        text += StrPrintf("From the start of the diet you have lost %5.2f pounds<p>", totalLoss);
    else if (start < current)
        text += StrPrintf("From the start of the diet you have gained %5.2f pounds<p>", -totalLoss);
    else
        text += "You weigh the same as the start of the diet<p>";
    return text;
}

std::string ClosingParagraph(double start, double totalLoss, int cur, const SSummaryWalk& walk)
{
    if (start == 0)
        return "You have not entered any weights yet\n";
    if (walk.lossDays > 0 && walk.gainDays == 0 && cur > 0)
        return StrPrintf("You have lost continuously on this diet with %d plateaus\n", walk.plateaus);
    if (totalLoss >= 0) {
        std::string text = StrPrintf("You have lost %5.2f lbs over the course of this diet with %d plateaus",
                                     totalLoss, walk.plateaus);
        if (walk.gainIncidents > 0)
            text += StrPrintf(" but you have gained weight to a max of %5.2f lbs per incident %d times. ",
                              walk.totalGained / walk.gainIncidents, walk.gainIncidents);
        return text + " This indicates a see-saw action which requires you to study the carb intake at those incidents<br>";
    }
    return "You have gained more weight on this diet than you have lost. "
           "We strongly urge you to restart the diet with 3 protein days "
           "and be sure that you are accurately counting all the carbohydrates you eat, "
           "that you exercise at least 30 minutes of gentle walking per day and "
           "that you drink at least 60 ounces of water per day<br>";
}

} // namespace

SSummaryWalk WalkWeighedDays(const CDayList& days, int length)
{
    SSummaryWalk walk;
    if (length == 0)
        return walk;
    walk.lastLow = walk.lastHigh = WeightOf(days, 0);
    for (int i = 1; i < length; ++i)
        CountStep(walk, WeightOf(days, i - 1), WeightOf(days, i));
    return walk;
}

std::string SummaryPageText(const CDayList& days)
{
    if (days.empty())
        return kNoDaysSummaryPage;
    const SWeighedRun run = FindWeighedRun(days);
    const SSummaryWalk walk = WalkWeighedDays(days, run.length);
    const double start = WeightOf(days, 0);
    const double current = WeightOf(days, run.cur);

    std::string html = "<font face=Arial>";
    html += "<h3>" + ReportHeading(days, run) + "</h3>";
    if (start > 0)
        html += ResultsText(start, current, days.front()->date);
    html += Affirmation(AffirmationInputs(days, run, walk));
    html += "<p>";
    html += ClosingParagraph(start, start - current, run.cur, walk);
    html += "</font>";
    return html;
}

std::string SummaryPageText(const CLeanlogApp& app)
{
    return SummaryPageText(app.m_days);
}
