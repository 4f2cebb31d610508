#include "app/WeightImport.h"
#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"

#include <ostream>
#include <stdexcept>

int RunImport(CCliContext& context)
{
    const CCliOptions options(context.args, {}, {"dry-run"});
    if (options.Positional().size() != 1)
        throw CUsageError("import takes one FILE");
    const std::string& file = options.Positional().front();
    const auto app = LoadExistingDiet(context.folder);
    std::string error;
    const auto plan = PlanWeightImportFile(*app, file, CDateTime::Now(), error);
    if (!plan)
        throw std::runtime_error(file + ": nothing was imported:\n" + error);
    context.out << DayCountText(plan->changed) << " changed, " << DayCountText(plan->added) << " added"
                << (options.Has("dry-run") ? " (dry run: nothing written)\n" : "\n");
    if (!options.Has("dry-run"))
        ApplyWeightImport(*app, *plan);
    return kExitOk;
}
