#pragma once

#include "app/DataFolder.h"

#include <string>

/// A fresh, empty data folder for one test, removed with everything in it
/// when the test ends.
class CTempDataDir
{
public:
    CTempDataDir();
    ~CTempDataDir();
    CTempDataDir(const CTempDataDir&) = delete;
    CTempDataDir& operator=(const CTempDataDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    /// The folder in portable mode, as `--data-dir` gives it.
    CDataFolder Folder() const { return {m_path, true}; }

private:
    std::string m_path;
};

/// Whole contents of a file ("" when it cannot be read).
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
