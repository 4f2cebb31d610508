#include "diet/NextDay.h"
#include "entry/DayEntry.h"
#include "support/TestDiet.h"

#include <gtest/gtest.h>

namespace {

/// Answers the entry road with fixed answers and records what it was asked.
class CScriptedEntry : public CEntryPrompts
{
public:
    std::optional<CNewDietAnswers> AskNewDiet() override
    {
        ++newDietAsked;
        return newDiet;
    }
    EMissingDaysAnswer AskMissingDays(const std::string& html) override
    {
        warnings.push_back(html);
        return missingAnswer;
    }
    bool EditDay(CDayEntry& entry) override
    {
        opened.push_back(entry.m_pDay->date);
        openedWeightText = entry.m_strWeight;
        openedProtein = entry.m_bProteinDay;
        entry.m_strWeight = weight;
        if (slotEdit) {
            CMealInfo info = *entry.OpenSlot(1);
            info.m_strItem = *slotEdit;
            info.m_strCarbs = "12";
            entry.ApplySlot(1, info);
        }
        return ok;
    }

    EMissingDaysAnswer missingAnswer = EMissingDaysAnswer::EnterAll;
    std::optional<CNewDietAnswers> newDiet;
    std::string weight = "180";
    std::optional<std::string> slotEdit;   ///< an item put into the breakfast protein slot
    bool ok = true;
    std::vector<std::string> warnings;
    std::vector<CDateTime> opened;
    std::string openedWeightText;
    bool openedProtein = false;
    int newDietAsked = 0;
};

class NextDayTest : public testing::Test
{
protected:
    /// Weighs the first `count` days of a diet that began 2026-03-01 at 00:00.
    void WeighDays(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                m_app->m_days.emplace_back(
                    std::make_unique<CDailyInfo>(m_app->m_days.back()->date.AddDays(1), 0, 0));
            m_app->m_days.back()->weight = 200 - i;
            m_app->SaveDailyInfo(*m_app->m_days.back());
        }
    }

    SEntryResult Enter(CDateTime now) { return EnterNextDay(*m_app, m_prompts, [now] { return now; }); }

    static CDateTime At(int day, int hour) { return CDateTime::FromCivil({2026, 3, day, hour, 0, 0}); }

    CTempDataDir m_dir;
    std::unique_ptr<CLeanlogApp> m_app = StartFirstDiet(m_dir, Answers(2026, 3, 1, 150));
    CScriptedEntry m_prompts;
};

} // namespace

