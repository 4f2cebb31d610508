#include "reports/StatusAdvisor.h"
#include "reports/ReportDiet.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

/// One build of the page with the advisor's state kept between builds.
struct SAdvisorRun
{
    std::int32_t ketosisAnswer = -1;
    bool proteinDayNeeded = false;
    CScriptedKetosisAnswer question;

    std::string Build(const CDayList& days, std::int32_t goal, const std::vector<std::int16_t>& previous = {})
    {
        return StatusPageText(days, goal, previous, ketosisAnswer, proteinDayNeeded, question);
    }
};

const std::string kOpening = "<font face=Arial><h3>";
const std::string kIntro =
    "</h3>Start here every day for up to the minute information and instruction, personalized for you."
    "<h4>Daily Instruction</h4>";

std::vector<STestDay> DaysOfWeight(int count, double weight, int carbs = 0)
{
    return std::vector<STestDay>(static_cast<size_t>(count), STestDay{weight, carbs, false});
}

} // namespace

TEST(StatusAdvisor, FiveDayDietWithPreviousDiets)
{
    const CDayList days = MakeDiet({{200, 0, true}, {199, 0, true}, {198, 0, true}, {198, 2000}, {196, 3000}});
    SAdvisorRun run;
    run.proteinDayNeeded = true;   // left from an earlier build
    EXPECT_EQ(run.Build(days, 150, {12, -3, 0}),
              kOpening + "01/19/2006 - Stage 1, Week 1 Day 2" + kIntro +
                  "You can continue with a normal day.<br>"
                  "<h4>Diet History (This Cycle)</h4>"
                  "You started on 01/15/2006 at 200.00 pounds<br>"
                  "You lost  7.00 pounds / week over 5 days<br>"
                  "You consumed an average of 1000 carbs a day<br>"
                  "<h4>Results To Date</h4>"
                  "Your goal weight was 150<br>"
                  "Your current weight is 196.00<br>"
                  "You have 46.00 pounds to go<br>"
                  "At your current rate of  7.00 pounds / week you will reach your goal in 6 weeks 4 days<br>"
                  "Try # 1 using the diet you lost 12 pounds<br>"
                  "Try # 2 using the diet you gained 3 pounds<br>"
                  "Try # 3 using the diet you stayed the same weight<br>"
                  "</font>");
    EXPECT_FALSE(run.proteinDayNeeded);
    EXPECT_EQ(run.question.asked, 0);
    EXPECT_EQ(run.ketosisAnswer, -1);
}

TEST(StatusAdvisor, TwelveDaysEndingOnAProteinDayInKetosis)
{
    std::vector<STestDay> plan;
    for (int i = 0; i < 12; ++i)
        plan.push_back({200.0 - i, 1000, i >= 10});
    plan.back().carbs = 10001;
    const CDayList days = MakeDiet(plan);
    SAdvisorRun run;
    run.question = CScriptedKetosisAnswer(true);
    EXPECT_EQ(run.Build(days, 150),
              kOpening + "01/26/2006 - Stage 1, Week 2 Day 2 Protein Day" + kIntro +
                  "You had too many carbs yesterday and need another protein day<br>"
                  "<h4>Diet History (This Cycle)</h4>"
                  "You started on 01/15/2006 at 200.00 pounds<br>"
                  "You lost  7.00 pounds / week over 1 week 5 days<br>"
                  "You consumed an average of 1750 carbs a day<br>"
                  "<h4>Results To Date</h4>"
                  "Your goal weight was 150<br>"
                  "Your current weight is 189.00<br>"
                  "You have 39.00 pounds to go<br>"
                  "At your current rate of  7.00 pounds / week you will reach your goal in 5 weeks 4 days<br>"
                  "<h4>Trends</h4>"
                  "Your weight is trending downward<br>"
                  "</font>");
    EXPECT_TRUE(run.proteinDayNeeded);
    EXPECT_EQ(run.question.asked, 1);
    EXPECT_EQ(run.ketosisAnswer, 1);
}

