#include "cli/CliCommand.h"

const std::vector<SCliCommand>& CliCommands()
{
    static const std::vector<SCliCommand> commands{
        {"new-diet", "new-diet --start YYYY-MM-DD --goal N", RunNewDiet, true},
        {"enter",
         "enter --weight TEXT [--steps TEXT] [--protein | --no-protein] [--slot NAME=ITEM|SIZE|CARBS]... "
         "[--missing enter|cancel|restart]",
         RunEnter, true},
        {"days", "days", RunDays},
        {"status", "status [--ketosis yes|no]", RunStatus},
        {"summary", "summary", RunSummary},
        {"foods", "foods [--search TEXT]", RunFoods},
        {"fetch", "fetch URL [--user U --password P] [--head]", RunFetch},
        {"export", "export [--all] [FILE]", RunExport},
        {"import", "import FILE [--dry-run]", RunImport, true},
        {"backup", "backup FILE", RunBackup},
        {"restore", "restore FILE", RunRestore, true},
        {"update-foods", "update-foods", RunUpdateFoods, true},
        {"check-updates", "check-updates", RunCheckUpdates, true},
    };
    return commands;
}
