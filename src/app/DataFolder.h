#pragma once

#include <optional>
#include <string>

/// Where Leanlog keeps its database, banner folders and downloads.
struct CDataFolder
{
    std::string path;        ///< without a trailing "/"
    bool portable = false;   ///< settings live in the folder too (Leanlog.ini)

    /// `--data-dir` when given, else LEANLOG_DATA_DIR (both portable), else
    /// the per-user data folder (~/.local/share/Leanlog). Throws
    /// std::invalid_argument for an empty `--data-dir` and std::runtime_error
    /// when a relative folder cannot be resolved.
    static CDataFolder Resolve(const std::optional<std::string>& option);

    /// Creates the folder and its parents when missing; throws
    /// std::runtime_error naming the folder when that fails.
    void EnsureExists() const;
    bool Exists() const;
    /// For commands that only read: throws std::runtime_error saying there
    /// is no data here when the folder is missing, and creates nothing.
    void RequireExisting() const;

    /// The settings file: <folder>/Leanlog.ini when portable, else the
    /// user's configuration folder (~/.config/Leanlog/Leanlog.conf).
    std::string SettingsFile() const;
};
