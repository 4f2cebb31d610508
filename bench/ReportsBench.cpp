// Prints how long the Status page text, the Summary page text and the
// Progress graph's geometry take to build for diets of 1,000 and 10,000
// days, and how the time grows with the days (target: at most about 12x for
// 10x the days, and under 5 ms each for 1,000 days).
#include "reports/ProgressGraph.h"
#include "reports/StatusAdvisor.h"
#include "reports/SummaryReport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class CAnswerNo : public CKetosisQuestion
{
public:
    bool AskInKetosis() override { return false; }
};

/// A diet that loses from 250 to about 185 pounds over its first year and
/// then holds within a few pounds, with carbs and a protein day now and then.
CDayList MakeBenchDiet(int dayCount)
{
    std::mt19937 random(20060115);
    std::uniform_int_distribution<int> noise(-2, 2);
    std::uniform_int_distribution<int> carbs(0, 8000);
    CDayList days;
    const CDateTime start = CDateTime::FromDate(2006, 1, 15);
    for (int i = 0; i < dayCount; ++i) {
        const int trend = i < 365 ? 250 - i * 65 / 365 : 185;
        auto day = std::make_unique<CDailyInfo>(start.AddDays(i), trend + noise(random), 5000);
        day->carbs = carbs(random);
        day->isProteinDay = i < 3 || i % 9 == 0;
        days.push_back(std::move(day));
    }
    return days;
}

double MedianMs(int runs, const std::function<void()>& build)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        build();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct SFigures
{
    double status = 0;
    double summary = 0;
    double graph = 0;
    size_t shapes = 0;
};

SFigures Measure(int dayCount, int runs)
{
    const CDayList days = MakeBenchDiet(dayCount);
    const std::vector<std::int16_t> previous = {12, -3, 0};
    const auto textWidth = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
    SFigures figures;
    size_t sink = 0;
    figures.status = MedianMs(runs, [&] {
        std::int32_t ketosis = -1;
        bool proteinDayNeeded = false;
        CAnswerNo question;
        sink += StatusPageText(days, 160, previous, ketosis, proteinDayNeeded, question).size();
    });
    figures.summary = MedianMs(runs, [&] { sink += SummaryPageText(days).size(); });
    figures.graph = MedianMs(runs, [&] {
        const CProgressGraph graph(days, 160, 1200, 800, textWidth);
        figures.shapes = graph.DrawGraph().size();
        sink += static_cast<size_t>(graph.HitTestDay({-10, -10}) + 1);
    });
    if (sink == 0)
        std::printf("(nothing built)\n");
    return figures;
}

void PrintRow(const char* what, double small, double large)
{
    std::printf("%-34s %10.3f ms %10.3f ms %8.1fx\n", what, small, large, large / small);
}

} // namespace

int main()
{
    constexpr int kRuns = 31;
    // Keep freed memory in the process between runs. Otherwise glibc gives
    // the pages of each build back to the kernel and the next run pays the
    // page faults again, which on a virtual machine costs more than the
    // build itself and hides how the build grows with the days.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    Measure(1000, 3);   // warm caches and the allocator
    const SFigures small = Measure(1000, kRuns);
    const SFigures large = Measure(10000, kRuns);
    std::printf("median of %d builds; graph in a 1200 x 800 page\n", kRuns);
    std::printf("%-34s %13s %13s %9s\n", "", "1,000 days", "10,000 days", "ratio");
    PrintRow("Status page text", small.status, large.status);
    PrintRow("Summary page text", small.summary, large.summary);
    PrintRow("Graph geometry (layout + shapes)", small.graph, large.graph);
    std::printf("graph shapes: %zu and %zu\n", small.shapes, large.shapes);
    std::printf("targets: ratio at most about 12x; each 1,000-day build under 5 ms\n");
    return 0;
}
