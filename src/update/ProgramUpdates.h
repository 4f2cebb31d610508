#pragma once

#include "net/HttpClientOptions.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

class CSettings;

/// A version reply: "GOOD", then "<version>" and "[file]" in that order.
struct SVersionReply
{
    std::string version;
    std::string file;
};
/// nullopt when a marker is missing or out of order.
std::optional<SVersionReply> ParseVersionReply(std::string_view body);

inline constexpr std::string_view kPrcVersionPath = "/leanlog/getlastestprcversion.asp?user=%s";
inline constexpr std::string_view kConduitVersionPath = "/leanlog/getlastestconduitversion.asp?user=%s";
inline constexpr std::string_view kExeVersionPath = "/Leanlog/getlatestexeversion.asp?user=%s&ItemNum=%c";
inline constexpr std::string_view kUpdateArchiveName = "LeanlogUpdate.dat";
inline constexpr std::string_view kUpdaterProgramName = "leanlog-updater";

/// The answers of the "New Version Found" dialog, in its radio order.
enum class ENewVersionAnswer { InstallNow = 0, InstallOnExit = 1, AskAgain = 2 };

/// What the exit step does.
struct SUpdaterStart
{
    bool start = false;     ///< a downloaded update waits: start the updater
    bool autorun = false;   ///< with the argument "autorun"
};

/// The handheld application, conduit and program version checks and the
/// program update's state. The checks run on the connection-check thread
/// while the UI thread asks and exits: one lock guards the members.
class CProgramUpdates
{
public:
    /// Versions from the settings; `appDir` is the data folder, where the
    /// downloads go; `serverUrl` empty means no server.
    CProgramUpdates(CSettings& settings, std::string appDir, std::string serverUrl, SHttpClientOptions options);

    // Connection-check thread.
    void CheckPrcUpdate();
    void CheckConduitUpdate();
    void CheckExeUpdate();

    // UI thread.
    /// True once per run when an update is pending: the caller shows "New Version Found".
    bool TakeNewVersionQuestion();
    /// True when the answer means the program should quit now.
    bool Answer(ENewVersionAnswer answer);
    /// The exit step: records ExeVersion when an update is pending and says how to start the updater.
    SUpdaterStart ExitStep();

    bool UpdatePending() const;
    std::string ExeVersion() const;
    std::string PrcVersion() const;
    std::string ConduitVersion() const;

private:
    mutable std::mutex m_mutex;   ///< guards the members below
    std::string m_strPrcVersion;
    std::string m_strConduitVersion;
    std::string m_strExeVersion;
    bool m_bUpdatePending = false;
    bool m_bUpdateAsked = false;
    bool m_bInstallNow = false;
    // plus what the implementation needs (settings, appDir, server URL, options)
};

/// Starts `leanlog-updater` from `programDir`, detached, with "autorun" or
/// no argument; a missing updater is not reported.
void StartUpdater(const std::string& programDir, bool autorun);
