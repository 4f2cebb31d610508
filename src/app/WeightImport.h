#pragma once

#include "base/DateTime.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CLeanlogApp;

/// One parsed row of an import: a day of the current diet and its values.
struct SImportRow
{
    int line = 0;
    CDateTime date;
    int weight = 0;                 ///< whole pounds; 0 means not weighed
    std::optional<int> steps;
    std::optional<int> carbs;       ///< the day's total
};

/// What an import will do, shown to the user before anything is written.
struct SImportPlan
{
    std::vector<SImportRow> rows;   ///< date order
    int changed = 0;                ///< existing days whose values change
    int added = 0;                  ///< new days, the gaps up to the last date included
};

/// Reads a CSV of date and weight, optionally steps and carbs: the layout
/// the export writes (columns found by their header names) or a plain
/// "date,weight" form with or without a header. Dates are YYYY-MM-DD or
/// MM/DD/YYYY, within the current diet and not after `today`. nullopt with
/// `error` naming every bad line when any row does not parse.
std::optional<SImportPlan> PlanWeightImport(const CLeanlogApp& app, std::string_view csv, CDateTime today,
                                            std::string& error);

/// PlanWeightImport over the file at `path`.
std::optional<SImportPlan> PlanWeightImportFile(const CLeanlogApp& app, const std::string& path, CDateTime today,
                                                std::string& error);

/// "1 day", "2 days": how the plan's counts are shown.
std::string DayCountText(int days);

/// Writes the plan into the current diet in one transaction; memory changes
/// only after it committed.
void ApplyWeightImport(CLeanlogApp& app, const SImportPlan& plan);