TEST_F(NextDayTest, FirstEntryFillsTheUnweighedFirstDay)
{
    const SEntryResult result = Enter(At(1, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Saved);
    ASSERT_EQ(m_app->m_days.size(), 1u);
    EXPECT_EQ(m_app->m_days[0]->weight, 180.0);
    EXPECT_EQ(m_prompts.openedWeightText, " 0.00");
    EXPECT_EQ(result.buttonLabel, "Today's Info");
    EXPECT_TRUE(m_prompts.warnings.empty());
}

TEST_F(NextDayTest, FiveMissingDaysWarnOnceThenEnterTheNextDay)
{
    WeighDays(1);
    const SEntryResult result = Enter(At(6, 10));
    ASSERT_EQ(m_prompts.warnings.size(), 1u);
    EXPECT_NE(m_prompts.warnings[0].find("You are missing 5 days of diet information"), std::string::npos);
    ASSERT_EQ(m_app->m_days.size(), 2u);
    EXPECT_EQ(m_prompts.opened.back(), CDateTime::FromDate(2026, 3, 2));
    EXPECT_EQ(result.buttonLabel, "Missing Info");

    Enter(At(6, 11));
    EXPECT_EQ(m_prompts.warnings.size(), 1u);   // once per run
    EXPECT_EQ(m_prompts.opened.back(), CDateTime::FromDate(2026, 3, 3));
}

TEST_F(NextDayTest, ExactlyThreeDaysNeedNoWarning)
{
    WeighDays(1);
    Enter(At(4, 0));
    EXPECT_TRUE(m_prompts.warnings.empty());
    EXPECT_EQ(m_prompts.opened.back(), CDateTime::FromDate(2026, 3, 2));
}

TEST_F(NextDayTest, LastDayDatedTodayIsOpenedAgain)
{
    WeighDays(2);
    m_prompts.weight = "197";
    const SEntryResult result = Enter(At(2, 20));
    EXPECT_EQ(m_app->m_days.size(), 2u);
    EXPECT_EQ(m_prompts.openedWeightText, "199.00");
    EXPECT_EQ(m_app->m_days[1]->weight, 197.0);
    EXPECT_EQ(result.buttonLabel, "Today's Info");
}

TEST_F(NextDayTest, UnfilledDayInTheMiddleComesFirst)
{
    WeighDays(4);
    m_app->m_days[1]->weight = 0;
    Enter(At(20, 9));
    EXPECT_EQ(m_prompts.opened.back(), CDateTime::FromDate(2026, 3, 2));
    EXPECT_TRUE(m_prompts.warnings.empty());
    EXPECT_EQ(m_app->m_days.size(), 4u);
}

TEST_F(NextDayTest, CancelledEntryLeavesTheNewDayUnfilledInMemoryOnly)
{
    WeighDays(1);
    m_prompts.ok = false;
    const SEntryResult result = Enter(At(2, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Cancelled);
    ASSERT_EQ(m_app->m_days.size(), 2u);
    EXPECT_EQ(m_app->m_days[1]->ID, 0);
    EXPECT_EQ(Restart(m_dir)->m_days.size(), 1u);

    m_prompts.ok = true;
    Enter(At(2, 9));
    EXPECT_EQ(m_app->m_days.size(), 2u);   // the same day is offered again
    EXPECT_GT(m_app->m_days[1]->ID, 0);
}

TEST_F(NextDayTest, SlotEditedThenCancelledStaysInMemoryOnly)
{
    WeighDays(2);
    m_prompts.slotEdit = "Eggs";
    m_prompts.ok = false;
    Enter(At(2, 9));   // the last day is today's: opened again, edited, cancelled
    const CDailyInfo& day = *m_app->m_days.back();
    EXPECT_EQ(day.slots[0].item, "Eggs");
    EXPECT_EQ(day.carbs, 12);
    EXPECT_EQ(day.weight, 199.0);
    const auto stored = Restart(m_dir);
    EXPECT_EQ(stored->m_days.back()->slots[0].item, "");
    EXPECT_EQ(stored->m_days.back()->carbs, 0);
}

TEST_F(NextDayTest, CancelAtTheWarningChangesNothing)
{
    WeighDays(1);
    m_prompts.missingAnswer = EMissingDaysAnswer::Cancel;
    const SEntryResult result = Enter(At(10, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Cancelled);
    EXPECT_TRUE(result.buttonLabel.empty());
    EXPECT_TRUE(m_prompts.opened.empty());
    EXPECT_EQ(m_app->m_days.size(), 1u);
}

TEST_F(NextDayTest, StartOverFromTheWarningRestartsTheDiet)
{
    WeighDays(2);
    m_prompts.missingAnswer = EMissingDaysAnswer::StartOver;
    m_prompts.newDiet = Answers(2026, 3, 20, 140);
    const SEntryResult result = Enter(At(20, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Restarted);
    EXPECT_TRUE(m_prompts.opened.empty());
    EXPECT_EQ(m_app->m_strDietTable, "LnLg_2026_3_20");
    ASSERT_EQ(m_app->m_days.size(), 1u);
    EXPECT_EQ(EntryButtonLabel(*m_app, At(20, 10)), "Starting Info");
}

TEST_F(NextDayTest, SavingClearsTheNeededProteinDayAfterShowingIt)
{
    WeighDays(1);
    m_app->m_bProteinDayNeeded = true;
    Enter(At(2, 9));
    EXPECT_TRUE(m_prompts.openedProtein);
    EXPECT_TRUE(m_app->m_days.back()->isProteinDay);
    EXPECT_FALSE(m_app->m_bProteinDayNeeded);

    m_app->m_bProteinDayNeeded = true;
    m_prompts.ok = false;
    Enter(At(3, 9));
    EXPECT_TRUE(m_app->m_bProteinDayNeeded);   // only a save clears it
}

TEST_F(NextDayTest, EntryButtonLabels)
{
    EXPECT_EQ(EntryButtonLabel(*m_app, At(1, 12)), "Starting Info");
    WeighDays(2);   // last day 2026-03-02 00:00
    struct
    {
        CDateTime now;
        const char* label;
    } cases[] = {
        {At(2, 23), "Today's Info"},
        {At(3, 0), "Missing Info"},   // exactly one whole day
        {At(1, 12), "Today's Info"},  // a clock behind the last day
        {At(9, 12), "Missing Info"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntryButtonLabel(*m_app, c.now), c.label) << c.now.StorageText();
}

TEST(MissingDays, WarningTextAsDesigned)
{
    EXPECT_EQ(MissingDaysHtml(7),
              "<FONT FACE=Arial><h3 align=center>You are missing 7 days of diet information</h3>"
              "<font size=2>You cannot enter today's information unless your meal plan is completely up to "
              "date.<p>If you are missing seven days or more and have not followed the diet, ie. you have not "
              "kept track of what you have eaten and the amount of carbs elsewhere, then for Leanlog to be "
              "completely effective we recommend that you start the diet over.</font></font>");
}
