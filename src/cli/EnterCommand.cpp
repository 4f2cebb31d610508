#include "base/StrPrintf.h"
#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "diet/NextDay.h"
#include "entry/DayEntry.h"

#include <ostream>

namespace {

struct SSlotOption
{
    std::string column;   ///< column prefix such as "Lveggie"
    int position = -1;    ///< its meal position
    CMealInfo values;
};

SSlotOption ParseSlot(const std::string& text)
{
    const size_t equals = text.find('=');
    const size_t bar1 = text.find('|', equals == std::string::npos ? 0 : equals);
    const size_t bar2 = bar1 == std::string::npos ? bar1 : text.find('|', bar1 + 1);
    if (equals == std::string::npos || bar2 == std::string::npos)
        throw CUsageError("--slot takes NAME=ITEM|SIZE|CARBS, not \"" + text + "\"");
    SSlotOption slot;
    slot.column = text.substr(0, equals);
    slot.position = PositionByColumn(slot.column);
    if (slot.position < 0 || kMealPositions[static_cast<size_t>(slot.position)].slot < 0)
        throw CUsageError("unknown slot \"" + slot.column + "\" (slots are named like BFprotein, Lveggie, Dsnack)");
    slot.values.m_strItem = text.substr(equals + 1, bar1 - equals - 1);
    slot.values.m_strSize = text.substr(bar1 + 1, bar2 - bar1 - 1);
    slot.values.m_strCarbs = text.substr(bar2 + 1);
    if (const auto problem = slot.values.Validate())
        throw CUsageError("--slot " + slot.column + ": " + problem->message);
    return slot;
}

EMissingDaysAnswer ParseMissing(const std::optional<std::string>& text)
{
    if (!text || *text == "enter")
        return EMissingDaysAnswer::EnterAll;
    if (*text == "cancel")
        return EMissingDaysAnswer::Cancel;
    if (*text == "restart")
        return EMissingDaysAnswer::StartOver;
    throw CUsageError("--missing takes enter, cancel or restart");
}

/// Answers the entry road's questions with the command's options.
class CCliEntryPrompts : public CEntryPrompts
{
public:
    CCliEntryPrompts(const CCliOptions& options, const CLeanlogApp& app) : m_options(options), m_app(app)
    {
        m_missing = ParseMissing(options.Value("missing"));
        for (const auto& text : options.All("slot"))
            m_slots.push_back(ParseSlot(text));
        if (options.Has("protein") && options.Has("no-protein"))
            throw CUsageError("give --protein or --no-protein, not both");
    }

    EMissingDaysAnswer AskMissingDays(const std::string&) override { return m_missing; }

    /// A restart from the warning starts today, keeping the goal weight.
    std::optional<CNewDietAnswers> AskNewDiet() override
    {
        return CNewDietAnswers{CDateTime::Now().DateOnly(), m_app.m_nGoalWeight};
    }

    bool EditDay(CDayEntry& entry) override
    {
        entry.m_strWeight = m_options.Required("weight");
        if (const auto steps = m_options.Value("steps"))
            entry.m_strSteps = *steps;
        if (m_options.Has("protein") || m_options.Has("no-protein"))
            entry.ProteinDayClicked(m_options.Has("protein"));
        if (const auto problem = entry.Validate())
            throw CUsageError(*problem);
        for (const auto& slot : m_slots)
            FillSlot(entry, slot);
        return true;
    }

private:
    static void FillSlot(CDayEntry& entry, const SSlotOption& slot)
    {
        const int row = entry.m_nSlotRow[static_cast<size_t>(slot.position)];
        if (row < 0)
            throw std::runtime_error("slot " + slot.column + " is not offered on " + entry.m_strDate +
                                     "; nothing was saved");
        entry.ApplySlot(row, slot.values);
    }

    const CCliOptions& m_options;
    const CLeanlogApp& m_app;
    EMissingDaysAnswer m_missing;
    std::vector<SSlotOption> m_slots;
};

} // namespace

int RunEnter(CCliContext& context)
{
    const CCliOptions options(context.args, {"weight", "steps", "slot", "missing"}, {"protein", "no-protein"});
    if (!options.Positional().empty())
        throw CUsageError("enter takes only options");
    options.Required("weight");
    const auto app = LoadExistingDiet(context.folder);
    CCliEntryPrompts prompts(options, *app);
    const SEntryResult result = EnterNextDay(*app, prompts, [] { return CDateTime::Now(); });
    if (result.outcome == EEntryOutcome::Saved)
        context.out << result.day->GetDayLabel(*app->m_days.front()) << '\n';
    return kExitOk;
}
