#pragma once

#include <string>
#include <sys/types.h>

/// scripts/feed on a free port of 127.0.0.1 for a benchmark, stopped
/// (TERM, then waited for) when the object ends.
class CFeedServer
{
public:
    CFeedServer();
    ~CFeedServer();
    CFeedServer(const CFeedServer&) = delete;
    CFeedServer& operator=(const CFeedServer&) = delete;

    /// False when the feed did not answer within 15 s.
    bool Running() const;
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port); }

private:
    int m_port;
    pid_t m_pid = -1;
};

/// The folder the build's feed content lies in (the converter's output).
inline constexpr const char* kFeedContentDir = LEANLOG_BUILD_DIR "/feed/www";
