#include "net/support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/ssl.h>

#include <cstdlib>
#include <stdexcept>
#include <strings.h>

namespace {

/// One accepted connection, plain or TLS, in blocking mode.
class CServerConnection
{
public:
    CServerConnection(int fd, SSL_CTX* tls) : m_fd(fd)
    {
        // Bounded waits, so that a test whose client misbehaves cannot hang the server.
        const timeval limit{3, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        if (tls) {
            m_ssl = SSL_new(tls);
            SSL_set_fd(m_ssl, fd);
            m_ok = SSL_accept(m_ssl) == 1;
        }
    }
    ~CServerConnection()
    {
        SSL_free(m_ssl);
        close(m_fd);
    }
    CServerConnection(const CServerConnection&) = delete;
    CServerConnection& operator=(const CServerConnection&) = delete;

    bool Ok() const { return m_ok; }
    long Read(char* buffer, size_t size)
    {
        return m_ssl ? SSL_read(m_ssl, buffer, static_cast<int>(size)) : recv(m_fd, buffer, size, 0);
    }
    void Write(const std::string& bytes)
    {
        for (size_t sent = 0; sent < bytes.size();) {
            const long n = m_ssl ? SSL_write(m_ssl, bytes.data() + sent, static_cast<int>(bytes.size() - sent))
                                 : send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += static_cast<size_t>(n);
        }
    }
    void Finish(bool cleanTlsClose)
    {
        if (m_ssl && cleanTlsClose)
            SSL_shutdown(m_ssl);
        shutdown(m_fd, SHUT_WR);
    }

private:
    int m_fd;
    SSL* m_ssl = nullptr;
    bool m_ok = true;
};

std::string WithPort(std::string text, int port)
{
    for (size_t at = text.find("{port}"); at != std::string::npos; at = text.find("{port}", at))
        text.replace(at, 6, std::to_string(port));
    return text;
}

/// The head and the body its Content-Length announces.
std::string ReadRequest(CServerConnection& connection)
{
    std::string request;
    char buffer[65536];
    size_t wanted = std::string::npos;
    while (request.size() < wanted) {
        const long n = connection.Read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<size_t>(n));
        const size_t headEnd = request.find("\r\n\r\n");
        if (wanted == std::string::npos && headEnd != std::string::npos) {
            wanted = headEnd + 4;
            for (size_t line = 0; line < headEnd; line = request.find("\r\n", line) + 2)
                if (strncasecmp(request.c_str() + line, "Content-Length:", 15) == 0)
                    wanted += std::strtoul(request.c_str() + line + 15, nullptr, 10);
        }
    }
    return request;
}

/// Binds `fd` to any free port on 127.0.0.1: the port, or 0 on failure.
int BindLoopback(int fd)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

} // namespace

SScriptedReply Reply(std::string bytes)
{
    SScriptedReply reply;
    reply.bytes = std::move(bytes);
    return reply;
}

std::string Page(const std::string& body, const std::string& headers)
{
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + headers + "\r\n" + body;
}

SScriptedReply OkReply(const std::string& body, const std::string& headers)
{
    return Reply(Page(body, headers));
}

std::string Redirect(int status, const std::string& location, const std::string& extra)
{
    return "HTTP/1.1 " + std::to_string(status) + " Moved\r\n" +
           (location.empty() ? "" : "Location: " + location + "\r\n") + extra + "Content-Length: 0\r\n\r\n";
}

int UnusedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int port = BindLoopback(fd);
    close(fd);
    return port;
}

CScriptedServer::CScriptedServer(std::vector<SScriptedReply> replies, ssl_ctx_st* tls)
    : m_replies(std::move(replies)), m_tls(tls)
{
    if (m_replies.empty())
        throw std::invalid_argument("a scripted server needs at least one reply");
    if (m_tls)
        SSL_CTX_up_ref(m_tls);
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    m_port = BindLoopback(m_listenFd);
    if (m_port == 0 || listen(m_listenFd, 16) != 0 || pipe(m_stopPipe) != 0)
        throw std::runtime_error("cannot start the scripted server");
    m_thread = std::thread([this] { Run(); });
}

CScriptedServer::~CScriptedServer()
{
    const char stop = 's';
    if (write(m_stopPipe[1], &stop, 1) != 1)
        std::terminate();
    m_thread.join();
    close(m_listenFd);
    close(m_stopPipe[0]);
    close(m_stopPipe[1]);
    SSL_CTX_free(m_tls);
}

std::string CScriptedServer::Url(const std::string& resource) const
{
    return std::string(m_tls ? "https" : "http") + "://127.0.0.1:" + std::to_string(m_port) + "/" + resource;
}

std::vector<std::string> CScriptedServer::Requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

size_t CScriptedServer::Connections() const
{
    std::lock_guard lock(m_mutex);
    return m_connections;
}

void CScriptedServer::Run()
{
    // OpenSSL's socket BIO writes with write(): a client that went away must
    // not end the test program through this thread. Blocked here only, so a
    // SIGPIPE caused by the client under test still shows.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    for (;;) {
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || (fds[1].revents & POLLIN))
            return;
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0)
            Serve(fd);
    }
}

void CScriptedServer::Serve(int fd)
{
    std::unique_lock counting(m_mutex);
    const SScriptedReply& reply = m_replies[std::min(m_connections++, m_replies.size() - 1)];
    counting.unlock();
    CServerConnection connection(fd, m_tls);
    if (!connection.Ok())
        return;
    if (reply.readRequest) {
        std::string request = ReadRequest(connection);
        std::lock_guard lock(m_mutex);
        m_requests.push_back(std::move(request));
    }
    connection.Write(WithPort(reply.bytes, m_port));
    pollfd stop{m_stopPipe[0], POLLIN, 0};
    if (reply.pause.count() > 0)
        poll(&stop, 1, static_cast<int>(reply.pause.count()));
    connection.Write(WithPort(reply.more, m_port));
    if (!reply.holdOpen)
        return connection.Finish(reply.cleanTlsClose);
    // Until the client closes or the server stops.
    pollfd fds[2] = {{fd, POLLIN, 0}, stop};
    char buffer[4096];
    while (poll(fds, 2, -1) > 0 && !(fds[1].revents & POLLIN) && connection.Read(buffer, sizeof buffer) > 0) {
    }
}
