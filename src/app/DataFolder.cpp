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

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (ec)
        throw std::runtime_error("Cannot use the data folder " + path +
                                 ": the current folder cannot be read (" + ec.message() + ")");
    return Trimmed(absolute.string());
}

} // namespace

CDataFolder CDataFolder::Resolve(const std::optional<std::string>& option)
{
    if (option) {
        if (option->empty())
            throw std::invalid_argument("the data folder given with --data-dir is empty");
        return {Absolute(*option), true};
    }
    const std::string env = EnvOr("LEANLOG_DATA_DIR", "");
    if (!env.empty())
        return {Absolute(env), true};
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

bool CDataFolder::Exists() const
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

void CDataFolder::RequireExisting() const
{
    if (!Exists())
        throw std::runtime_error("There is no Leanlog data in " + path + " (the folder does not exist).");
}

std::string CDataFolder::SettingsFile() const
{
    if (portable)
        return path + "/Leanlog.ini";
    return EnvOr("XDG_CONFIG_HOME", Home() + "/.config") + "/Leanlog/Leanlog.conf";
}
