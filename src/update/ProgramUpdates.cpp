#include "update/ProgramUpdates.h"

#include "app/Settings.h"
#include "base/FileText.h"
#include "base/PlainName.h"
#include "net/HttpGet.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

/// The user identifier sent as "user": the program keeps none.
constexpr std::string_view kUserId = "";
constexpr char kExeItemNumber = '4';

std::string VersionPath(std::string_view format)
{
    std::string path(format);
    path.replace(path.find("%s"), 2, kUserId);
    if (const size_t item = path.find("%c"); item != std::string::npos)
        path.replace(item, 2, 1, kExeItemNumber);
    return path;
}

} // namespace

CProgramUpdates::CProgramUpdates(CSettings& settings, std::string appDir, std::string serverUrl,
                                 SHttpClientOptions options, std::string trustedKey)
    : m_strPrcVersion(settings.Get(kPrcVersionSetting)),
      m_strConduitVersion(settings.Get(kConduitVersionSetting)),
      m_strExeVersion(settings.Get(kExeVersionSetting)),
      m_settings(settings),
      m_strAppDir(std::move(appDir)),
      m_serverUrl(std::move(serverUrl)),
      m_options(std::move(options)),
      m_trustedKey(std::move(trustedKey))
{
}

bool CProgramUpdates::TakeComponentUpdate(std::string_view pathFormat, std::string_view what, std::string_view fileName,
                                          std::string CProgramUpdates::*version, const STextSetting& setting)
{
    std::string current;
    {
        std::lock_guard lock(m_mutex);
        current = this->*version;
    }
    const auto reply = AskVersion(pathFormat, what);
    if (!reply || !IsUsableNewer(*reply, current, what))
        return false;
    const auto bytes = Download(reply->file);
    if (!bytes || !WriteDownload(fileName, *bytes))
        return false;
    {
        std::lock_guard lock(m_mutex);
        this->*version = reply->version;
    }
    m_settings.Set(setting, reply->version);
    return true;
}

void CProgramUpdates::CheckPrcUpdate()
{
    if (TakeComponentUpdate(kPrcVersionPath, "handheld application", kPrcFileName, &CProgramUpdates::m_strPrcVersion,
                            kPrcVersionSetting))
        QueueForHandheld();
}

void CProgramUpdates::CheckConduitUpdate()
{
    TakeComponentUpdate(kConduitVersionPath, "conduit", kConduitFileName, &CProgramUpdates::m_strConduitVersion,
                        kConduitVersionSetting);
}

void CProgramUpdates::CheckExeUpdate()
{
    const auto reply = AskVersion(kExeVersionPath, "program");
    if (!reply || !IsUsableNewer(*reply, ExeVersion(), "program"))
        return;
    const auto archive = Download(reply->file);
    if (!archive)
        return;
    const auto signature = Download(reply->file + std::string(kSignatureSuffix));
    // Both stay in memory until the signature verified, so a refused update
    // leaves nothing in the data folder for the updater to find.
    if (!signature) {
        Trace("program update " + reply->version + " refused: its signature could not be downloaded");
        return;
    }
    if (!VerifyReleaseSignature(*archive, *signature, m_trustedKey)) {
        Trace("program update " + reply->version + " refused: its signature does not verify with the trusted key");
        return;
    }
    const std::string sigName = std::string(kUpdateArchiveName) + std::string(kSignatureSuffix);
    if (!WriteDownload(sigName, *signature) || !WriteDownload(kUpdateArchiveName, *archive))
        return;
    std::lock_guard lock(m_mutex);
    m_strExeVersion = reply->version;
    m_bUpdatePending = true;
}

std::optional<SVersionReply> CProgramUpdates::AskVersion(std::string_view pathFormat, std::string_view what) const
{
    if (m_serverUrl.empty())
        return std::nullopt;
    const std::string url = ServerPathUrl(m_serverUrl, VersionPath(pathFormat));
    // The reply is read whatever the exchange's result: the markers decide.
    auto reply = ParseVersionReply(HttpGet(url, m_options).body);
    if (!reply)
        Trace(std::string(what) + " version check: no version in the reply of " + url);
    return reply;
}

bool CProgramUpdates::IsUsableNewer(const SVersionReply& reply, const std::string& current, std::string_view what) const
{
    if (reply.version <= current)
        return false;
    if (!IsPlainName(reply.file)) {
        Trace(std::string(what) + " " + reply.version + " refused: the reply's file name is not a plain name");
        return false;
    }
    return true;
}

