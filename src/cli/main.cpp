#include "app/DataFolderLock.h"
#include "cli/CliCommand.h"
#include "store/Database.h"

#include <wx/init.h>

#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

void PrintUsage(std::ostream& out)
{
    out << "usage: leanlog-cli [--data-dir DIR] COMMAND ...\n"
           "       leanlog-cli --help | --version | help COMMAND\ncommands:\n";
    for (const auto& command : CliCommands())
        out << "  " << command.usage << '\n';
}

/// --help, --version and help COMMAND: on standard output, exit 0.
std::optional<int> Informational(const std::vector<std::string>& args)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "leanlog-cli " << LEANLOG_VERSION << '\n';
        return kExitOk;
    }
    if (args.size() == 2 && args[0] == "help") {
        for (const auto& command : CliCommands())
            if (args[1] == command.name) {
                std::cout << "usage: leanlog-cli [--data-dir DIR] " << command.usage << '\n';
                return kExitOk;
            }
    }
    return std::nullopt;
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
    if (const auto status = Informational(args))
        return *status;
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
