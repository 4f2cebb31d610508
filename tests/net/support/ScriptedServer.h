#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ssl_ctx_st;

/// What the server does on one connection once it has read the request.
struct SScriptedReply
{
    std::string bytes;                          ///< sent first
    std::chrono::milliseconds pause{0};         ///< then a pause
    std::string more;                           ///< then these
    bool holdOpen = false;                      ///< then wait for the client to close, instead of closing
    bool readRequest = true;                    ///< false: act at once, without reading the request
    bool cleanTlsClose = true;                  ///< TLS only: send the close notification before closing
};

/// A server on 127.0.0.1 (any free port) replying with byte-exact texts,
/// one reply per connection in order, then the last reply again. The one
/// substitution: "{port}" in a reply stands for the server's own port, so
/// that a reply can point back at its server. It records every request it
/// reads. Runs on its own thread until destroyed.
class CScriptedServer
{
public:
    /// With `tls` (an SSL_CTX the server takes a reference to) connections are TLS.
    explicit CScriptedServer(std::vector<SScriptedReply> replies, ssl_ctx_st* tls = nullptr);
    ~CScriptedServer();
    CScriptedServer(const CScriptedServer&) = delete;
    CScriptedServer& operator=(const CScriptedServer&) = delete;

    int Port() const { return m_port; }
    /// "http://127.0.0.1:PORT/" followed by `resource` (https with TLS).
    std::string Url(const std::string& resource = "") const;
    /// The requests read so far, each with its body.
    std::vector<std::string> Requests() const;
    size_t Connections() const;

private:
    void Run();
    void Serve(int fd);

    std::vector<SScriptedReply> m_replies;
    ssl_ctx_st* m_tls;
    int m_listenFd = -1;
    int m_stopPipe[2] = {-1, -1};
    int m_port = 0;
    mutable std::mutex m_mutex;   ///< guards m_requests and m_connections
    std::vector<std::string> m_requests;
    size_t m_connections = 0;
    std::thread m_thread;
};

/// A plain reply: the bytes, then the server closes.
SScriptedReply Reply(std::string bytes);
/// "HTTP/1.1 200 OK", a Content-Length header, `headers` (whole lines) and `body`.
std::string Page(const std::string& body, const std::string& headers = "");
/// Page's bytes as a plain reply.
SScriptedReply OkReply(const std::string& body, const std::string& headers = "");
/// "HTTP/1.1 <status> Moved", a Location header unless `location` is empty,
/// `extra` header lines, and no body.
std::string Redirect(int status, const std::string& location, const std::string& extra = "");
/// A port on 127.0.0.1 where nothing listens (bound, then released).
int UnusedPort();
