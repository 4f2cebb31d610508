#pragma once

#include "app/StartupPrompts.h"
#include "base/DateTime.h"

#include <string>

class CDailyInfo;
class CDayEntry;
class CLeanlogApp;

enum class EMissingDaysAnswer { EnterAll, Cancel, StartOver };

/// What the entry button's road asks the user: the missing-days warning,
/// the Day Info dialog and, for a restart, the New Diet dialog.
class CEntryPrompts : public CStartupPrompts
{
public:
    /// The "Over 3 Days Missing" warning showing `html`.
    virtual EMissingDaysAnswer AskMissingDays(const std::string& html) = 0;
    /// The Day Info dialog on `entry` (already set up for the day); true for OK.
    virtual bool EditDay(CDayEntry& entry) = 0;
    /// The Day Info dialog and, on OK, the day finished and saved; true
    /// when saved. A window overrides it to save on its own OK, so that a
    /// failed save keeps the dialog open with nothing lost.
    virtual bool EnterDay(CDayEntry& entry, CLeanlogApp& app);
};

enum class EEntryOutcome
{
    Saved,       ///< a day was entered and saved
    Cancelled,   ///< the warning or the Day Info dialog was cancelled
    Restarted,   ///< the user chose to start the diet over (or cancelled that)
};

struct SEntryResult
{
    EEntryOutcome outcome = EEntryOutcome::Cancelled;
    /// The entry button's new text; empty when it stays as it was.
    std::string buttonLabel;
    CDailyInfo* day = nullptr;   ///< the day opened, when one was
};

/// The warning's text for `missingDays` days.
std::string MissingDaysHtml(int missingDays);

/// The entry button's road: picks the day to enter (the first unweighed
/// day, else a new day after the last one, else the last day again), warns
/// once per run when more than 3 days are missing, opens the Day Info
/// dialog and, on OK, saves the day and clears m_bProteinDayNeeded.
SEntryResult EnterNextDay(CLeanlogApp& app, CEntryPrompts& prompts, const ClockFn& clock);

/// "Starting Info" when the last day is unweighed, else "Today's Info" when
/// less than a whole day has passed since it, else "Missing Info".
std::string EntryButtonLabel(const CLeanlogApp& app, CDateTime now);

inline constexpr const char* kStartingInfoLabel = "Starting Info";
inline constexpr const char* kTodaysInfoLabel = "Today's Info";
inline constexpr const char* kMissingInfoLabel = "Missing Info";
