#include "updater/ReleaseInstall.h"

#include "base/FileText.h"
#include "update/ProgramUpdates.h"
#include "update/ReleaseSignature.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

std::string ArchivePath(const std::string& dataDir)
{
    return dataDir + "/" + std::string(kUpdateArchiveName);
}

/// Writes the whole of `bytes` into a new executable file; false on any failure.
bool WriteProgram(const std::string& path, const std::string& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0755);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    const bool ok = done == bytes.size() && fsync(fd) == 0;
    return close(fd) == 0 && ok;
}

} // namespace

SUpdaterStep LoadRelease(const std::string& dataDir, const std::string& trustedKey, SReleaseArchive& release)
{
    const std::string archivePath = ArchivePath(dataDir);
    const auto archive = ReadWholeFile(archivePath);
    if (!archive)
        return {kRefused, "No update to install: " + archivePath + " cannot be read."};
    const auto signature = ReadWholeFile(archivePath + std::string(kSignatureSuffix));
    if (!signature)
        return {kRefused, "Update refused, nothing changed: " + archivePath + " has no signature beside it."};
    if (!VerifyReleaseSignature(*archive, *signature, trustedKey))
        return {kRefused, "Update refused, nothing changed: the signature of " + archivePath +
                              " is not a valid signature by Leanlog's release key."};
    std::string why;
    auto parsed = ParseReleaseArchive(*archive, why);
    if (!parsed)
        return {kRefused, "Update refused, nothing changed: " + archivePath + " is not a release archive: " + why + "."};
    release = std::move(*parsed);
    return {};
}

SUpdaterStep CheckWritable(const std::string& programDir)
{
    // access() alone misses read-only mounts; a file actually made settles it.
    std::string probe = programDir + "/.leanlog-updater-probe-XXXXXX";
    const int fd = mkstemp(probe.data());
    if (fd < 0)
        return {kNotWritable, "Cannot install the update: the program folder " + programDir +
                                  " is not writable (an install by a package? Update it with the package manager)."
                                  " Nothing changed."};
    close(fd);
    unlink(probe.c_str());
    return {};
}

SUpdaterStep InstallRelease(const SReleaseArchive& release, const std::string& programDir, const std::string& dataDir)
{
    std::vector<std::pair<std::string, std::string>> moves;   // new file, target
    for (const auto& program : release.programs) {
        const std::string target = programDir + "/" + program.name;
        const std::string fresh = programDir + "/." + program.name + ".new-" + std::to_string(getpid());
        unlink(fresh.c_str());
        if (!WriteProgram(fresh, program.bytes)) {
            unlink(fresh.c_str());
            for (const auto& move : moves)
                unlink(move.first.c_str());
            return {kWriteFailed, "Cannot write " + fresh + "; the old programs are unchanged."};
        }
        moves.emplace_back(fresh, target);
    }
    for (const auto& [fresh, target] : moves)
        if (std::rename(fresh.c_str(), target.c_str()) != 0) {
            // Earlier renames stay: each program is whole, old or new.
            for (const auto& move : moves)
                unlink(move.first.c_str());
            return {kWriteFailed, "Cannot replace " + target + "; it is unchanged, but programs before it were updated."};
        }
    const std::string archivePath = ArchivePath(dataDir);
    unlink((archivePath + std::string(kSignatureSuffix)).c_str());
    unlink(archivePath.c_str());
    return {kInstalled, "Installed " + ProgramList(release) + " into " + programDir + "."};
}

std::string ProgramList(const SReleaseArchive& release)
{
    std::string list;
    for (const auto& program : release.programs)
        list += (list.empty() ? "" : ", ") + program.name;
    return list;
}
