#include "net/ResponseDump.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

CResponseDump::CResponseDump(const std::string& path)
{
    if (path.empty())
        return;
    m_fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd >= 0)
        fchmod(m_fd, 0600);   // a file that already existed keeps its mode otherwise
}

CResponseDump::~CResponseDump()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CResponseDump::Write(std::string_view bytes)
{
    while (m_fd >= 0 && !bytes.empty()) {
        const ssize_t n = write(m_fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}
