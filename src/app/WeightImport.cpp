#include "app/WeightImport.h"

#include "app/LeanlogApp.h"
#include "base/Csv.h"
#include "base/FileText.h"
#include "entry/EntryInputRules.h"
#include "net/AsciiText.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr int kMaxReportedErrors = 20;
constexpr int kMaxDayCarbs = kMaxSlotCarbs * kSlotCount;

struct SColumns
{
    int date = 0;
    int weight = 1;
    int steps = 2;
    int carbs = 3;
};

std::optional<CDateTime> ParseDate(const std::string& text)
{
    if (auto iso = CDateTime::ParseIsoDate(text))
        return iso;
    int m = 0, d = 0, y = 0;
    char slash1 = 0, slash2 = 0;
    if (std::sscanf(text.c_str(), "%2d%c%2d%c%4d", &m, &slash1, &d, &slash2, &y) == 5 && slash1 == '/' && slash2 == '/')
        return CDateTime::ParseIsoDate(std::to_string(y) + (m < 10 ? "-0" : "-") + std::to_string(m) +
                                       (d < 10 ? "-0" : "-") + std::to_string(d));
    return std::nullopt;
}

/// The columns named in a header row; nullopt when the row is data.
std::optional<SColumns> HeaderColumns(const SCsvRecord& first, std::string& error)
{
    if (first.fields.empty() || ParseDate(first.fields[0]))
        return std::nullopt;
    SColumns columns{-1, -1, -1, -1};
    for (int i = 0; i < static_cast<int>(first.fields.size()); ++i) {
        const std::string name = AsciiLowered(first.fields[static_cast<size_t>(i)]);
        int* column = name == "date" ? &columns.date : name == "weight" ? &columns.weight
                    : name == "steps" ? &columns.steps : name == "carbs" ? &columns.carbs : nullptr;
        if (column && *column < 0)
            *column = i;
    }
    if (columns.date < 0 || columns.weight < 0)
        error = "line 1: the header names no \"date\" and \"weight\" columns";
    return columns;
}

const std::string* Field(const SCsvRecord& record, int column)
{
    if (column < 0 || column >= static_cast<int>(record.fields.size()))
        return nullptr;
    return &record.fields[static_cast<size_t>(column)];
}

/// One data row; the problem in words when it does not parse.
std::optional<std::string> ParseRow(const SCsvRecord& record, const SColumns& columns, SImportRow& row)
{
    row.line = record.line;
    const std::string* date = Field(record, columns.date);
    const std::string* weight = Field(record, columns.weight);
    if (!date || !weight)
        return "a date and a weight are needed";
    const auto day = ParseDate(*date);
    if (!day)
        return "\"" + *date + "\" is not a date (YYYY-MM-DD)";
    row.date = *day;
    const auto pounds = ParseWeightText(*weight);
    if (!pounds)
        return "the weight \"" + *weight + "\" is not a number from 0 to 1000";
    row.weight = *pounds;
    if (const std::string* steps = Field(record, columns.steps); steps && !steps->empty()) {
        row.steps = ParseStepsText(*steps);
        if (!row.steps)
            return "the steps \"" + *steps + "\" are not a whole number from 0 to 200000";
    }
    if (const std::string* carbs = Field(record, columns.carbs); carbs && !carbs->empty()) {
        row.carbs = ParseWholeNumber(*carbs, kMaxDayCarbs);
        if (!row.carbs)
            return "the carbs \"" + *carbs + "\" are not a whole number from 0 to " + std::to_string(kMaxDayCarbs);
    }
    return std::nullopt;
}

const CDailyInfo* DayOn(const CLeanlogApp& app, CDateTime date)
{
    const CDateTime start = app.m_days.front()->date.DateOnly();
    const int index = WholeDaysBetween(start, date);
    if (index < 0 || index >= static_cast<int>(app.m_days.size()))
        return nullptr;
    const CDailyInfo* day = app.m_days[static_cast<size_t>(index)].get();
    return day->date.DateOnly() == date ? day : nullptr;
}

