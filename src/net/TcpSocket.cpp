#include "net/TcpSocket.h"

#include "net/HostLookup.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

namespace {

/// 0 when connected, else the errno value of the failure (ETIMEDOUT once the deadline passed).
int ConnectOne(int fd, const addrinfo& address, const CDeadline& deadline)
{
    if (connect(fd, address.ai_addr, address.ai_addrlen) == 0)
        return 0;
    if (errno != EINPROGRESS)
        return errno;
    const EIoStatus waited = WaitForSocket(fd, POLLOUT, deadline);
    if (waited != EIoStatus::kOk)
        return waited == EIoStatus::kTimedOut ? ETIMEDOUT : errno;
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return errno;
    return error;
}

} // namespace

EIoStatus WaitForSocket(int fd, short events, const CDeadline& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, deadline.PollTimeout());
        if (ready > 0)
            return EIoStatus::kOk;   // errors and hang-ups show up in the next read or write
        if (ready == 0) {
            if (deadline.Passed())
                return EIoStatus::kTimedOut;
            continue;
        }
        if (errno != EINTR)
            return EIoStatus::kFailed;
    }
}

CTcpSocket::~CTcpSocket()
{
    Close();
}

bool CTcpSocket::Connect(const std::string& host, int port, const CDeadline& deadline)
{
    Close();
    m_error.clear();
    if (host.empty() || port <= 0 || port > 65535) {
        m_error = "no host name or no valid port";
        return false;
    }
    const AddrInfoList list = LookUpHost(host, port, deadline);
    if (!list) {
        m_error = "name look-up of " + host + (deadline.Passed() ? " timed out" : " failed");
        return false;
    }
    for (const addrinfo* address = list.get(); address; address = address->ai_next) {
        m_fd = socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
        if (m_fd < 0)
            continue;
        const int error = ConnectOne(m_fd, *address, deadline);
        if (error == 0)
            return true;
        m_error = "connection to " + host + " port " + std::to_string(port) +
                  (error == ETIMEDOUT ? std::string(" timed out") : ": " + std::string(std::strerror(error)));
        Close();
        if (deadline.Passed())
            break;
    }
    return false;
}

SIoResult CTcpSocket::Send(std::string_view data, const CDeadline& deadline)
{
    size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = send(m_fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const EIoStatus waited = WaitForSocket(m_fd, POLLOUT, deadline);
            if (waited != EIoStatus::kOk)
                return {waited, sent};
            continue;
        }
        return {EIoStatus::kFailed, sent};
    }
    return {EIoStatus::kOk, sent};
}

SIoResult CTcpSocket::Receive(std::span<char> buffer, const CDeadline& deadline)
{
    for (;;) {
        const ssize_t n = recv(m_fd, buffer.data(), buffer.size(), 0);
        if (n > 0)
            return {EIoStatus::kOk, static_cast<size_t>(n)};
        if (n == 0)
            return {EIoStatus::kClosed, 0};
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return {EIoStatus::kFailed, 0};
        const EIoStatus waited = WaitForSocket(m_fd, POLLIN, deadline);
        if (waited != EIoStatus::kOk)
            return {waited, 0};
    }
}

void CTcpSocket::Close()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}
