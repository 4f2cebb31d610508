#pragma once

#include "diet/NewDietAnswers.h"

#include <optional>

/// What start-up and a restart ask the user. The window answers with its
/// dialogs; tests and the command line answer with scripted values.
class CStartupPrompts
{
public:
    virtual ~CStartupPrompts() = default;

    /// The About text, shown before the main window exists.
    virtual void ShowAbout() {}
    /// The New Diet dialog; nullopt when the user cancels.
    virtual std::optional<CNewDietAnswers> AskNewDiet() = 0;
};
