#pragma once

#include "update/ReleaseArchive.h"

#include <string>

/// The updater's exit codes; every one but kInstalled means nothing changed.
enum EUpdaterExit : int {
    kInstalled = 0,
    kRefused = 1,          ///< no archive, not ours, or its signature missing or wrong
    kUsage = 2,
    kNotWritable = 3,      ///< the program folder is not ours to write (a package install)
    kDeclined = 4,         ///< the user said no, or could not be asked
    kStillRunning = 5,     ///< Leanlog did not end in time
    kWriteFailed = 6,      ///< a new program could not be written beside the old one
};

/// Outcome of one step, with the message for the user.
struct SUpdaterStep
{
    EUpdaterExit exit = kInstalled;
    std::string message;
};

/// The signed archive waiting in `dataDir`, checked with `trustedKey`.
SUpdaterStep LoadRelease(const std::string& dataDir, const std::string& trustedKey, SReleaseArchive& release);

/// Whether new programs can be written into `programDir` at all.
SUpdaterStep CheckWritable(const std::string& programDir);

/// Writes every program of `release` beside its old one, then renames each
/// over the old: until the renames every old program is untouched, and each
/// rename swaps one whole program. Removes the archive from `dataDir` after.
SUpdaterStep InstallRelease(const SReleaseArchive& release, const std::string& programDir, const std::string& dataDir);

/// "leanlog, leanlog-cli"
std::string ProgramList(const SReleaseArchive& release);
