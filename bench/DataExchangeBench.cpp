// Prints how long exporting a 3,000-day diet as CSV takes, and importing
// that CSV into a fresh diet that starts on the same day (parse, plan and
// the one transaction that writes every day).
#include "BenchTiming.h"
#include "SampleData.h"

#include "app/DayExport.h"
#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"
#include "app/WeightImport.h"

#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr int kDays = 3000;

} // namespace

int main()
{
    wxInitializer wx;
    const auto root = std::filesystem::temp_directory_path() / "leanlog-exchange-bench";
    std::filesystem::remove_all(root);
    const std::string from = (root / "from").string(), into = (root / "into").string();
    std::filesystem::create_directories(from);
    std::filesystem::create_directories(into);
    MakeSampleDataFolder(from, {200, 0, kDays, 0});

    CLeanlogApp source(CDataFolder{from, true});
    CBenchPrompts none(std::nullopt);
    source.InitData(none);
    auto start = std::chrono::steady_clock::now();
    const std::string csv = ExportDaysCsv(source, false);
    const double exportMs = MillisecondsSince(start);

    CLeanlogApp target(CDataFolder{into, true});
    CBenchPrompts first(CNewDietAnswers{source.m_days.front()->date.DateOnly(), 150});
    target.InitData(first);
    start = std::chrono::steady_clock::now();
    std::string error;
    // The sample diet runs on past today; the import is timed, not the date rule.
    const auto plan = PlanWeightImport(target, csv, CDateTime::Now().AddDays(kDays), error);
    if (!plan)
        throw std::runtime_error(error);
    const double planMs = MillisecondsSince(start);
    ApplyWeightImport(target, *plan);
    const double importMs = MillisecondsSince(start);

    std::printf("days: %zu (CSV %zu bytes)\nexport: %.1f ms\nimport: %.1f ms, of which reading and planning %.1f ms "
                "(%d changed, %d added)\n",
                source.m_days.size(), csv.size(), exportMs, importMs, planMs, plan->changed, plan->added);
    std::filesystem::remove_all(root);
    return 0;
}
