#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

namespace {

class EnterCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(CliAt("2026-03-01 08:00:00", m_dir, {"new-diet", "--start", "2026-03-01", "--goal", "150"}).exitCode, 0);
    }

    /// `enter` at `now`; its output, with a failure reported.
    std::string Enter(const std::string& now, std::vector<std::string> options)
    {
        options.insert(options.begin(), "enter");
        const auto result = CliAt(now, m_dir, options);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    std::string Days() { return Cli(m_dir, {"days"}).out; }

    CTempDataDir m_dir;
};

} // namespace

TEST_F(EnterCommandTest, EntersTodayAgainThenTheNextDay)
{
    EXPECT_EQ(Enter("2026-03-01 08:00:00", {"--weight", "200", "--steps", "500", "--slot", "BFprotein=Eggs|2 large|1"}),
              "03/01/2026 - Stage 1, Protein Day 1\n");
    // Later the same day edits that day; steps not given keep the stored 500.
    EXPECT_EQ(Enter("2026-03-01 20:00:00", {"--weight", "199.7"}), "03/01/2026 - Stage 1, Protein Day 1\n");
    EXPECT_EQ(Enter("2026-03-02 21:00:00", {"--weight", "199", "--slot", "Dsnack=Nuts|1 oz|4"}),
              "03/02/2026 - Stage 1, Protein Day 2\n");
    EXPECT_EQ(Days(), "03/01/2026 - Stage 1, Protein Day 1\t199.00\t1\t500\n"
                      "03/02/2026 - Stage 1, Protein Day 2\t199.00\t4\t0\n");
}

TEST_F(EnterCommandTest, MissingDaysAnswers)
{
    Enter("2026-03-01 08:00:00", {"--weight", "200"});
    EXPECT_EQ(Enter("2026-03-09 08:00:00", {"--weight", "190", "--missing", "cancel"}), "");
    EXPECT_EQ(Enter("2026-03-09 08:00:00", {"--weight", "199"}), "03/02/2026 - Stage 1, Protein Day 2\n");
    Enter("2026-03-09 08:00:00", {"--weight", "190", "--missing", "restart"});
    EXPECT_EQ(Days(), "03/09/2026 - missing\t 0.00\t0\t0\n");
}

TEST_F(EnterCommandTest, ProteinFlagChoosesTheDayAndItsSlots)
{
    // Day 4 is stage 1 week 1 day 1; as a protein day it offers no veggie slot.
    for (const char* day : {"01", "02", "03"})
        Enter(std::string("2026-03-") + day + " 08:00:00", {"--weight", "200"});
    const auto hidden =
        CliAt("2026-03-04 08:00:00", m_dir, {"enter", "--weight", "197", "--protein", "--slot", "Lveggie=Beans|1 cup|5"});
    EXPECT_EQ(hidden.exitCode, 1);
    EXPECT_NE(hidden.err.find("Lveggie"), std::string::npos) << hidden.err;
    EXPECT_EQ(Enter("2026-03-04 08:00:00", {"--weight", "197", "--no-protein", "--slot", "Lveggie=Beans|1 cup|5"}),
              "03/04/2026 - Stage 1, Week 1 Day 1\n");
    EXPECT_EQ(Enter("2026-03-05 08:00:00", {"--weight", "196", "--protein"}),
              "03/05/2026 - Stage 1, Week 1 Day 2 Protein Day\n");
}
