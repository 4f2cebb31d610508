#pragma once

#include <string>
#include <string_view>

/// The raw bytes of one reply, written to a file for diagnosis as they
/// arrive. Opening truncates the file and makes it mode 0600; a symbolic
/// link is not followed. Failures are ignored: the dump never affects a request.
class CResponseDump
{
public:
    /// `path` empty: the dump is off and nothing is written.
    explicit CResponseDump(const std::string& path);
    ~CResponseDump();
    CResponseDump(const CResponseDump&) = delete;
    CResponseDump& operator=(const CResponseDump&) = delete;

    void Write(std::string_view bytes);

private:
    int m_fd = -1;
};
