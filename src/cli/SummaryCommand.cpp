#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "reports/SummaryReport.h"

#include <ostream>

int RunSummary(CCliContext& context)
{
    const CCliOptions options(context.args, {});
    if (!options.Positional().empty())
        throw CUsageError("summary takes no arguments");
    const auto app = LoadExistingDiet(context.folder);
    context.out << SummaryPageText(*app) << '\n';
    return kExitOk;
}