TEST(StatusAdvisor, MaintenanceAfterStageTwo)
{
    // 210, then 180 through day 51, then four maintenance days; goal 185.
    std::vector<STestDay> plan = DaysOfWeight(56, 180, 100);
    plan[0].weight = 210;
    plan[0].protein = plan[1].protein = plan[2].protein = true;
    plan[52].weight = 190;
    plan[53].weight = 192;
    plan[54].weight = 191;
    plan[55].weight = 189;
    const CDayList days = MakeDiet(plan);
    SAdvisorRun run;
    EXPECT_EQ(run.Build(days, 185, {5}),   // earlier diets are not listed in maintenance
              kOpening + "03/11/2006 - Stage 2, Week 8 Day 4" + kIntro +
                  "Today needs to be a protein day.<br>"
                  "<h4>Diet History (This Cycle)</h4>"
                  "You started on 01/15/2006 at 210.00 pounds<br>"
                  "You lost  2.67 pounds / week over 8 weeks<br>"
                  "You consumed an average of 100 carbs a day<br>"
                  "<h4>Results To Date</h4>"
                  "Your goal weight was 185<br>"
                  "Your current weight is 189.00<br>"
                  "You have  4.00 pounds to go<br>"
                  "At your current rate of  2.67 pounds / week you will reach your goal in 1 week 3 days<br>"
                  "You weighed in at 210 pounds at the start of your diet<br>"
                  "You lost  2.67 pounds per week in the process<br>"
                  "Your goal weight was 185<br>"
                  "You maintained between 189 and 192 pounds over the last 4 days<br>"
                  "<h4>Trends</h4>"
                  "Your weight is trending upwards<br>"
                  "</font>");
    EXPECT_TRUE(run.proteinDayNeeded);
}

TEST(StatusAdvisor, FirstDayNotWeighedYet)
{
    const CDayList days = MakeDiet({{0, 0, false}});
    SAdvisorRun run;
    EXPECT_EQ(run.Build(days, 150, {-3}),
              kOpening + "01/15/2006 - Stage 1, Protein Day 1" + kIntro +
                  "Continue with a regular protein day diet.<br>"
                  "<h4>Diet History (This Cycle)</h4>"
                  "You have not entered any weights yet"
                  "Try # 1 using the diet you gained 3 pounds<br>"
                  "</font>");
}

TEST(StatusAdvisor, EmptyDietShowsAShortPageAndNeedsNoProteinDay)
{
    SAdvisorRun run;
    run.proteinDayNeeded = true;
    EXPECT_EQ(run.Build(CDayList{}, 150), kNoDaysStatusPage);
    EXPECT_FALSE(run.proteinDayNeeded);
    EXPECT_EQ(run.question.asked, 0);
}

TEST(StatusAdvisor, CurrentDayIsTheLastOfTheWeighedRun)
{
    const struct { const char* why; std::vector<STestDay> days; int cur, elapsed; double rate; } cases[] = {
        {"second day not weighed", {{200}, {0}}, 0, 0, 0},
        {"first day not weighed", {{0}, {190}, {189}}, 0, 0, 0},
        {"a gap ends the run", {{200}, {198}, {0}, {150}}, 1, 1, 2},
        {"every day weighed", {{200}, {199}, {197}, {196}}, 3, 3, 4.0 / 3},
        {"a gain makes the rate negative", {{200}, {202}}, 1, 1, -2},
    };
    for (const auto& c : cases) {
        const SStatusFacts facts = GatherStatusFacts(MakeDiet(c.days));
        EXPECT_EQ(facts.cur, c.cur) << c.why;
        EXPECT_EQ(facts.days, c.elapsed) << c.why;
        EXPECT_DOUBLE_EQ(facts.rate, c.rate) << c.why;
    }
    CDayList skipped = MakeDietOfWeights({200, 199, 198});
    skipped[2]->date = CDateTime(skipped[0]->date.Days() + 9.9);   // days were skipped; 9.9 days is 9
    const SStatusFacts facts = GatherStatusFacts(skipped);
    EXPECT_EQ(facts.days, 9);
    EXPECT_DOUBLE_EQ(facts.rate, 2.0 / 9);
    EXPECT_EQ(facts.heading, "01/24/2006 - Stage 1, Week 1 Day 7");
}

TEST(StatusAdvisor, CarbsAveragesTruncate)
{
    std::vector<STestDay> plan;
    for (int i = 0; i < 10; ++i)
        plan.push_back({200, i < 3 ? 10 : 1});
    plan.push_back({0, 5000});   // not weighed: outside the run
    const SStatusFacts facts = GatherStatusFacts(MakeDiet(plan));
    EXPECT_EQ(facts.averageCarbs, (30 + 7) / 10);
    EXPECT_EQ(facts.recentCarbs, 1);   // the last seven days
    EXPECT_EQ(GatherStatusFacts(MakeDiet({{200, 7}, {199, 2}})).recentCarbs, 4);   // 9 / 2, over the days there are
}

