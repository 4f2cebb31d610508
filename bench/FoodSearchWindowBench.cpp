// Prints how long the search field of the Carb Info page and of the food
// picker take from a typed key to the drawn results over the USDA table,
// and how long the index takes to build. Keys are real X key events. Needs
// a display: run it under tests/ui/run-with-display.
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "FoodCsv.h"

#include "app/LeanlogApp.h"
#include "ui/controls/FoodSearchPanel.h"
#include "ui/dialogs/FoodPickerDlg.h"
#include "ui/pages/CarbInfoPage.h"

#include <wx/dataview.h>
#include <wx/frame.h>
#include <wx/srchctrl.h>
#include <wx/uiaction.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kIndexRuns = 5;
const char* const kTyped[] = {"egg boiled", "chicken breast roasted", "apple juice", "cheese cheddar", "c"};

using Clock = std::chrono::steady_clock;

/// Times each key of kTyped typed into `search`'s field, then Escape; exits on a key that never arrives.
void TypeAndTime(CFoodSearchPanel& search, const char* window)
{
    std::vector<double> keys, delivered, escapes;
    wxUIActionSimulator simulator;
    // The key's arrival in the program: what comes before it is the X server's and the simulator's.
    Clock::time_point arrived;
    search.Field()->Bind(wxEVT_CHAR_HOOK, [&arrived](wxKeyEvent& event) {
        arrived = Clock::now();
        event.Skip();
    });
    for (const std::string typed : kTyped) {
        search.Field()->SetFocus();
        Settle();
        for (const char c : typed) {
            const size_t length = search.Field()->GetValue().length();
            const auto start = Clock::now();
            simulator.Char(c);
            while (search.Field()->GetValue().length() == length) {
                wxTheApp->Yield(true);
                if (MillisecondsSince(start) > 2000) {
                    std::fprintf(stderr, "%s: the key '%c' did not reach the field\n", window, c);
                    std::exit(1);
                }
            }
            // Shown: the list's rows drawn on screen.
            search.Results()->Update();
            Settle();
            keys.push_back(MillisecondsSince(arrived));
            delivered.push_back(MillisecondsSince(start));
        }
        simulator.Char(WXK_ESCAPE);
        while (search.Finder().Searching())
            wxTheApp->Yield(true);
        search.GetParent()->Update();
        Settle();
        escapes.push_back(MillisecondsSince(arrived));
    }
    std::printf("%s, %zu keys: key to shown results median %.1f ms, worst %.1f ms (target 30 ms); "
                "with the simulated key's delivery median %.1f ms; Escape to shown tree median %.1f ms, worst %.1f ms\n",
                window, keys.size(), Median(keys), *std::max_element(keys.begin(), keys.end()), Median(delivered),
                Median(escapes), *std::max_element(escapes.begin(), escapes.end()));
}

void Run()
{
    const auto folder = std::filesystem::temp_directory_path() / "leanlog-search-window-bench";
    std::filesystem::create_directories(folder);
    {
        CLeanlogApp model(CDataFolder{folder.string(), true});
        const size_t items = LoadFoodCsv(model, kSharedFoodCsv);
        if (items == 0) {
            std::fprintf(stderr, "no food table at %s\n", kSharedFoodCsv);
            std::exit(1);
        }
        std::vector<double> builds;
        for (int run = 0; run < kIndexRuns; ++run) {
            const auto start = Clock::now();
            model.IndexFoods();
            builds.push_back(MillisecondsSince(start));
        }
        std::printf("USDA table: %zu sizes; index build: median %.1f ms of %d (target 100 ms)\n", items,
                    Median(builds), kIndexRuns);

        auto* frame = new wxFrame(nullptr, wxID_ANY, "Carb Info", wxDefaultPosition, wxSize(900, 600));
        auto* page = new CCarbInfoPage(frame, model);
        frame->Show();
        page->EnsureTree();
        Settle();
        TypeAndTime(*page->Search(), "Carb Info page");

        {
            CFoodPickerDlg picker(frame, model.m_categories, model.FoodSearch());
            picker.Show();
            Settle();
            TypeAndTime(*picker.Search(), "Food picker");
        }
        frame->Destroy();
        Settle();
    }
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv)
{
    return RunInWindowApp(argc, argv, Run);
}