bool Changes(const CDailyInfo& day, const SImportRow& row)
{
    return day.weight != row.weight || (row.steps && *row.steps != day.steps) || (row.carbs && *row.carbs != day.carbs);
}

void Apply(CDailyInfo& day, const SImportRow& row)
{
    day.weight = row.weight;
    if (row.steps)
        day.steps = *row.steps;
    if (row.carbs)
        day.carbs = *row.carbs;
}

} // namespace

std::optional<SImportPlan> PlanWeightImport(const CLeanlogApp& app, std::string_view csv, CDateTime today,
                                            std::string& error)
{
    if (app.m_days.empty()) {
        error = "There is no diet to import into; start one first.";
        return std::nullopt;
    }
    std::vector<std::string> problems;
    auto records = ParseCsv(csv, error);
    if (!error.empty())
        problems.push_back(error);
    error.clear();
    SColumns columns;
    size_t first = 0;
    if (!records.empty()) {
        if (const auto header = HeaderColumns(records.front(), error)) {
            columns = *header;
            first = 1;
        }
        if (!error.empty())
            return std::nullopt;
    }

    const CDateTime start = app.m_days.front()->date.DateOnly();
    const CDateTime last = today.DateOnly();
    std::map<CDateTime, int> seen;
    SImportPlan plan;
    for (size_t i = first; i < records.size(); ++i) {
        SImportRow row;
        auto problem = ParseRow(records[i], columns, row);
        if (!problem && (row.date < start || row.date > last))
            problem = row.date.Format("%m/%d/%Y") + " lies outside the diet, which runs from " +
                      start.Format("%m/%d/%Y") + " to today";
        if (!problem && seen.count(row.date))
            problem = row.date.Format("%m/%d/%Y") + " appears twice (first on line " +
                      std::to_string(seen[row.date]) + ")";
        if (problem) {
            problems.push_back("line " + std::to_string(row.line) + ": " + *problem);
            continue;
        }
        seen[row.date] = row.line;
        plan.rows.push_back(row);
    }
    if (plan.rows.empty() && problems.empty())
        problems.push_back("the file holds no days");
    if (!problems.empty()) {
        const size_t shown = std::min<size_t>(problems.size(), kMaxReportedErrors);
        for (size_t i = 0; i < shown; ++i)
            error += (i ? "\n" : "") + problems[i];
        if (problems.size() > shown)
            error += "\n(" + std::to_string(problems.size() - shown) + " more)";
        return std::nullopt;
    }

    std::sort(plan.rows.begin(), plan.rows.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    for (const auto& row : plan.rows)
        if (const CDailyInfo* day = DayOn(app, row.date))
            plan.changed += Changes(*day, row);
    plan.added = std::max(0, WholeDaysBetween(app.m_days.back()->date.DateOnly(), plan.rows.back().date));
    return plan;
}

void ApplyWeightImport(CLeanlogApp& app, const SImportPlan& plan)
{
    std::vector<CDailyInfo> updates;
    std::vector<CDailyInfo> additions;
    CDateTime next = app.m_days.back()->date.DateOnly().AddDays(1);
    for (const auto& row : plan.rows) {
        if (const CDailyInfo* day = DayOn(app, row.date)) {
            if (Changes(*day, row)) {
                updates.push_back(*day);
                Apply(updates.back(), row);
            }
            continue;
        }
        for (; next < row.date; next = next.AddDays(1))
            additions.emplace_back(next, 0, 0);
        additions.emplace_back(row.date, 0, 0);
        Apply(additions.back(), row);
        next = row.date.AddDays(1);
    }
    app.SaveDayBatch(std::move(updates), std::move(additions));
}

std::optional<SImportPlan> PlanWeightImportFile(const CLeanlogApp& app, const std::string& path, CDateTime today,
                                                std::string& error)
{
    const auto csv = ReadWholeFile(path);
    if (!csv) {
        error = "Cannot read " + path + ".";
        return std::nullopt;
    }
    return PlanWeightImport(app, *csv, today, error);
}

std::string DayCountText(int days)
{
    return std::to_string(days) + (days == 1 ? " day" : " days");
}
