// Prints how long the food table update takes to merge the whole feed
// (25 categories, 15,735 items, served by scripts/feed on loopback) into an
// empty database through the HTTP client, beside the sqlite3 shell's
// .import of the same rows (data/foods/foods.csv) into a table of the same
// columns, measured in the same run. Targets: under 2 s, and within 3x of
// the import.
#include "BenchTiming.h"
#include "FeedProcess.h"
#include "SampleData.h"

#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"
#include "update/FoodTableUpdate.h"

#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;

/// One merge of the whole feed into a fresh data folder; -1 when it did not add everything.
double MergeOnce(const std::string& folder, const std::string& url)
{
    std::filesystem::remove_all(folder);
    MakeSampleDataFolder(folder, {0, 0, 1, 0});
    CLeanlogApp app(CDataFolder{folder, true});
    CBenchPrompts prompts;
    app.InitData(prompts);
    app.m_strLastFoodCatDlDate = "1/1/2001";
    SHttpClientOptions options;
    options.trace = {};
    const auto start = Clock::now();
    CFoodTableUpdate update(app, url, options);
    const SFoodUpdateStep categories = update.UpdateFoodCategories();
    const SFoodUpdateStep items = update.UpdateFoodItems();
    const double ms = MillisecondsSince(start);
    if (categories.added != 25 || items.added != 15735) {
        std::fprintf(stderr, "merge added %d categories and %d items\n", categories.added, items.added);
        return -1;
    }
    return ms;
}

/// The sqlite3 shell creating a table of the CSV's columns and importing the rows; -1 on failure.
double ImportOnce(const std::string& folder)
{
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string create =
        "CREATE TABLE foods (ItemName VARCHAR(200), CatCode VARCHAR(5), Category VARCHAR(200), ServingSizeCode "
        "INTEGER, ServingSizeName VARCHAR(200), ServingSizeAmt DOUBLE, ServingSizeUnit VARCHAR(50), Calories "
        "INTEGER, FatCalories INTEGER, FatGrams DOUBLE, FatGramsPercent DOUBLE, SaturatedFat DOUBLE, "
        "SaturatedFatPercent DOUBLE, PolySatFat DOUBLE, MonoUnsatFat DOUBLE, Cholesterol DOUBLE, CholesterolPercent "
        "DOUBLE, Sodium DOUBLE, SodiumPercent DOUBLE, Carbs DOUBLE, CarbsPercent DOUBLE, Fiber DOUBLE, FiberPercent "
        "DOUBLE, Sugars DOUBLE, Protein DOUBLE, Points DOUBLE)";
    const std::string command = "sqlite3 -csv '" + folder + "/import.db' '" + create + "' '.import --skip 1 " +
                                LEANLOG_SOURCE_DIR "/data/foods/foods.csv foods'";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        return -1;
    return MillisecondsSince(start);
}

} // namespace

int main()
{
    wxInitializer wx;
    CFeedProcess feed;
    if (!feed.Running()) {
        std::fprintf(stderr, "scripts/feed did not start\n");
        return 1;
    }
    const std::string folder = (std::filesystem::temp_directory_path() / "leanlog-bench-feed-merge").string();
    std::vector<double> merges, imports;
    for (int i = 0; i < kRuns; ++i) {
        const double merge = MergeOnce(folder, feed.Url());
        const double import = ImportOnce(folder + "-import");
        if (merge < 0 || import < 0)
            return 1;
        std::printf("run %d: merge %.0f ms, sqlite3 .import %.0f ms\n", i, merge, import);
        merges.push_back(merge);
        imports.push_back(import);
    }
    const double merge = Median(merges);
    const double import = Median(imports);
    std::printf("whole feed (25 categories, 15735 items) merged through HTTP on loopback: %.0f ms median of %d; "
                "target under 2000 ms\n",
                merge, kRuns);
    std::printf("sqlite3 shell .import of the same rows: %.0f ms median; merge/import = %.2f; target at most 3\n",
                import, merge / import);
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(folder + "-import");
    return 0;
}
