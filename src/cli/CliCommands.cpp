#include "cli/CliCommand.h"

const std::vector<SCliCommand>& CliCommands()
{
    static const std::vector<SCliCommand> commands{
        {"new-diet", "new-diet --start YYYY-MM-DD --goal N", RunNewDiet},
        {"days", "days", RunDays},
    };
    return commands;
}
