#pragma once

#include "app/StartupPrompts.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

// What every benchmark program measures with.

inline double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

/// The middle value; -1 for none.
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

/// Start-up's New Diet question answered with `answers`; none cancels it.
class CBenchPrompts : public CStartupPrompts
{
public:
    explicit CBenchPrompts(std::optional<CNewDietAnswers> answers = std::nullopt) : m_answers(answers) {}
    std::optional<CNewDietAnswers> AskNewDiet() override { return m_answers; }

private:
    std::optional<CNewDietAnswers> m_answers;
};
