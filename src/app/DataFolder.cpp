#include "app/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace {

std::string Trimmed(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string EnvOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::string Home()
{
    return EnvOr("HOME", "/tmp");
}

} // namespace

CDataFolder CDataFolder::Resolve(const std::optional<std::string>& option)
{
    if (option && !option->empty())
        return {Trimmed(std::filesystem::absolute(*option).string()), true};
    const std::string env = EnvOr("LEANLOG_DATA_DIR", "");
    if (!env.empty())
        return {Trimmed(std::filesystem::absolute(env).string()), true};
    return {EnvOr("XDG_DATA_HOME", Home() + "/.local/share") + "/Leanlog", false};
}

void CDataFolder::EnsureExists() const
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec || !std::filesystem::is_directory(path))
        throw std::runtime_error("Cannot use the data folder " + path + ": " +
                                 (ec ? ec.message() : std::string("it is not a folder")));
}

std::string CDataFolder::SettingsFile() const
{
    if (portable)
        return path + "/Leanlog.ini";
    return EnvOr("XDG_CONFIG_HOME", Home() + "/.config") + "/Leanlog/Leanlog.conf";
}
