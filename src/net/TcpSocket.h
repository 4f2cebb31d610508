#pragma once

#include "net/ByteStream.h"

#include <string>

/// Waits until `fd` is ready for `events` (poll's POLLIN or POLLOUT):
/// kOk, kTimedOut once `deadline` passes, or kFailed.
EIoStatus WaitForSocket(int fd, short events, const CDeadline& deadline);

/// A plain TCP connection. The descriptor is non-blocking; every wait is a
/// poll() bounded by a deadline. Writes never raise SIGPIPE.
class CTcpSocket final : public CByteStream
{
public:
    CTcpSocket() = default;
    ~CTcpSocket() override;
    CTcpSocket(const CTcpSocket&) = delete;
    CTcpSocket& operator=(const CTcpSocket&) = delete;

    /// Resolves `host` and connects to the first of its addresses that
    /// answers before `deadline`. False on a failed look-up, refusal or time-out.
    bool Connect(const std::string& host, int port, const CDeadline& deadline);

    SIoResult Send(std::string_view data, const CDeadline& deadline) override;
    SIoResult Receive(std::span<char> buffer, const CDeadline& deadline) override;
    void Close() override;

    /// Why the last Connect failed, for messages; empty after a success.
    const std::string& ErrorText() const { return m_error; }

    /// The descriptor, -1 when not connected; still owned by this object.
    int Fd() const { return m_fd; }

private:
    int m_fd = -1;
    std::string m_error;
};
