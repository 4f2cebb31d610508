#include "entry/EntryText.h"

#include <charconv>
#include <climits>
#include <cmath>

int LeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
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
    for (const char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1 && text != ".";
}

} // namespace

std::optional<int> ParseWeightText(std::string_view text)
{
    text = Trim(text);
    if (text.empty())
        return 0;
    if (!AllDigitsOrPoint(text))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || value > kMaxWeight)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ParseStepsText(std::string_view text)
{
    text = Trim(text);
    if (text.empty())
        return 0;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > kMaxSteps)
        return std::nullopt;
    return value;
}
