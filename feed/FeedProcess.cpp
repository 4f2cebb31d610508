#include "FeedProcess.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

extern char** environ;

namespace {

int FreePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

bool Accepts(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

} // namespace

CFeedProcess::CFeedProcess(const std::string& content) : m_port(FreePort())
{
    // The feed ends with this process even when it dies before Stop.
    std::vector<std::string> env{"LEANLOG_BUILD_DIR=" LEANLOG_BUILD_DIR,
                                 "LEANLOG_FEED_WATCH_PID=" + std::to_string(getpid()),
                                 "LEANLOG_FEED_CONTENT=" + content};
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (entry.rfind("LEANLOG_BUILD_DIR=", 0) != 0 && entry.rfind("LEANLOG_FEED_CONTENT=", 0) != 0)   // ours must win
            env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string script = LEANLOG_SOURCE_DIR "/scripts/feed";
    std::string port = std::to_string(m_port);
    char* argv[] = {script.data(), port.data(), nullptr};
    if (posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv, envp.data()) != 0)
        m_pid = -1;
    for (int i = 0; i < 300 && m_pid > 0 && !Accepts(m_port); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

bool CFeedProcess::Stop()
{
    if (m_pid <= 0)
        return false;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && !Accepts(m_port);
}

bool CFeedProcess::Running() const
{
    return m_pid > 0 && Accepts(m_port);
}
