#pragma once

#include "app/StartupPrompts.h"
#include "reports/StatusAdvisor.h"

#include <optional>

/// Answers the New Diet question with fixed answers (or Cancel) and counts
/// how often each question was put.
class CScriptedPrompts : public CStartupPrompts
{
public:
    explicit CScriptedPrompts(std::optional<CNewDietAnswers> answers = std::nullopt) : m_answers(answers) {}

    void ShowAbout() override { ++aboutShown; }
    std::optional<CNewDietAnswers> AskNewDiet() override
    {
        ++newDietAsked;
        return m_answers;
    }

    int aboutShown = 0;
    int newDietAsked = 0;

private:
    std::optional<CNewDietAnswers> m_answers;
};

/// Answers the ketosis question with a fixed answer (No unless told) and
/// counts how often it was put.
class CScriptedKetosisAnswer : public CKetosisQuestion
{
public:
    explicit CScriptedKetosisAnswer(bool answer = false) : m_answer(answer) {}

    bool AskInKetosis() override
    {
        ++asked;
        return m_answer;
    }

    int asked = 0;

private:
    bool m_answer;
};

inline CNewDietAnswers Answers(int year, int month, int day, int goal)
{
    return {CDateTime::FromDate(year, month, day), goal};
}
