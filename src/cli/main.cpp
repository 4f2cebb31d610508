#include "app/DataFolderLock.h"
#include "cli/CliCommand.h"
#include "store/Database.h"

#include <wx/init.h>

#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

void PrintUsage(std::ostream& err)
{
    err << "usage: leanlog-cli [--data-dir DIR] COMMAND ...\ncommands:\n";
    for (const auto& command : CliCommands())
        err << "  " << command.usage << '\n';
}

int Fail(std::ostream& err, const std::string& message, int status)
{
    err << "leanlog-cli: " << message << '\n';
    if (status == kExitUsage)
        PrintUsage(err);
    return status;
}

CDataFolder ResolveFolder(const std::optional<std::string>& dataDir)
{
    try {
        return CDataFolder::Resolve(dataDir);
    } catch (const std::invalid_argument& e) {
        throw CUsageError(e.what());
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::string> dataDir;
    size_t next = 0;
    while (next < args.size() && args[next] == "--data-dir") {
        if (next + 1 == args.size())
            return Fail(std::cerr, "option --data-dir needs a value", kExitUsage);
        dataDir = args[next + 1];
        next += 2;
    }
    if (next == args.size())
        return Fail(std::cerr, "no command given", kExitUsage);

    const std::string name = args[next];
    for (const auto& command : CliCommands()) {
        if (name != command.name)
            continue;
        wxInitializer wx;
        try {
            CCliContext context{ResolveFolder(dataDir), {args.begin() + static_cast<long>(next) + 1, args.end()},
                                std::cout, std::cerr};
            std::optional<CDataFolderLock> lock;
            if (command.writes && context.folder.Exists()) {
                lock = CDataFolderLock::TryAcquire(context.folder);
                if (!lock)
                    return Fail(std::cerr, CDataFolderLock::InUseMessage(context.folder), kExitFailure);
            }
            const int status = command.run(context);
            std::cout.flush();
            return status;
        } catch (const CUsageError& e) {
            return Fail(std::cerr, e.what(), kExitUsage);
        } catch (const std::exception& e) {
            return Fail(std::cerr, e.what(), kExitFailure);
        }
    }
    return Fail(std::cerr, "unknown command \"" + name + "\"", kExitUsage);
}
