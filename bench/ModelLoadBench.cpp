// Prints how long start-up's data steps take to load a large data folder
// into the model, beside the time the sqlite3 shell takes to read the same
// tables.
#include "BenchTiming.h"
#include "SampleData.h"

#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"

#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double LoadModel(const std::string& folder, size_t& items, size_t& days, size_t& past)
{
    const auto start = Clock::now();
    CLeanlogApp app(CDataFolder{folder, true});
    CBenchPrompts prompts;
    app.InitData(prompts);
    const double ms = MillisecondsSince(start);
    items = app.m_foodItems.size();
    days = app.m_days.size();
    past = app.m_previousDietResults.size();
    return ms;
}

double ReadWithShell(const std::string& folder)
{
    const std::string script = folder + "/read.sql";
    {
        std::ofstream out(script);
        out << "SELECT * FROM LnLg_FoodCategories ORDER BY ID;\n"
               "SELECT * FROM LnLg_FoodItem ORDER BY ItemName,ServingSizeCode;\n"
               "SELECT * FROM LnLg_Prefs;\n";
        CLeanlogApp app(CDataFolder{folder, true});
        CBenchPrompts prompts;
        app.InitData(prompts);
        out << "SELECT * FROM \"" << app.m_strDietTable << "\";\n";
        for (const auto& table : app.m_pastDietTables)
            out << "SELECT * FROM \"" << table << "\";\n";
    }
    const std::string command = "sqlite3 '" + folder + "/RiRedo.mdb' < '" + script + "' > /dev/null";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "sqlite3 failed\n");
    return MillisecondsSince(start);
}

} // namespace

int main()
{
    wxInitializer wx;
    const std::string folder = (std::filesystem::temp_directory_path() / "leanlog-bench-model").string();
    std::filesystem::remove_all(folder);
    MakeSampleDataFolder(folder, SSampleDataSize{});

    std::vector<double> model, shell;
    size_t items = 0, days = 0, past = 0;
    LoadModel(folder, items, days, past);   // warm the page cache
    for (int run = 0; run < 15; ++run) {
        model.push_back(LoadModel(folder, items, days, past));
        shell.push_back(ReadWithShell(folder));
    }
    const double modelMs = Median(model);
    const double shellMs = Median(shell);
    std::printf("data: %zu food items, %zu earlier diets, %zu days in the current diet\n", items, past, days);
    std::printf("model load (start-up data steps): %.1f ms (median of %zu)\n", modelMs, model.size());
    std::printf("sqlite3 shell reading the same tables: %.1f ms (median of %zu)\n", shellMs, shell.size());
    std::printf("ratio: %.2f (target: at most 3.0; model load under 150 ms)\n", modelMs / shellMs);
    std::filesystem::remove_all(folder);
    return 0;
}