TEST(StatusAdvisor, ProteinStreakAndRecentProteinDay)
{
    // 'P' a protein day, '-' a normal day.
    const auto facts = [](const std::string& flags) {
        std::vector<STestDay> plan;
        for (const char f : flags)
            plan.push_back({200, 0, f == 'P'});
        return GatherStatusFacts(MakeDiet(plan));
    };
    EXPECT_EQ(facts("--").proteinStreak, 1);   // the current day counts whatever its flag
    EXPECT_EQ(facts("PP").proteinStreak, 2);
    EXPECT_EQ(facts("PPPPP").proteinStreak, 3);
    EXPECT_EQ(facts("P-P").proteinStreak, 1);
    EXPECT_TRUE(facts("-------").recentProteinDay);   // cur 6 < 7
    EXPECT_FALSE(facts("--------").recentProteinDay);
    EXPECT_TRUE(facts("P-------").recentProteinDay);   // cur - 7
    EXPECT_FALSE(facts("P--------").recentProteinDay);
    EXPECT_FALSE(facts("--------P").recentProteinDay);   // the current day does not count
}

TEST(StatusAdvisor, KetosisQuestionIsAskedOncePerRun)
{
    const CDayList normal = MakeDiet({{200, 0, false}});
    const CDayList protein = MakeDiet({{200, 0, true}, {199, 0, true}});
    SAdvisorRun run;
    run.Build(normal, 150);
    EXPECT_EQ(run.question.asked, 0);   // not a protein day: not asked
    EXPECT_EQ(run.ketosisAnswer, -1);
    const std::string first = run.Build(protein, 150);
    EXPECT_EQ(run.question.asked, 1);
    EXPECT_EQ(run.ketosisAnswer, 0);
    EXPECT_NE(first.find("Today needs to be another protein day<br>"), std::string::npos);
    EXPECT_TRUE(run.proteinDayNeeded);
    EXPECT_EQ(run.Build(protein, 150), first);
    EXPECT_EQ(run.question.asked, 1);   // the No is kept for the run
    run.Build(normal, 150);
    EXPECT_FALSE(run.proteinDayNeeded);   // recomputed on every build
}

TEST(StatusAdvisor, RateGoalMaintenanceAndTrendLines)
{
    const auto maintained = [](double last) {
        std::vector<STestDay> plan = DaysOfWeight(53, 200);
        plan.back().weight = last;
        return plan;
    };
    std::vector<STestDay> range = DaysOfWeight(60, 180);
    range[52].weight = 181.7;
    range[53].weight = 179.4;
    const struct { std::vector<STestDay> days; int goal; const char* expected; } cases[] = {
        {{{150}}, 150, "Your current weight is 150.00<br>You have achieved your goal weight<br>"},
        {{{160}, {150}}, 151, "Your current weight is 150.00<br>You have achieved your goal weight<br>"},
        // losing nothing or gaining: no "current rate" line
        {{{160}, {160}}, 150, "Your current weight is 160.00<br>You have 10.00 pounds to go<br></font>"},
        {{{160}, {162}}, 150, "Your current weight is 162.00<br>You have 12.00 pounds to go<br></font>"},
        {{{200}, {201}, {202}}, 150, "You lost -7.00 pounds / week over 3 days<br>"},   // a gain as a negative loss
        {maintained(190), 150, "You lost  1.35 pounds per week in the process<br>"},   // 10 pounds over 52 days
        {maintained(200), 150, "You still weigh the same now<br>"},
        {maintained(205), 150, "You gained  0.67 pounds per day in the process<br>"},   // reads "per day" but is x 7
        {range, 150, "You maintained between 179 and 181 pounds over the last 1 week 1 days<br>"},   // weights truncate
        // from the ninth day (cur 8), the ranges clipped at day 0
        {DaysOfWeight(9, 200), 150, "<h4>Trends</h4>Your weight trend is neutral<br></font>"},
    };
    for (const auto& c : cases) {
        SAdvisorRun run;
        EXPECT_NE(run.Build(MakeDiet(c.days), c.goal).find(c.expected), std::string::npos) << c.expected;
    }
    SAdvisorRun run;
    EXPECT_EQ(run.Build(MakeDiet(DaysOfWeight(8, 200)), 150).find("<h4>Trends</h4>"), std::string::npos);   // cur 7
}
