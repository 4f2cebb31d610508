#pragma once

#include "store/DailyInfo.h"

#include <cstdint>
#include <string>
#include <vector>

class CLeanlogApp;

/// The ketosis question's texts, for the window's Yes/No message box.
inline constexpr const char* kKetosisQuestionText = "Are you in ketosis after your protein day?";
inline constexpr const char* kKetosisQuestionCaption = "Status";

/// Puts the ketosis question to the user. The window shows a modal Yes/No
/// message box (UI thread); the command line and tests answer directly.
class CKetosisQuestion
{
public:
    virtual ~CKetosisQuestion() = default;
    /// True for Yes, false for anything else.
    virtual bool AskInKetosis() = 0;
};

/// What the advisor works out from the day list before deciding anything.
struct SStatusFacts
{
    int cur = 0;                  ///< index of the current day (last of the weighed run)
    int days = 0;                 ///< whole days from day 0 to the current day
    double rate = 0;              ///< pounds lost per day since day 0; negative for a gain
    std::string heading;
    int averageCarbs = 0;         ///< over the weighed run, truncated
    int recentCarbs = 0;          ///< over the current day and up to six before it, truncated
    int proteinStreak = 1;        ///< 1 to 3
    bool recentProteinDay = false;
    int maintenanceMin = 9999;    ///< whole pounds over weighed days from index 52 on
    int maintenanceMax = 0;
    int maintenanceDays = 0;
};

/// Requires a non-empty day list.
SStatusFacts GatherStatusFacts(const CDayList& days);

/// The page shown instead of the status when the diet has no days.
inline constexpr const char* kNoDaysStatusPage =
    "<font face=Arial><h3>No diet days yet</h3>"
    "The current diet has no days yet. Once its first day is entered, this page shows your daily instruction."
    "</font>";

/// The Status page's HTML text. Decides whether today must be a protein day
/// (sets or clears `proteinDayNeeded`) and, on a protein day while
/// `ketosisAnswer` is -1, asks `question` once and keeps the answer (1 yes,
/// 0 no) in `ketosisAnswer`. `goalWeight` is in whole pounds;
/// `previousResults` are the pounds lost per earlier diet, oldest first.
/// UI thread only when `question` shows a window.
std::string StatusPageText(const CDayList& days, std::int32_t goalWeight,
                           const std::vector<std::int16_t>& previousResults, std::int32_t& ketosisAnswer,
                           bool& proteinDayNeeded, CKetosisQuestion& question);

/// The same over the application's model: m_days, m_nGoalWeight,
/// m_previousDietResults, m_nKetosisAnswer and m_bProteinDayNeeded.
std::string StatusPageText(CLeanlogApp& app, CKetosisQuestion& question);
