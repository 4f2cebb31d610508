#include "entry/EntryInputRules.h"

#include "base/StrPrintf.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsWholeInRange(std::string_view text, int max)
{
    text = Trimmed(text);
    int value = -1;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    return parsed.ec == std::errc() && parsed.ptr == text.data() + text.size() && value >= 0 && value <= max;
}

std::optional<double> Weight(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty())
        return 0.0;
    double value = -1;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value < 0 || value > kMaxWeight)
        return std::nullopt;
    return std::trunc(value);
}

} // namespace

std::optional<SDayEntryError> ValidateDayEntry(std::string_view weight, std::string_view steps)
{
    if (!Weight(weight))
        return SDayEntryError{EDayField::Weight,
                              StrPrintf("Please enter a weight between 0 and %d pounds (or leave it empty).",
                                        kMaxWeight)};
    if (!IsWholeInRange(steps, kMaxSteps))
        return SDayEntryError{EDayField::Steps,
                              StrPrintf("Please enter a whole number between 0 and %d for the steps.", kMaxSteps)};
    return std::nullopt;
}

std::optional<std::string> ValidateSlotCarbs(std::string_view carbs)
{
    if (IsWholeInRange(carbs, kMaxSlotCarbs))
        return std::nullopt;
    return StrPrintf("Please enter a whole number between 0 and %d for the carbs.", kMaxSlotCarbs);
}

std::string StoredWeightText(std::string_view weight)
{
    const auto value = Weight(weight);
    return value ? StrPrintf("%5.2f", *value) : std::string(weight);
}
