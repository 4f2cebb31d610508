#include "diet/NextDay.h"
#include "entry/DayEntry.h"
#include "support/DietFixture.h"

namespace {

/// Answers the entry road with fixed answers and records what it was asked.
class CScriptedEntry : public CEntryPrompts
{
public:
    std::optional<CNewDietAnswers> AskNewDiet() override { return newDiet; }
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
};

class NextDayTest : public CDietTest
{
protected:
    /// Weighs and saves the first `count` days (from 2026-01-01 at 00:00).
    void WeighDays(int count)
    {
        m_app->m_days[0]->weight = 200;
        m_app->SaveDailyInfo(*m_app->m_days[0]);
        for (int i = 1; i < count; ++i)
            m_app->SaveDailyInfo(AddDay(i, 200 - i));
    }

    SEntryResult Enter(CDateTime now) { return EnterNextDay(*m_app, m_prompts, [now] { return now; }); }
    static CDateTime At(int day, int hour) { return CDateTime::FromCivil({2026, 1, day, hour, 0, 0}); }
    static CDateTime Day(int day) { return CDateTime::FromDate(2026, 1, day); }

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
}

TEST_F(NextDayTest, MissingDaysWarnOnceWhenMoreThanThree)
{
    WeighDays(1);
    Enter(At(4, 0));   // exactly three days: no warning
    EXPECT_TRUE(m_prompts.warnings.empty());
    EXPECT_EQ(m_prompts.opened.back(), Day(2));

    const SEntryResult result = Enter(At(7, 10));
    ASSERT_EQ(m_prompts.warnings.size(), 1u);
    EXPECT_NE(m_prompts.warnings[0].find("You are missing 5 days of diet information"), std::string::npos);
    EXPECT_EQ(m_prompts.opened.back(), Day(3));
    EXPECT_EQ(result.buttonLabel, "Missing Info");
    Enter(At(7, 11));
    EXPECT_EQ(m_prompts.warnings.size(), 1u);   // once per run
    EXPECT_EQ(m_prompts.opened.back(), Day(4));
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
    EXPECT_EQ(m_prompts.opened.back(), Day(2));
    EXPECT_TRUE(m_prompts.warnings.empty());
    EXPECT_EQ(m_app->m_days.size(), 4u);
}

TEST_F(NextDayTest, CancelledEntryStaysInMemoryOnly)
{
    WeighDays(1);
    m_prompts.ok = false;
    EXPECT_EQ(Enter(At(2, 9)).outcome, EEntryOutcome::Cancelled);
    ASSERT_EQ(m_app->m_days.size(), 2u);
    EXPECT_EQ(m_app->m_days[1]->ID, 0);
    EXPECT_EQ(Restart(m_dir)->m_days.size(), 1u);

    // Opened again (it is today's), a slot edited, cancelled: the edit stays unsaved.
    m_prompts.slotEdit = "Eggs";
    Enter(At(2, 9));
    EXPECT_EQ(m_app->m_days.size(), 2u);
    EXPECT_EQ(m_app->m_days[1]->slots[0].item, "Eggs");
    EXPECT_EQ(m_app->m_days[1]->carbs, 12);
    EXPECT_EQ(Restart(m_dir)->m_days.size(), 1u);

    m_prompts.ok = true;
    m_prompts.slotEdit.reset();
    Enter(At(2, 9));
    EXPECT_EQ(m_app->m_days.size(), 2u);
    EXPECT_GT(m_app->m_days[1]->ID, 0);
    EXPECT_EQ(Restart(m_dir)->m_days[1]->slots[0].item, "Eggs");
}

TEST_F(NextDayTest, WarningAnswers)
{
    WeighDays(2);
    m_prompts.missingAnswer = EMissingDaysAnswer::Cancel;
    SEntryResult result = Enter(At(20, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Cancelled);
    EXPECT_TRUE(result.buttonLabel.empty());
    EXPECT_EQ(m_app->m_days.size(), 2u);

    m_app->m_bMissingDaysWarningShown = false;
    m_prompts.missingAnswer = EMissingDaysAnswer::StartOver;
    m_prompts.newDiet = Answers(2026, 1, 20, 140);
    result = Enter(At(20, 9));
    EXPECT_EQ(result.outcome, EEntryOutcome::Restarted);
    EXPECT_TRUE(m_prompts.opened.empty());
    EXPECT_EQ(m_app->m_strDietTable, "LnLg_2026_1_20");
    ASSERT_EQ(m_app->m_days.size(), 1u);
    EXPECT_EQ(EntryButtonLabel(*m_app, At(20, 10)), "Starting Info");
}

TEST_F(NextDayTest, SavingClearsTheNeededProteinDayAfterShowingIt)
{
    WeighDays(1);
    m_app->m_bProteinDayNeeded = true;
    m_prompts.ok = false;
    Enter(At(2, 9));
    EXPECT_TRUE(m_app->m_bProteinDayNeeded);   // only a save clears it
    m_prompts.ok = true;
    Enter(At(2, 9));
    EXPECT_TRUE(m_prompts.openedProtein);
    EXPECT_TRUE(m_app->m_days.back()->isProteinDay);
    EXPECT_FALSE(m_app->m_bProteinDayNeeded);
}

TEST_F(NextDayTest, EntryButtonLabels)
{
    EXPECT_EQ(EntryButtonLabel(*m_app, At(1, 12)), "Starting Info");
    WeighDays(2);   // last day 2026-01-02 00:00
    const std::pair<CDateTime, const char*> cases[] = {
        {At(2, 23), "Today's Info"},
        {At(3, 0), "Missing Info"},   // exactly one whole day
        {At(1, 12), "Today's Info"},  // a clock behind the last day
    };
    for (const auto& [now, label] : cases)
        EXPECT_EQ(EntryButtonLabel(*m_app, now), label) << now.StorageText();
}
