#pragma once

#include <string>
#include <sys/types.h>

/// scripts/feed on a free port of 127.0.0.1, for the tests and benchmarks
/// that need the real feed; stopped when the object ends.
class CFeedProcess
{
public:
    /// `content`: the content root under <build>/feed ("www", or "hostile" for unsafe replies).
    explicit CFeedProcess(const std::string& content = "www");
    ~CFeedProcess() { Stop(); }
    CFeedProcess(const CFeedProcess&) = delete;
    CFeedProcess& operator=(const CFeedProcess&) = delete;

    /// False when the feed did not answer within 15 s.
    bool Running() const;
    /// Terminates scripts/feed and waits for it; true when it ended cleanly
    /// and nothing listens on its port any more.
    bool Stop();
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port); }

private:
    int m_port;
    pid_t m_pid = -1;
};
