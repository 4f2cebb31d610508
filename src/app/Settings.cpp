#include "app/Settings.h"

#include <wx/fileconf.h>
#include <wx/log.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

wxString Key(std::string_view name)
{
    return "/Settings/" + wxString::FromUTF8(name.data(), name.size());
}

} // namespace

CSettings::CSettings(const std::string& file) : m_file(file)
{
    RemoveStaleTemporaries(file);
    wxLogNull quiet;
    // A group written twice (a hand-edited file) trips a wx assertion while
    // parsing; the file is still read, the later value winning.
    const wxAssertHandler_t previous = wxSetAssertHandler(nullptr);
    m_config = std::make_unique<wxFileConfig>("Leanlog", "Norvik", wxString::FromUTF8(file), wxString(),
                                              wxCONFIG_USE_LOCAL_FILE);
    wxSetAssertHandler(previous);
}

void CSettings::RemoveStaleTemporaries(const std::string& file)
{
    // A write goes to "<name>XXXXXX" beside the file and is renamed over it;
    // a process killed in between leaves that temporary behind.
    namespace fs = std::filesystem;
    const fs::path settings(file);
    const std::string stem = settings.stem().string();
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(settings.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (!IsTemporaryName(name, stem) || !entry.is_regular_file(ec))
            continue;
        // Younger ones may belong to another Leanlog writing right now.
        const auto written = entry.last_write_time(ec);
        if (!ec && now - written > kStaleTemporaryAge)
            fs::remove(entry.path(), ec);
    }
}

bool CSettings::IsTemporaryName(std::string_view name, std::string_view stem)
{
    if (name.size() != stem.size() + 6 || name.substr(0, stem.size()) != stem)
        return false;
    return std::all_of(name.begin() + static_cast<long>(stem.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

void CSettings::Write(const wxString& key, const auto& value)
{
    // Unchanged values are not written: every write rewrites the whole file.
    if (m_config->HasEntry(key) && m_config->Read(key, wxString()) == wxString() << value)
        return;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_file).parent_path(), ec);
    m_config->Write(key, value);
    m_config->Flush();
}

CSettings::~CSettings() = default;

long CSettings::Get(const SIntSetting& setting) const
{
    return GetInt(setting.name, setting.defaultValue);
}

std::string CSettings::Get(const STextSetting& setting) const
{
    return GetText(setting.name, setting.defaultValue);
}

void CSettings::Set(const SIntSetting& setting, long value)
{
    SetInt(setting.name, value);
}

void CSettings::Set(const STextSetting& setting, std::string_view value)
{
    SetText(setting.name, value);
}

long CSettings::GetInt(std::string_view name, long defaultValue) const
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    long value = defaultValue;
    m_config->Read(Key(name), &value, defaultValue);
    return value;
}

std::string CSettings::GetText(std::string_view name, std::string_view defaultValue) const
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    wxString value;
    if (!m_config->Read(Key(name), &value))
        return std::string(defaultValue);
    return value.utf8_string();
}

void CSettings::SetInt(std::string_view name, long value)
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    Write(Key(name), value);
}

void CSettings::SetText(std::string_view name, std::string_view value)
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    Write(Key(name), wxString::FromUTF8(value.data(), value.size()));
}
