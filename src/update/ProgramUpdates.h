#pragma once

#include "net/HttpClientOptions.h"
#include "update/ReleaseSignature.h"

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

class CSettings;
struct STextSetting;

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
inline constexpr std::string_view kPrcFileName = "Leanlog.prc";
inline constexpr std::string_view kConduitFileName = "LeanlogConduit.dll";
/// Where files are fetched from: "/leanlog/" and the name from the version reply.
inline constexpr std::string_view kDownloadFolderPath = "/leanlog/";
/// The updater finds the data folder and the program to wait for here.
inline constexpr std::string_view kUpdaterDataDirVariable = "LEANLOG_DATA_DIR";
inline constexpr std::string_view kUpdaterWaitPidVariable = "LEANLOG_UPDATER_WAIT_PID";

/// The answers of the "New Version Found" dialog, in its radio order.
enum class ENewVersionAnswer { InstallNow = 0, InstallOnExit = 1, AskAgain = 2 };

/// What the exit step does.
struct SUpdaterStart
{
    bool start = false;     ///< a downloaded update waits: start the updater
    bool autorun = false;   ///< with the argument "autorun"
    std::string dataDir;    ///< where the update waits, for StartUpdater
};

/// The handheld application, conduit and program version checks and the
/// program update's state. The checks run on the connection-check thread
/// while the UI thread asks and exits: one lock guards the members.
class CProgramUpdates
{
public:
    /// Versions from the settings; `appDir` is the data folder, where the
    /// downloads go; `serverUrl` empty means no server. A program update is
    /// taken only when signed by `trustedKey` (PEM; tests pass their own).
    CProgramUpdates(CSettings& settings, std::string appDir, std::string serverUrl, SHttpClientOptions options,
                    std::string trustedKey = std::string(TrustedReleaseKey()));

    // Connection-check thread. A file is written (over a temporary) and its
    // version recorded only after its whole download; a program update also
    // needs its signature ("<file>.sig") to verify.
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

    /// The reply of a version request; nullopt when it has no usable version and file.
    std::optional<SVersionReply> AskVersion(std::string_view pathFormat, std::string_view what) const;
    /// The handheld application's or the conduit's check: a newer version's
    /// file stored whole as `fileName`, then the version recorded. True when taken.
    bool TakeComponentUpdate(std::string_view pathFormat, std::string_view what, std::string_view fileName,
                             std::string CProgramUpdates::*version, const STextSetting& setting);
    /// The whole body of "/leanlog/<file>" when it arrived with status 200.
    std::optional<std::string> Download(const std::string& file) const;
    /// The reply names a newer version than `current` and a plain file name.
    bool IsUsableNewer(const SVersionReply& reply, const std::string& current, std::string_view what) const;
    bool WriteDownload(std::string_view name, const std::string& bytes) const;
    /// Copies Leanlog.prc into <data folder>/Handheld/<first user>/Install/.
    void QueueForHandheld() const;
    void Trace(std::string_view text) const;

    CSettings& m_settings;
    const std::string m_strAppDir;
    const std::string m_serverUrl;
    const SHttpClientOptions m_options;
    const std::string m_trustedKey;
};

/// Starts `leanlog-updater` from `programDir`, detached, with "autorun" or
/// no argument; a missing updater is not reported. It is told the data
/// folder (empty: the one it finds itself) and this process's id, to wait
/// for its end, through kUpdaterDataDirVariable and kUpdaterWaitPidVariable.
void StartUpdater(const std::string& programDir, bool autorun, const std::string& dataDir = {});

/// The folder of the running executable, where the updater lies; "" when unknown.
std::string RunningProgramDir();
