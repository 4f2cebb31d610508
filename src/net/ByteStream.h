#pragma once

#include "net/Deadline.h"

#include <cstddef>
#include <span>
#include <string_view>

enum class EIoStatus {
    kOk,
    kClosed,     ///< the peer ended the stream cleanly (no bytes with this status)
    kTimedOut,
    kFailed,     ///< an error, or an end that is not clean (a TLS stream without close notification)
};

struct SIoResult
{
    EIoStatus status;
    size_t bytes;
};

/// A connected stream the HTTP client sends a request on and reads the
/// response from. Used by one thread; the stream owns its socket.
class CByteStream
{
public:
    virtual ~CByteStream() = default;

    /// Sends all of `data` (kOk) or fails; waits no longer than `deadline`.
    virtual SIoResult Send(std::string_view data, const CDeadline& deadline) = 0;
    /// Waits until bytes arrive (kOk with at least one byte), the stream
    /// ends, or `deadline` passes.
    virtual SIoResult Receive(std::span<char> buffer, const CDeadline& deadline) = 0;
    virtual void Close() = 0;
};
