#include "reports/StatusAdvice.h"

#include <algorithm>

namespace {

constexpr std::int32_t kTooManyCarbsInADay = 10000;
constexpr int kTooManyCarbsRecently = 5000;
constexpr int kFullProteinStreak = 3;
constexpr int kGetReadyDays = 3;
constexpr double kTrendMargin = 1.0;   // pounds

SAdvice AdviceAfterKetosis(const SAdviceInputs& in)
{
    if (in.carbs > kTooManyCarbsInADay)
        return {"You had too many carbs yesterday and need another protein day<br>", true};
    if (in.recentCarbs > kTooManyCarbsRecently && in.proteinStreak < kFullProteinStreak)
        return {"You had too many carbs recently and need another protein day<br>", true};
    return {"You can return to a normal day<br>", false};
}

SAdvice AdviceOnProteinDay(const SAdviceInputs& in)
{
    if (in.ketosisAnswer == 1)
        return AdviceAfterKetosis(in);
    if (in.proteinStreak == kFullProteinStreak)
        return {"Please visit summary tab for more information<br>", false};
    return {"Today needs to be another protein day<br>", true};
}

SAdvice AdviceOnNormalDay(const SAdviceInputs& in)
{
    if (in.carbs > kTooManyCarbsInADay)
        return {"You had too many carbs yesterday and need a protein day.<br>", true};
    if (in.recentCarbs > kTooManyCarbsRecently)
        return {"You had too many carbs recently and need a protein day.<br>", true};
    if (in.days <= kGetReadyDays)
        return {"Continue with a regular protein day diet.<br>", false};
    if (in.recentProteinDay)
        return {"You can continue with a normal day.<br>", false};
    return {"Today needs to be a protein day.<br>", true};
}

} // namespace

SAdvice ChooseAdvice(const SAdviceInputs& in)
{
    return in.proteinDay ? AdviceOnProteinDay(in) : AdviceOnNormalDay(in);
}

std::optional<double> AverageWeight(const CDayList& days, int first, int last)
{
    const long size = static_cast<long>(days.size());
    double sum = 0;
    int count = 0;
    for (long i = std::max(0L, static_cast<long>(first)); i <= last && i < size; ++i) {
        const double weight = days[static_cast<size_t>(i)]->weight;
        if (weight != 0) {
            sum += weight;
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

std::string_view TrendLine(std::optional<double> earlier, std::optional<double> recent, std::optional<double> whole)
{
    if (earlier && recent && whole) {
        if (*recent + kTrendMargin < *earlier && *whole + kTrendMargin < *earlier)
            return "Your weight is trending downward<br>";
        if (*recent - kTrendMargin > *earlier && *whole - kTrendMargin > *earlier)
            return "Your weight is trending upwards<br>";
    }
    return "Your weight trend is neutral<br>";
}
