#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"

int RunNewDiet(CCliContext& context)
{
    const CCliOptions options(context.args, {"start", "goal"});
    const std::string startText = options.Required("start");
    const auto start = CDateTime::ParseIsoDate(startText);
    if (!start)
        throw CUsageError("--start must be a date written YYYY-MM-DD, not \"" + startText + "\"");
    if (const auto problem = StartDateProblem(*start))
        throw CUsageError(*problem);
    std::string error;
    const auto goal = ParseGoalWeight(options.Required("goal"), error);
    if (!goal)
        throw CUsageError(error);

    context.folder.EnsureExists();
    CLeanlogApp app(context.folder);
    CCliPrompts prompts(CNewDietAnswers{*start, *goal});
    app.InitData(prompts);
    if (!prompts.Asked())
        app.StartDietOver(CNewDietAnswers{*start, *goal});
    return kExitOk;
}
