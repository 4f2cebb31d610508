#include "app/DayExport.h"
#include "base/FileText.h"
#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"

#include <ostream>

int RunExport(CCliContext& context)
{
    const CCliOptions options(context.args, {}, {"all"});
    if (options.Positional().size() > 1)
        throw CUsageError("export takes at most one FILE");
    const auto app = LoadExistingDiet(context.folder);
    const std::string csv = ExportDaysCsv(*app, options.Has("all"));
    if (options.Positional().empty())
        context.out << csv;
    else
        WriteFileAtomically(options.Positional().front(), csv);
    return kExitOk;
}
