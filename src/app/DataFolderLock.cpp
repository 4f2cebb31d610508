#include "app/DataFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

std::optional<CDataFolderLock> CDataFolderLock::TryAcquire(const CDataFolder& folder)
{
    const std::string path = folder.path + "/" + kFileName;
    // Close-on-exec: a child such as the updater must not keep the folder locked.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return CDataFolderLock(-1);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return std::nullopt;
        return CDataFolderLock(-1);
    }
    return CDataFolderLock(fd);
}

std::string CDataFolderLock::InUseMessage(const CDataFolder& folder)
{
    return "Leanlog is already running on the data folder " + folder.path +
           ". Close it first; nothing was changed.";
}

CDataFolderLock::CDataFolderLock(CDataFolderLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

CDataFolderLock& CDataFolderLock::operator=(CDataFolderLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

CDataFolderLock::~CDataFolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
