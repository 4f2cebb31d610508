#include "app/Settings.h"

#include <wx/fileconf.h>
#include <wx/log.h>

#include <filesystem>

namespace {

wxString Key(std::string_view name)
{
    return "/Settings/" + wxString::FromUTF8(name.data(), name.size());
}

} // namespace

CSettings::CSettings(const std::string& file)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    wxLogNull quiet;
    m_config = std::make_unique<wxFileConfig>("Leanlog", "Norvik", wxString::FromUTF8(file), wxString(),
                                              wxCONFIG_USE_LOCAL_FILE);
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
    m_config->Write(Key(name), value);
    m_config->Flush();
}

void CSettings::SetText(std::string_view name, std::string_view value)
{
    std::lock_guard lock(m_mutex);
    wxLogNull quiet;
    m_config->Write(Key(name), wxString::FromUTF8(value.data(), value.size()));
    m_config->Flush();
}
