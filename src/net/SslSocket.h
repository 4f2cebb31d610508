#pragma once

#include "net/ByteStream.h"
#include "net/TcpSocket.h"

#include <memory>
#include <string>

/// Why the last CSslSocket operation failed.
enum class ESslError {
    kNone,
    kCreate,               ///< TLS could not be set up
    kConnect,              ///< name look-up or TCP connection failed
    kHandshake,
    kTimedOut,
    kNoCertificate,        ///< the server sent none
    kCertificateExpired,   ///< outside its validity period
    kWrongHost,            ///< the certificate does not name the host
    kUntrusted,            ///< the chain does not lead to a trusted authority
    kRevoked,              ///< the stapled OCSP response says revoked
    kBadStaple,            ///< a stapled OCSP response that cannot be verified
    kIo,
};

/// A TLS client connection on OpenSSL: TLS 1.2 at least, the system's
/// trusted authorities (OpenSSL's defaults, so SSL_CERT_FILE and
/// SSL_CERT_DIR are honoured), SNI for host names. Connect checks the
/// server's certificate in this order: validity period, chain with the
/// host name, then revocation through a stapled OCSP response when the
/// server sends one (no staple is no failure). Every wait, the handshake
/// included, is bounded by a deadline; writes never raise SIGPIPE.
/// One object per connection, used by one thread.
class CSslSocket final : public CByteStream
{
public:
    CSslSocket();
    ~CSslSocket() override;
    CSslSocket(const CSslSocket&) = delete;
    CSslSocket& operator=(const CSslSocket&) = delete;

    /// Sets up the TLS context; false when OpenSSL cannot.
    bool Create();
    /// TCP connection, handshake and certificate checks; true only when all
    /// pass, and only then does the socket carry data.
    bool Connect(const std::string& host, int port, const CDeadline& deadline);

    /// Sends all of `data`; fails when the socket is not secure.
    SIoResult Send(std::string_view data, const CDeadline& deadline) override;
    /// Bytes OpenSSL already holds are delivered before waiting. kClosed
    /// only after the server's close notification; an end without one is kFailed.
    SIoResult Receive(std::span<char> buffer, const CDeadline& deadline) override;
    /// Sends the close notification when secure, then closes the socket.
    void Close() override;

    bool IsSecure() const { return m_secure; }
    ESslError LastError() const { return m_lastError; }
    /// The last error in words, for messages.
    std::string ErrorText() const;

private:
    struct SOpenSsl;

    bool Fail(ESslError error);
    bool Handshake(const std::string& host, const CDeadline& deadline);
    bool CheckCertificate();
    /// After an OpenSSL call returned `result`: waits for what it asked for
    /// (kOk: call again), or says why it cannot go on.
    EIoStatus AwaitRetry(int result, const CDeadline& deadline);

    CTcpSocket m_tcp;
    std::unique_ptr<SOpenSsl> m_ssl;
    bool m_secure = false;
    ESslError m_lastError = ESslError::kNone;
};
