// Prints how long the Carb Info tab takes from its selection to a shown
// tree over a catalogue of 20,000 items (the food table repeated). Needs a
// display: run it under tests/ui/run-with-display.
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "FoodCsv.h"

#include "app/LeanlogApp.h"
#include "ui/frame/ChildView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/MainFrame.h"
#include "ui/pages/CarbInfoPage.h"

#include <wx/dataview.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

constexpr size_t kItems = 20000;
constexpr int kRuns = 5;

void Run()
{
    char pattern[] = "/tmp/leanlog-carbinfo-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    std::vector<double> times;
    size_t items = 0;
    for (int run = 0; run < kRuns; ++run) {
        CLeanlogApp model(CDataFolder{folder, true});
        CBenchPrompts prompts(CNewDietAnswers{CDateTime::Now().DateOnly(), 150});
        model.InitData(prompts);
        model.LoadBannerSettings();
        items = LoadFoodCsv(model, kSharedFoodCsv, kItems);
        if (items == 0) {
            std::fprintf(stderr, "no food table at %s\n", kSharedFoodCsv);
            std::exit(1);
        }
        auto* frame = new CMainFrame(model);
        frame->Show();
        Settle();
        const auto start = std::chrono::steady_clock::now();
        frame->View().ClickTab(kTabCarbInfo);
        // Shown: the page laid out and the tree's first rows drawn on screen.
        frame->View().CarbInfoPage()->Tree()->Update();
        Settle();
        times.push_back(MillisecondsSince(start));
        if (frame->View().CarbInfoPage()->FoodTree().Roots().empty() ||
            !frame->View().CarbInfoPage()->IsShownOnScreen()) {
            std::fprintf(stderr, "the Carb Info page did not show its tree\n");
            std::exit(1);
        }
        frame->Destroy();
        Settle();
    }
    std::filesystem::remove_all(folder);
    std::printf("Carb Info tab to shown tree, %zu items, %d runs: median %.1f ms, worst %.1f ms (target 500 ms)\n",
                items, kRuns, Median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv)
{
    return RunInWindowApp(argc, argv, Run);
}
