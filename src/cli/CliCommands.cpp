#include "cli/CliCommand.h"

const std::vector<SCliCommand>& CliCommands()
{
    static const std::vector<SCliCommand> commands{
        {"new-diet", "new-diet --start YYYY-MM-DD --goal N", RunNewDiet},
        {"enter",
         "enter --weight TEXT [--steps TEXT] [--protein | --no-protein] [--slot NAME=ITEM|SIZE|CARBS]... "
         "[--missing enter|cancel|restart]",
         RunEnter},
        {"days", "days", RunDays},
        {"status", "status [--ketosis yes|no]", RunStatus},
        {"summary", "summary", RunSummary},
        {"fetch", "fetch URL [--user U --password P] [--head]", RunFetch},
        {"update-foods", "update-foods", RunUpdateFoods},
    };
    return commands;
}
