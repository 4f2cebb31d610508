#include "diet/NewDietAnswers.h"

#include <charconv>

std::optional<std::string> StartDateProblem(CDateTime start)
{
    static const CDateTime first = CDateTime::FromDate(1900, 1, 1);
    static const CDateTime last = CDateTime::FromDate(9998, 12, 31);
    if (start.DateOnly() < first || start.DateOnly() > last)
        return std::string("Please choose a start date from 01/01/1900 to 12/31/9998.");
    return std::nullopt;
}

std::optional<int> ParseGoalWeight(std::string_view text, std::string& error)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < kMinGoalWeight ||
        value > kMaxGoalWeight) {
        error = "Please enter an integer between " + std::to_string(kMinGoalWeight) + " and " +
                std::to_string(kMaxGoalWeight) + " for the goal weight.";
        return std::nullopt;
    }
    error.clear();
    return value;
}
