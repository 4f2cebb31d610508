#include "ui/app/WebProcesses.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

// The kernel keeps 15 characters of a process name.
constexpr std::string_view kWebProcessName = "WebKitWebProces";

bool IsOurRunningWebProcess(const std::string& pid)
{
    std::ifstream in("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return false;
    const auto open = line.find('(');
    const auto close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 4 >= line.size())
        return false;
    const std::string_view name(line.data() + open + 1, close - open - 1);
    const char state = line[close + 2];
    const long parent = std::strtol(line.c_str() + close + 4, nullptr, 10);
    return name == kWebProcessName && state != 'Z' && parent == static_cast<long>(getpid());
}

} // namespace

int RunningWebProcesses()
{
    struct SCloseDir
    {
        void operator()(DIR* dir) const { closedir(dir); }
    };
    std::unique_ptr<DIR, SCloseDir> proc(opendir("/proc"));
    if (!proc)
        return 0;
    int count = 0;
    while (const dirent* entry = readdir(proc.get())) {
        const std::string name = entry->d_name;
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && IsOurRunningWebProcess(name))
            ++count;
    }
    return count;
}

void WaitForWebProcesses(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (RunningWebProcesses() > 0 && std::chrono::steady_clock::now() < deadline) {
        if (wxTheApp)
            wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}
