#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A release archive ("LeanlogUpdate.dat") holds the programs of a release:
//
//   LEANLOG-RELEASE 1\n
//   FILE <name> <size>\n<size bytes>\n      one block per program
//   END\n
//
// <size> is decimal, <name> one of kReleaseProgramNames; nothing may follow
// END. The signature (Ed25519, 64 raw bytes) covers the whole file and lies
// beside it as "<file>.sig". scripts/sign-release writes both.

inline constexpr std::string_view kReleaseArchiveMagic = "LEANLOG-RELEASE 1\n";
inline constexpr std::string_view kReleaseProgramNames[] = {"leanlog", "leanlog-cli", "leanlog-updater"};
/// Larger programs than this are refused before anything is written.
inline constexpr size_t kMaxReleaseProgramBytes = 256u << 20;

struct SReleaseProgram
{
    std::string name;
    std::string bytes;
};

struct SReleaseArchive
{
    std::vector<SReleaseProgram> programs;   ///< archive order, at least one, no name twice
};

/// The archive's programs, or nullopt with the reason in `why`.
std::optional<SReleaseArchive> ParseReleaseArchive(std::string_view bytes, std::string& why);
