#include "app/DataBackup.h"
#include "cli/CliCommand.h"
#include "cli/CliModel.h"
#include "cli/CliOptions.h"

#include <filesystem>
#include <ostream>

int RunBackup(CCliContext& context)
{
    const CCliOptions options(context.args, {});
    if (options.Positional().size() != 1)
        throw CUsageError("backup takes one FILE");
    const auto app = LoadExistingDiet(context.folder);
    BackUpData(*app, options.Positional().front());
    return kExitOk;
}

int RunRestore(CCliContext& context)
{
    const CCliOptions options(context.args, {});
    if (options.Positional().size() != 1)
        throw CUsageError("restore takes one FILE");
    context.folder.EnsureExists();
    RestoreData(context.folder, options.Positional().front(), [&context] {
        if (!std::filesystem::exists(context.folder.path + "/RiRedo.mdb"))
            return;
        context.out << "The data it replaces is kept in " << KeepCurrentData(*LoadExistingDiet(context.folder)) << '\n';
    });
    return kExitOk;
}
