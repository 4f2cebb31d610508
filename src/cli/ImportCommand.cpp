#include "app/WeightImport.h"
#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"

#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>

int RunImport(CCliContext& context)
{
    const CCliOptions options(context.args, {}, {"dry-run"});
    if (options.Positional().size() != 1)
        throw CUsageError("import takes one FILE");
    const std::string& file = options.Positional().front();
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot read " + file + ".");
    std::ostringstream csv;
    csv << in.rdbuf();

    const auto app = LoadExistingDiet(context.folder);
    std::string error;
    const auto plan = PlanWeightImport(*app, csv.str(), CDateTime::Now(), error);
    if (!plan)
        throw std::runtime_error(file + ": nothing was imported:\n" + error);
    const auto days = [](int n) { return std::to_string(n) + (n == 1 ? " day" : " days"); };
    context.out << days(plan->changed) << " changed, " << days(plan->added) << " added"
                << (options.Has("dry-run") ? " (dry run: nothing written)\n" : "\n");
    if (!options.Has("dry-run"))
        ApplyWeightImport(*app, *plan);
    return kExitOk;
}
