#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"
#include "base/StrPrintf.h"

#include <ostream>

int RunDays(CCliContext& context)
{
    const CCliOptions options(context.args, {});
    if (!options.Positional().empty())
        throw CUsageError("days takes no arguments");
    const auto app = LoadExistingDiet(context.folder);
    const CDailyInfo& first = *app->m_days.front();
    for (const auto& day : app->m_days) {
        context.out << day->GetDayLabel(first)
                    << StrPrintf("\t%5.2f\t%d\t%d\n", day->weight, day->carbs, day->steps);
    }
    return kExitOk;
}
