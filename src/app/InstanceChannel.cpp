#include "app/InstanceChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fcntl.h>

namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr int kAnswerTimeoutMs = 2000;

/// The socket's address: per user and per folder, in the abstract namespace.
socklen_t ChannelAddress(const CDataFolder& folder, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string name = "leanlog-" + std::to_string(::getuid()) + "-" +
                             std::to_string(std::hash<std::string>{}(folder.path));
    // sun_path[0] stays NUL: the abstract namespace.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

} // namespace

CInstanceChannel::CInstanceChannel(const CDataFolder& folder, std::function<void()> onRaise)
    : m_onRaise(std::move(onRaise))
{
    sockaddr_un address{};
    const socklen_t length = ChannelAddress(folder, address);
    m_listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0)
        return;
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(m_listenFd, 4) != 0 ||
        ::pipe2(m_stopPipe, O_CLOEXEC) != 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
        return;
    }
    m_thread = std::thread([this] { Run(); });
}

CInstanceChannel::~CInstanceChannel()
{
    if (m_thread.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_stopPipe[1], &stop, 1);
        m_thread.join();
    }
    for (const int fd : {m_listenFd, m_stopPipe[0], m_stopPipe[1]})
        if (fd >= 0)
            ::close(fd);
}

void CInstanceChannel::Run()
{
    for (;;) {
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents != 0)
            return;
        const int client = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        char request[sizeof kRaiseRequest] = {};
        pollfd readable{client, POLLIN, 0};
        if (::poll(&readable, 1, kAnswerTimeoutMs) > 0 &&
            ::recv(client, request, sizeof request - 1, 0) == static_cast<ssize_t>(sizeof kRaiseRequest - 1) &&
            std::strcmp(request, kRaiseRequest) == 0) {
            m_onRaise();
            [[maybe_unused]] const ssize_t sent = ::send(client, "ok\n", 3, MSG_NOSIGNAL);
        }
        ::close(client);
    }
}

bool CInstanceChannel::AskToRaise(const CDataFolder& folder)
{
    sockaddr_un address{};
    const socklen_t length = ChannelAddress(folder, address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool answered = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::send(fd, kRaiseRequest, sizeof kRaiseRequest - 1, MSG_NOSIGNAL) > 0) {
        pollfd readable{fd, POLLIN, 0};
        char answer[3] = {};
        answered = ::poll(&readable, 1, kAnswerTimeoutMs) > 0 && ::recv(fd, answer, sizeof answer, 0) == 3;
    }
    ::close(fd);
    return answered;
}
