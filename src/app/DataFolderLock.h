#pragma once

#include "app/DataFolder.h"

#include <optional>
#include <string>

/// An exclusive advisory lock on a data folder (flock on "Leanlog.lock"
/// there): one writer at a time. The system releases it when the process
/// ends, however it ends, so a crash leaves no lock behind.
class CDataFolderLock
{
public:
    /// The lock, or nullopt when another process holds it. A folder where
    /// the lock file cannot be made (read-only) is locked by nobody, since
    /// nobody can write there either.
    static std::optional<CDataFolderLock> TryAcquire(const CDataFolder& folder);
    /// The message for a folder another Leanlog holds.
    static std::string InUseMessage(const CDataFolder& folder);

    CDataFolderLock(CDataFolderLock&& other) noexcept;
    CDataFolderLock& operator=(CDataFolderLock&& other) noexcept;
    CDataFolderLock(const CDataFolderLock&) = delete;
    CDataFolderLock& operator=(const CDataFolderLock&) = delete;
    ~CDataFolderLock();

    static constexpr const char* kFileName = "Leanlog.lock";

private:
    explicit CDataFolderLock(int fd) : m_fd(fd) {}

    int m_fd = -1;   ///< -1: nothing to release
};
