#pragma once

#include "app/LeanlogApp.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDataDir.h"

#include <memory>
#include <string>

/// Starts the app on `dir` as a first run with the given start date and goal.
inline std::unique_ptr<CLeanlogApp> StartFirstDiet(const CTempDataDir& dir, CNewDietAnswers answers)
{
    auto app = std::make_unique<CLeanlogApp>(dir.Folder());
    CScriptedPrompts prompts(answers);
    app->InitData(prompts);
    return app;
}

/// Starts the app on an existing data folder; the New Diet question is cancelled.
inline std::unique_ptr<CLeanlogApp> Restart(const CTempDataDir& dir)
{
    auto app = std::make_unique<CLeanlogApp>(dir.Folder());
    CScriptedPrompts prompts;
    app->InitData(prompts);
    return app;
}

/// A first diet in `dir` whose food tables hold the categories `categories`
/// ("('F', 'Fruit'), ...") and the item rows `items` ("(ItemName, ...) VALUES ...").
inline void StartDietWithFoods(const CTempDataDir& dir, CNewDietAnswers answers, const std::string& categories,
                               const std::string& items)
{
    const auto app = StartFirstDiet(dir, answers);
    app->m_db->Execute("INSERT INTO LnLg_FoodCategories (CatCode, Category) VALUES " + categories);
    app->m_db->Execute("INSERT INTO LnLg_FoodItem " + items);
}
