#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

namespace {

/// leanlog-cli on `dir` with the clock fixed at `now` ("YYYY-MM-DD hh:mm:ss").
SProcessResult CliAt(const CTempDataDir& dir, const std::string& now, std::vector<std::string> args)
{
    args.insert(args.begin(), {"faketime", now, LEANLOG_CLI_PATH, "--data-dir", dir.Path()});
    return RunProcess(args);
}

class EnterCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(CliAt(m_dir, "2026-03-01 08:00:00", {"new-diet", "--start", "2026-03-01", "--goal", "150"}).exitCode, 0);
    }

    CTempDataDir m_dir;
};

} // namespace

TEST_F(EnterCommandTest, EntersDaysOneAfterAnother)
{
    auto first = CliAt(m_dir, "2026-03-01 08:00:00",
                       {"enter", "--weight", "200.7", "--steps", "1200", "--slot", "BFprotein=Eggs|2 large|1"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "03/01/2026 - Stage 1, Protein Day 1\n");
    auto second = CliAt(m_dir, "2026-03-02 21:00:00", {"enter", "--weight", "199", "--slot", "Dsnack=Nuts|1 oz|4"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "03/02/2026 - Stage 1, Protein Day 2\n");

    const auto days = CliAt(m_dir, "2026-03-02 21:00:00", {"days"});
    EXPECT_EQ(days.out, "03/01/2026 - Stage 1, Protein Day 1\t200.00\t1\t1200\n"
                        "03/02/2026 - Stage 1, Protein Day 2\t199.00\t4\t0\n");
}

TEST_F(EnterCommandTest, SameDayAgainEditsIt)
{
    CliAt(m_dir, "2026-03-01 08:00:00", {"enter", "--weight", "200", "--steps", "500"});
    const auto again = CliAt(m_dir, "2026-03-01 20:00:00", {"enter", "--weight", "199"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    // Steps not given keep what the dialog would show: the stored 500.
    EXPECT_EQ(CliAt(m_dir, "2026-03-01 20:00:00", {"days"}).out, "03/01/2026 - Stage 1, Protein Day 1\t199.00\t0\t500\n");
}

TEST_F(EnterCommandTest, MissingDaysAnswers)
{
    CliAt(m_dir, "2026-03-01 08:00:00", {"enter", "--weight", "200"});
    const auto cancelled = CliAt(m_dir, "2026-03-09 08:00:00", {"enter", "--weight", "190", "--missing", "cancel"});
    EXPECT_EQ(cancelled.exitCode, 0) << cancelled.err;
    EXPECT_EQ(cancelled.out, "");
    const auto entered = CliAt(m_dir, "2026-03-09 08:00:00", {"enter", "--weight", "199"});
    EXPECT_EQ(entered.out, "03/02/2026 - Stage 1, Protein Day 2\n");
    const auto restarted = CliAt(m_dir, "2026-03-09 08:00:00", {"enter", "--weight", "190", "--missing", "restart"});
    EXPECT_EQ(restarted.exitCode, 0) << restarted.err;
    EXPECT_EQ(CliAt(m_dir, "2026-03-09 08:00:00", {"days"}).out, "03/09/2026 - missing\t 0.00\t0\t0\n");
}

TEST_F(EnterCommandTest, ProteinFlagAndLayouts)
{
    // Day 4 of the diet is stage 1 week 1 day 1; a protein day hides the veggie slot.
    for (int d = 1; d <= 3; ++d)
        CliAt(m_dir, "2026-03-0" + std::to_string(d) + " 08:00:00", {"enter", "--weight", "200"});
    const auto hidden = CliAt(m_dir, "2026-03-04 08:00:00",
                              {"enter", "--weight", "197", "--protein", "--slot", "Lveggie=Beans|1 cup|5"});
    EXPECT_EQ(hidden.exitCode, 1);
    EXPECT_NE(hidden.err.find("Lveggie"), std::string::npos) << hidden.err;
    const auto normal = CliAt(m_dir, "2026-03-04 08:00:00",
                              {"enter", "--weight", "197", "--no-protein", "--slot", "Lveggie=Beans|1 cup|5"});
    ASSERT_EQ(normal.exitCode, 0) << normal.err;
    EXPECT_EQ(normal.out, "03/04/2026 - Stage 1, Week 1 Day 1\n");
    const auto protein = CliAt(m_dir, "2026-03-05 08:00:00", {"enter", "--weight", "196", "--protein"});
    EXPECT_EQ(protein.out, "03/05/2026 - Stage 1, Week 1 Day 2 Protein Day\n");
}

TEST_F(EnterCommandTest, BadOptionsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"enter"},
        {"enter", "--weight", "200", "--missing", "later"},
        {"enter", "--weight", "200", "--slot", "Lveggie=Beans"},
        {"enter", "--weight", "200", "--slot", "Lunch=Beans|1|2"},
        {"enter", "--weight", "200", "--slot", "BFprotein=" + std::string(41, 'x') + "|1|2"},
        {"enter", "--weight", "200", "--protein", "--no-protein"},
    };
    for (const auto& args : cases) {
        const auto result = CliAt(m_dir, "2026-03-01 08:00:00", args);
        EXPECT_EQ(result.exitCode, 2) << args.back() << ": " << result.err;
    }
    EXPECT_EQ(CliAt(m_dir, "2026-03-01 08:00:00", {"days"}).out, "03/01/2026 - missing\t 0.00\t0\t0\n");
}
