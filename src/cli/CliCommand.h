#pragma once

#include "app/DataFolder.h"

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

/// Exit statuses of leanlog-cli.
enum ECliExit { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

/// Bad usage: reported on standard error with exit status 2.
class CUsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// What one command gets: its arguments after the command name, the data
/// folder and the output streams.
struct CCliContext
{
    CDataFolder folder;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

using CliCommandFn = int (*)(CCliContext& context);

struct SCliCommand
{
    const char* name;
    const char* usage;
    CliCommandFn run;
    /// Writes to the data folder: runs only while no desktop program holds
    /// the folder, and holds it meanwhile.
    bool writes = false;
};

/// All commands, in the order the usage text lists them.
const std::vector<SCliCommand>& CliCommands();

// One function per command, each in its own file.
int RunNewDiet(CCliContext& context);
int RunDays(CCliContext& context);
int RunFetch(CCliContext& context);
int RunStatus(CCliContext& context);
int RunSummary(CCliContext& context);
int RunEnter(CCliContext& context);
int RunExport(CCliContext& context);
int RunImport(CCliContext& context);
int RunBackup(CCliContext& context);
int RunRestore(CCliContext& context);
int RunFoods(CCliContext& context);
int RunUpdateFoods(CCliContext& context);
int RunCheckUpdates(CCliContext& context);
