#include "entry/EntryInputRules.h"

#include "base/StrPrintf.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool AllDigitsOrPoint(std::string_view text)
{
    // from_chars alone would take "inf", "nan" and hexadecimal forms.
    int points = 0;
    for (const char ch : text) {
        if (ch == '.')
            ++points;
        else if (ch < '0' || ch > '9')
            return false;
    }
    return points <= 1 && text != ".";
}

} // namespace

std::optional<int> ParseWholeNumber(std::string_view text, int max)
{
    text = Trim(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0 || value > max)
        return std::nullopt;
    return value;
}

std::optional<double> ParseDecimal(std::string_view text)
{
    text = Trim(text);
    if (text.empty() || !AllDigitsOrPoint(text))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> ParseWeightText(std::string_view text)
{
    if (Trim(text).empty())
        return 0;
    const auto value = ParseDecimal(text);
    if (!value || *value > kMaxWeight)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<int> ParseStepsText(std::string_view text)
{
    return Trim(text).empty() ? std::optional<int>(0) : ParseWholeNumber(text, kMaxSteps);
}

std::optional<SDayEntryError> ValidateDayEntry(std::string_view weight, std::string_view steps)
{
    if (!ParseWeightText(weight))
        return SDayEntryError{EDayField::Weight,
                              StrPrintf("Please enter a weight between 0 and %d pounds (or leave it empty).",
                                        kMaxWeight)};
    if (!ParseStepsText(steps))
        return SDayEntryError{EDayField::Steps,
                              StrPrintf("Please enter a whole number between 0 and %d for the steps.", kMaxSteps)};
    return std::nullopt;
}

std::optional<std::string> ValidateSlotCarbs(std::string_view carbs)
{
    if (ParseWholeNumber(carbs, kMaxSlotCarbs))
        return std::nullopt;
    return StrPrintf("Please enter a whole number between 0 and %d for the carbs.", kMaxSlotCarbs);
}

std::string StoredWeightText(std::string_view weight)
{
    const auto value = ParseWeightText(weight);
    return value ? StrPrintf("%5.2f", static_cast<double>(*value)) : std::string(weight);
}
