#pragma once

#include "app/DataFolder.h"

#include <functional>
#include <string>

class CLeanlogApp;

/// File > Back Up Data: the open database (an online copy, safe while it
/// is in use) and the settings file's text in one file at `target`,
/// written through a temporary beside it and a rename. Throws on failure,
/// leaving nothing at `target`.
void BackUpData(CLeanlogApp& app, const std::string& target);

/// Backs up the current data before a restore replaces it, into
/// "<folder>/Backups/before-restore-<date>-<time>.leanlog"; returns that path.
std::string KeepCurrentData(CLeanlogApp& app);

/// File > Restore Data: checks that `source` is a complete Leanlog backup
/// and makes it the folder's database and settings; `keepCurrent` runs
/// between the check and the replacement, to back up and close the
/// current data. Throws std::runtime_error, changing nothing, for a file
/// that is not a Leanlog backup.
void RestoreData(const CDataFolder& folder, const std::string& source, const std::function<void()>& keepCurrent);
