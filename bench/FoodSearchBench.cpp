// Prints how long the food search's index takes to build over the USDA
// table, and how long one query takes for each prefix of a few typed words
// (what one keystroke asks of the core).
#include "BenchTiming.h"
#include "FoodCsv.h"

#include "app/LeanlogApp.h"
#include "entry/FoodSearch.h"

#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

int main()
{
    wxInitializer wx;
    const auto folder = std::filesystem::temp_directory_path() / "leanlog-search-bench";
    std::filesystem::create_directories(folder);
    CLeanlogApp model(CDataFolder{folder.string(), true});
    const size_t items = LoadFoodCsv(model, kSharedFoodCsv);
    auto start = std::chrono::steady_clock::now();
    const CFoodSearch search(model.m_foodItems);
    const double buildMs = MillisecondsSince(start);

    double worstMs = 0, totalMs = 0;
    int keystrokes = 0;
    for (const std::string typed : {"egg boiled", "chicken breast roasted", "apple juice", "cheese cheddar"}) {
        for (size_t length = 1; length <= typed.size(); ++length, ++keystrokes) {
            start = std::chrono::steady_clock::now();
            const auto found = search.Find(typed.substr(0, length));
            const double ms = MillisecondsSince(start);
            worstMs = std::max(worstMs, ms);
            totalMs += ms;
        }
    }
    std::printf("items: %zu\nindex build: %.1f ms\nquery per keystroke: mean %.2f ms, worst %.2f ms (%d keystrokes)\n",
                items, buildMs, totalMs / keystrokes, worstMs, keystrokes);
    std::filesystem::remove_all(folder);
    return 0;
}
