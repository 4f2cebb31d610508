#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

class wxFileConfig;
class wxString;

struct SIntSetting
{
    std::string_view name;
    long defaultValue;
};

struct STextSetting
{
    std::string_view name;
    std::string_view defaultValue;
};

// Values of section "Settings"; names and defaults are fixed because older
// installations and the companion tools read the same file.
inline constexpr SIntSetting kTimeoutSetting{"dwTimeout", 5000};          ///< ms until a response's first bytes
inline constexpr SIntSetting kTimeout2Setting{"dwTimeout2", 60000};       ///< ms allowed between later blocks
inline constexpr STextSetting kDatabasePathSetting{"DatabasePath", ""};   ///< written at every start, never read
inline constexpr STextSetting kPrcVersionSetting{"PrcVersion", "0001.0001.0005"};
inline constexpr STextSetting kConduitVersionSetting{"ConduitVersion", "0001.0001.0005"};
inline constexpr STextSetting kExeVersionSetting{"ExeVersion", "0001.0001.0005"};
inline constexpr STextSetting kLastFoodCatDlDateSetting{"LastFoodCatDlDate", "1/1/2001"};
inline constexpr STextSetting kServerUrlSetting{"ServerURL", ""};         ///< feed server; empty means offline
inline constexpr STextSetting kHttpDumpFileSetting{"HttpDumpFile", ""};   ///< raw-reply dump; empty means off
inline constexpr SIntSetting kMaxResponseBytesSetting{"MaxResponseBytes", 256L * 1024 * 1024};

/// The settings store (section "Settings"). Safe to use from several
/// threads: one lock guards the file, and every write is flushed at once.
class CSettings
{
public:
    /// Reads (or starts) the settings file at `file`.
    explicit CSettings(const std::string& file);
    ~CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    long Get(const SIntSetting& setting) const;
    std::string Get(const STextSetting& setting) const;
    void Set(const SIntSetting& setting, long value);
    void Set(const STextSetting& setting, std::string_view value);

    /// Values by name, for settings whose names are built at run time.
    long GetInt(std::string_view name, long defaultValue) const;
    std::string GetText(std::string_view name, std::string_view defaultValue) const;
    void SetInt(std::string_view name, long value);
    void SetText(std::string_view name, std::string_view value);

    /// Temporaries of the settings file older than this are removed at start.
    static constexpr std::chrono::seconds kStaleTemporaryAge{10};
    /// True for "<stem>" followed by six letters or digits, the name a
    /// settings write gives its temporary file.
    static bool IsTemporaryName(std::string_view name, std::string_view stem);

private:
    static void RemoveStaleTemporaries(const std::string& file);
    /// Writes and flushes when the value differs; m_mutex held.
    void Write(const wxString& key, const auto& value);

    std::string m_file;
    mutable std::mutex m_mutex;   ///< guards m_config
    std::unique_ptr<wxFileConfig> m_config;
};
