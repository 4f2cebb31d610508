#include "reports/SummaryReport.h"
#include "support/RunProcess.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

namespace {

SProcessResult Cli(const CTempDataDir& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), {LEANLOG_CLI_PATH, "--data-dir", dir.Path()});
    return RunProcess(args);
}

/// A diet started with new-diet on 01/15/2006, goal 150, whose three
/// get-ready protein days were then weighed 200, 199 and 198.
void MakeThreeProteinDays(const CTempDataDir& dir)
{
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-01-15", "--goal", "150"}).exitCode, 0);
    const auto app = Restart(dir);
    ASSERT_EQ(app->m_days.size(), 1u);
    CDailyInfo& first = *app->m_days.front();
    first.weight = 200;
    first.isProteinDay = true;
    app->SaveDailyInfo(first);
    for (int i = 1; i < 3; ++i) {
        auto& day = *app->m_days.emplace_back(std::make_unique<CDailyInfo>(first.date.AddDays(i), 200 - i, 0));
        day.isProteinDay = true;
        app->SaveDailyInfo(day);
    }
}

const std::string kStatusStart =
    "<font face=Arial><h3>01/17/2006 - Stage 1, Protein Day 3</h3>"
    "Start here every day for up to the minute information and instruction, personalized for you."
    "<h4>Daily Instruction</h4>";
const std::string kStatusHistory =
    "<h4>Diet History (This Cycle)</h4>"
    "You started on 01/15/2006 at 200.00 pounds<br>"
    "You lost  7.00 pounds / week over 3 days<br>"
    "You consumed an average of 0 carbs a day<br>"
    "<h4>Results To Date</h4>"
    "Your goal weight was 150<br>"
    "Your current weight is 198.00<br>"
    "You have 48.00 pounds to go<br>"
    "At your current rate of  7.00 pounds / week you will reach your goal in 6 weeks 6 days<br>"
    "</font>\n";

} // namespace

TEST(ReportCommands, StatusAnswersTheKetosisQuestionFromItsOption)
{
    CTempDataDir dir;
    MakeThreeProteinDays(dir);
    const struct
    {
        std::vector<std::string> args;
        std::string advice;
    } cases[] = {
        {{"status"}, "Please visit summary tab for more information<br>"},   // no option: No, streak 3
        {{"status", "--ketosis", "no"}, "Please visit summary tab for more information<br>"},
        {{"status", "--ketosis", "yes"}, "You can return to a normal day<br>"},
    };
    for (const auto& c : cases) {
        const auto result = Cli(dir, c.args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, kStatusStart + c.advice + kStatusHistory) << c.args.back();
        EXPECT_EQ(result.err, "");
    }
}

TEST(ReportCommands, SummaryPrintsThePageTheWindowShows)
{
    // The page's wording has its golden tests in SummaryReportTest; here the
    // command must print exactly the core's text of the stored diet.
    CTempDataDir dir;
    MakeThreeProteinDays(dir);
    const auto result = Cli(dir, {"summary"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, SummaryPageText(*Restart(dir)) + "\n");
    EXPECT_EQ(result.err, "");
}

TEST(ReportCommands, NewDietListsTheEarlierOne)
{
    CTempDataDir dir;
    MakeThreeProteinDays(dir);
    ASSERT_EQ(Cli(dir, {"new-diet", "--start", "2006-02-01", "--goal", "150"}).exitCode, 0);
    EXPECT_EQ(Cli(dir, {"status"}).out,
              "<font face=Arial><h3>02/01/2006 - Stage 1, Protein Day 1</h3>"
              "Start here every day for up to the minute information and instruction, personalized for you."
              "<h4>Daily Instruction</h4>"
              "Continue with a regular protein day diet.<br>"
              "<h4>Diet History (This Cycle)</h4>"
              "You have not entered any weights yet"
              "Try # 1 using the diet you lost 2 pounds<br>"
              "</font>\n");
    EXPECT_EQ(Cli(dir, {"summary"}).out,
              "<font face=Arial><h3>02/01/2006 - Stage 1, Protein Day 1</h3>"
              "<p>"
              "You have not entered any weights yet\n"
              "</font>\n");
}

TEST(ReportCommands, BadUsageAndMissingDiet)
{
    CTempDataDir dir;
    const std::vector<std::vector<std::string>> usage = {
        {"status", "--ketosis", "maybe"},
        {"status", "--ketosis", "YES"},
        {"status", "--ketosis"},
        {"status", "extra"},
        {"summary", "extra"},
        {"summary", "--ketosis", "yes"},
    };
    for (const auto& args : usage) {
        const auto result = Cli(dir, args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(result.out, "");
    }
    for (const char* command : {"status", "summary"}) {
        const auto result = Cli(dir, {command});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_NE(result.err.find("new-diet"), std::string::npos) << result.err;
    }
}
