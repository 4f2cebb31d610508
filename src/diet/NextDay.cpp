#include "diet/NextDay.h"

#include "app/LeanlogApp.h"
#include "base/StrPrintf.h"
#include "entry/DayEntry.h"

namespace {

CDailyInfo* FirstUnweighedDay(const CLeanlogApp& app)
{
    for (const auto& day : app.m_days)
        if (day->weight == 0)
            return day.get();
    return nullptr;
}

const char* LabelForDay(const CDailyInfo& day, CDateTime now)
{
    return WholeDaysBetween(day.date, now) >= 1 ? kMissingInfoLabel : kTodaysInfoLabel;
}

/// The missing-days step; nullopt to go on entering, else how the road ended.
std::optional<SEntryResult> WarnAboutMissingDays(CLeanlogApp& app, CEntryPrompts& prompts, int missingDays)
{
    if (missingDays <= 3 || app.m_bMissingDaysWarningShown)
        return std::nullopt;
    app.m_bMissingDaysWarningShown = true;
    switch (prompts.AskMissingDays(MissingDaysHtml(missingDays))) {
    case EMissingDaysAnswer::EnterAll:
        return std::nullopt;
    case EMissingDaysAnswer::Cancel:
        return SEntryResult{EEntryOutcome::Cancelled, {}, nullptr};
    case EMissingDaysAnswer::StartOver:
        break;
    }
    app.StartDietOver(prompts);
    return SEntryResult{EEntryOutcome::Restarted, {}, nullptr};
}

} // namespace

bool CEntryPrompts::EnterDay(CDayEntry& entry, CLeanlogApp& app)
{
    if (!EditDay(entry))
        return false;
    entry.FinishDay(app);
    return true;
}

std::string MissingDaysHtml(int missingDays)
{
    return StrPrintf("<FONT FACE=Arial><h3 align=center>You are missing %d days of diet information</h3>",
                     missingDays) +
           "<font size=2>You cannot enter today's information unless your meal plan "
           "is completely up to date.<p>If you are missing seven days or more and have not "
           "followed the diet, ie. you have not kept track of what you have eaten and "
           "the amount of carbs elsewhere, then for Leanlog to be completely effective "
           "we recommend that you start the diet over.</font></font>";
}

SEntryResult EnterNextDay(CLeanlogApp& app, CEntryPrompts& prompts, const ClockFn& clock)
{
    if (app.m_days.empty())
        return {};
    CDailyInfo* day = FirstUnweighedDay(app);
    if (!day) {
        const int missing = WholeDaysBetween(app.m_days.back()->date, clock());
        if (auto ended = WarnAboutMissingDays(app, prompts, missing))
            return *ended;
        day = app.m_days.back().get();
        if (missing > 0)
            day = app.m_days.emplace_back(std::make_unique<CDailyInfo>(day->date.AddDays(1), 0, 0)).get();
    }

    CDayEntry entry(app);
    entry.SetDay(day, true);
    SEntryResult result{EEntryOutcome::Cancelled, {}, day};
    if (prompts.EnterDay(entry, app)) {
        app.m_bProteinDayNeeded = false;
        result.outcome = EEntryOutcome::Saved;
    }
    result.buttonLabel = LabelForDay(*day, clock());
    return result;
}

std::string EntryButtonLabel(const CLeanlogApp& app, CDateTime now)
{
    if (app.m_days.empty())
        return kStartingInfoLabel;
    const CDailyInfo& last = *app.m_days.back();
    if (last.weight == 0)
        return kStartingInfoLabel;
    return LabelForDay(last, now);
}
