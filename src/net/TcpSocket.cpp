#include "net/TcpSocket.h"

#include "net/HostLookup.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

namespace {

bool ConnectOne(int fd, const addrinfo& address, const CDeadline& deadline)
{
    if (connect(fd, address.ai_addr, address.ai_addrlen) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    if (WaitForSocket(fd, POLLOUT, deadline) != EIoStatus::kOk)
        return false;
    int error = 0;
    socklen_t length = sizeof error;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
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
    if (host.empty() || port <= 0 || port > 65535)
        return false;
    const AddrInfoList list = LookUpHost(host, port, deadline);
    if (!list)
        return false;
    for (const addrinfo* address = list.get(); address; address = address->ai_next) {
        m_fd = socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
        if (m_fd < 0)
            continue;
        if (ConnectOne(m_fd, *address, deadline))
            return true;
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