std::optional<std::string> CProgramUpdates::Download(const std::string& file) const
{
    const std::string url = ServerPathUrl(m_serverUrl, std::string(kDownloadFolderPath) + file);
    SHttpGetResult got = HttpGet(url, m_options);
    // Send fails a reply cut short of its length; an error page is no file either.
    if (!got.Whole()) {
        Trace("download of " + url + " failed, nothing written: " + got.failure);
        return std::nullopt;
    }
    return std::move(got.body);
}

bool CProgramUpdates::WriteDownload(std::string_view name, const std::string& bytes) const
{
    try {
        WriteFileAtomically(m_strAppDir + "/" + std::string(name), bytes);
        return true;
    } catch (const std::exception& e) {
        Trace("download not stored: " + std::string(e.what()));
        return false;
    }
}

void CProgramUpdates::QueueForHandheld() const
{
    std::error_code error;
    std::vector<std::string> users;
    for (const auto& entry : fs::directory_iterator(m_strAppDir + "/Handheld", error))
        if (entry.is_directory(error))
            users.push_back(entry.path().filename().string());
    if (users.empty())
        return;
    const fs::path install = fs::path(m_strAppDir) / "Handheld" / *std::min_element(users.begin(), users.end()) / "Install";
    fs::create_directories(install, error);
    fs::copy_file(fs::path(m_strAppDir) / kPrcFileName, install / kPrcFileName, fs::copy_options::overwrite_existing,
                  error);
    if (error)
        Trace("handheld application not queued: " + error.message());
}

bool CProgramUpdates::TakeNewVersionQuestion()
{
    std::lock_guard lock(m_mutex);
    if (!m_bUpdatePending || m_bUpdateAsked)
        return false;
    m_bUpdateAsked = true;
    return true;
}

bool CProgramUpdates::Answer(ENewVersionAnswer answer)
{
    std::lock_guard lock(m_mutex);
    switch (answer) {
    case ENewVersionAnswer::InstallNow:
        m_bInstallNow = true;
        return true;
    case ENewVersionAnswer::InstallOnExit:
        return false;
    case ENewVersionAnswer::AskAgain:
        m_bUpdatePending = false;
        return false;
    }
    return false;
}

SUpdaterStart CProgramUpdates::ExitStep()
{
    std::lock_guard lock(m_mutex);
    if (!m_bUpdatePending)
        return {};
    m_settings.Set(kExeVersionSetting, m_strExeVersion);
    return {true, m_bInstallNow, m_strAppDir};
}

bool CProgramUpdates::UpdatePending() const
{
    std::lock_guard lock(m_mutex);
    return m_bUpdatePending;
}

std::string CProgramUpdates::ExeVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_strExeVersion;
}

std::string CProgramUpdates::PrcVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_strPrcVersion;
}

std::string CProgramUpdates::ConduitVersion() const
{
    std::lock_guard lock(m_mutex);
    return m_strConduitVersion;
}

void CProgramUpdates::Trace(std::string_view text) const
{
    if (m_options.trace)
        m_options.trace(text);
}

void StartUpdater(const std::string& programDir, bool autorun, const std::string& dataDir)
{
    std::string path = programDir + "/" + std::string(kUpdaterProgramName);
    if (access(path.c_str(), X_OK) != 0)
        return;
    // Everything the grandchild needs is built before the fork: after it,
    // only async-signal-safe calls are allowed in a threaded program.
    const std::string dataPrefix = std::string(kUpdaterDataDirVariable) + "=";
    const std::string pidPrefix = std::string(kUpdaterWaitPidVariable) + "=";
    std::vector<std::string> env{pidPrefix + std::to_string(getpid())};
    if (!dataDir.empty())
        env.push_back(dataPrefix + dataDir);
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (!entry.starts_with(pidPrefix) && !(entry.starts_with(dataPrefix) && !dataDir.empty()))
            env.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string autorunArgument = "autorun";
    std::vector<char*> argv{path.data()};
    if (autorun)
        argv.push_back(autorunArgument.data());
    argv.push_back(nullptr);

    // Double fork: the updater is nobody's child here and outlives us.
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            const int devNull = open("/dev/null", O_RDONLY);
            if (devNull >= 0)
                dup2(devNull, STDIN_FILENO);
            execve(argv[0], argv.data(), envp.data());
        }
        _exit(0);
    }
    if (child > 0)
        waitpid(child, nullptr, 0);
}

std::string RunningProgramDir()
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}
