#pragma once

#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"

#include <memory>
#include <optional>

/// Answers start-up's New Diet question from the command line: with the
/// given answers, or with Cancel.
class CCliPrompts : public CStartupPrompts
{
public:
    explicit CCliPrompts(std::optional<CNewDietAnswers> answers = std::nullopt) : m_answers(answers) {}

    std::optional<CNewDietAnswers> AskNewDiet() override
    {
        m_asked = true;
        return m_answers;
    }
    bool Asked() const { return m_asked; }

private:
    std::optional<CNewDietAnswers> m_answers;
    bool m_asked = false;
};

/// The model loaded as the desktop program loads it, for a command that
/// needs an existing diet. Throws std::runtime_error when there is none.
std::unique_ptr<CLeanlogApp> LoadExistingDiet(const CDataFolder& folder);
