#include "net/SslSocket.h"

#include "net/IpAddress.h"
#include "net/OpenSslPtr.h"

#include <poll.h>
#include <sys/socket.h>

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/x509v3.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace {

// Socket I/O for OpenSSL through our own BIO, because OpenSSL's socket BIO
// writes with write(), which raises SIGPIPE when the peer has gone.
constexpr int kBioType = BIO_TYPE_SOURCE_SINK | 0xc8;

int SocketOf(BIO* bio)
{
    return static_cast<const CTcpSocket*>(BIO_get_data(bio))->Fd();
}

int BioWrite(BIO* bio, const char* data, int length)
{
    BIO_clear_retry_flags(bio);
    const ssize_t n = send(SocketOf(bio), data, static_cast<size_t>(length), MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_write(bio);
    return static_cast<int>(n);
}

int BioRead(BIO* bio, char* data, int length)
{
    BIO_clear_retry_flags(bio);
    const ssize_t n = recv(SocketOf(bio), data, static_cast<size_t>(length), 0);
    if (n == 0)
        BIO_set_flags(bio, BIO_FLAGS_IN_EOF);   // lets OpenSSL tell an end without close notification
    else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_read(bio);
    return static_cast<int>(n);
}

long BioControl(BIO* bio, int command, long, void*)
{
    switch (command) {
    case BIO_CTRL_FLUSH:
        return 1;
    case BIO_CTRL_EOF:
        return BIO_test_flags(bio, BIO_FLAGS_IN_EOF) ? 1 : 0;
    default:
        return 0;
    }
}

int BioCreate(BIO* bio)
{
    BIO_set_init(bio, 1);
    return 1;
}

/// kNone when there is no staple or it says good (or unknown); otherwise why it fails.
ESslError CheckStaple(SSL* ssl, SSL_CTX* context, X509* leaf)
{
    const unsigned char* bytes = nullptr;
    const long length = SSL_get_tlsext_status_ocsp_resp(ssl, &bytes);
    if (length <= 0 || !bytes)
        return ESslError::kNone;
    const OcspResponsePtr response(d2i_OCSP_RESPONSE(nullptr, &bytes, length));
    if (!response || OCSP_response_status(response.get()) != OCSP_RESPONSE_STATUS_SUCCESSFUL)
        return ESslError::kBadStaple;
    const OcspBasicPtr basic(OCSP_response_get1_basic(response.get()));
    STACK_OF(X509)* verified = SSL_get0_verified_chain(ssl);
    if (!basic || !verified || sk_X509_num(verified) < 2)
        return ESslError::kBadStaple;
    if (OCSP_basic_verify(basic.get(), SSL_get_peer_cert_chain(ssl), SSL_CTX_get_cert_store(context), 0) <= 0)
        return ESslError::kBadStaple;
    const OcspCertIdPtr id(OCSP_cert_to_id(nullptr, leaf, sk_X509_value(verified, 1)));
    int status = V_OCSP_CERTSTATUS_UNKNOWN;
    int reason = 0;
    ASN1_GENERALIZEDTIME* revokedAt = nullptr;
    ASN1_GENERALIZEDTIME* thisUpdate = nullptr;
    ASN1_GENERALIZEDTIME* nextUpdate = nullptr;
    if (!id || OCSP_resp_find_status(basic.get(), id.get(), &status, &reason, &revokedAt, &thisUpdate, &nextUpdate) != 1)
        return ESslError::kBadStaple;
    // Five minutes of leeway for clocks that differ.
    if (OCSP_check_validity(thisUpdate, nextUpdate, 300, -1) != 1)
        return ESslError::kBadStaple;
    return status == V_OCSP_CERTSTATUS_REVOKED ? ESslError::kRevoked : ESslError::kNone;
}

} // namespace

struct CSslSocket::SOpenSsl
{
    BioMethodPtr method;
    SslCtxPtr context;
    SslPtr ssl;   // declared last: freed first, with its BIO
};

CSslSocket::CSslSocket() = default;

CSslSocket::~CSslSocket()
{
    Close();
}

bool CSslSocket::Fail(ESslError error)
{
    m_lastError = error;
    m_secure = false;
    return false;
}

bool CSslSocket::Create()
{
    auto state = std::make_unique<SOpenSsl>();
    state->method.reset(BIO_meth_new(kBioType, "leanlog socket"));
    if (!state->method || !BIO_meth_set_write(state->method.get(), BioWrite) ||
        !BIO_meth_set_read(state->method.get(), BioRead) || !BIO_meth_set_ctrl(state->method.get(), BioControl) ||
        !BIO_meth_set_create(state->method.get(), BioCreate))
        return Fail(ESslError::kCreate);
    state->context.reset(SSL_CTX_new(TLS_client_method()));
    SSL_CTX* context = state->context.get();
    if (!context || !SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION) ||
        !SSL_CTX_set_default_verify_paths(context))
        return Fail(ESslError::kCreate);
    // The chain is verified during the handshake but judged afterwards, so
    // that the checks run in their fixed order and report their own reason.
    SSL_CTX_set_verify(context, SSL_VERIFY_NONE, nullptr);
    m_ssl = std::move(state);
    m_lastError = ESslError::kNone;
    return true;
}

bool CSslSocket::Connect(const std::string& host, int port, const CDeadline& deadline)
{
    if (!m_ssl)
        return Fail(ESslError::kCreate);
    if (host.empty())
        return Fail(ESslError::kWrongHost);
    if (!m_tcp.Connect(host, port, deadline))
        return Fail(deadline.Passed() ? ESslError::kTimedOut : ESslError::kConnect);
    if (!Handshake(host, deadline) || !CheckCertificate()) {
        m_tcp.Close();
        return false;
    }
    m_secure = true;
    m_lastError = ESslError::kNone;
    return true;
}

bool CSslSocket::Handshake(const std::string& host, const CDeadline& deadline)
{
    m_ssl->ssl.reset(SSL_new(m_ssl->context.get()));
    SSL* ssl = m_ssl->ssl.get();
    BIO* bio = ssl ? BIO_new(m_ssl->method.get()) : nullptr;
    if (!bio)
        return Fail(ESslError::kCreate);
    BIO_set_data(bio, &m_tcp);
    SSL_set_bio(ssl, bio, bio);

    bool named = false;
    if (IsIpAddress(host)) {
        named = X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str()) == 1;
    } else {
        // SSL_set_tlsext_host_name without its C cast.
        named = SSL_ctrl(ssl, SSL_CTRL_SET_TLSEXT_HOSTNAME, TLSEXT_NAMETYPE_host_name,
                         const_cast<char*>(host.c_str())) == 1 &&
                SSL_set1_host(ssl, host.c_str()) == 1;
    }
    if (!named || SSL_set_tlsext_status_type(ssl, TLSEXT_STATUSTYPE_ocsp) != 1)
        return Fail(ESslError::kCreate);

    for (;;) {
        ERR_clear_error();
        const int result = SSL_connect(ssl);
        if (result == 1)
            return true;
        const EIoStatus status = AwaitRetry(result, deadline);
        if (status == EIoStatus::kTimedOut)
            return Fail(ESslError::kTimedOut);
        if (status != EIoStatus::kOk)
            return Fail(ESslError::kHandshake);
    }
}

bool CSslSocket::CheckCertificate()
{
    SSL* ssl = m_ssl->ssl.get();
    X509* leaf = SSL_get0_peer_certificate(ssl);
    if (!leaf)
        return Fail(ESslError::kNoCertificate);
    if (X509_cmp_current_time(X509_get0_notBefore(leaf)) != -1 || X509_cmp_current_time(X509_get0_notAfter(leaf)) != 1)
        return Fail(ESslError::kCertificateExpired);
    const long verified = SSL_get_verify_result(ssl);
    if (verified == X509_V_ERR_HOSTNAME_MISMATCH || verified == X509_V_ERR_IP_ADDRESS_MISMATCH)
        return Fail(ESslError::kWrongHost);
    if (verified != X509_V_OK)
        return Fail(ESslError::kUntrusted);
    const ESslError staple = CheckStaple(ssl, m_ssl->context.get(), leaf);
    if (staple != ESslError::kNone)
        return Fail(staple);
    return true;
}

EIoStatus CSslSocket::AwaitRetry(int result, const CDeadline& deadline)
{
    switch (SSL_get_error(m_ssl->ssl.get(), result)) {
    case SSL_ERROR_WANT_READ:
        return WaitForSocket(m_tcp.Fd(), POLLIN, deadline);
    case SSL_ERROR_WANT_WRITE:
        return WaitForSocket(m_tcp.Fd(), POLLOUT, deadline);
    case SSL_ERROR_ZERO_RETURN:
        return EIoStatus::kClosed;
    default:
        return EIoStatus::kFailed;
    }
}

SIoResult CSslSocket::Send(std::string_view data, const CDeadline& deadline)
{
    if (!m_secure)
        return {EIoStatus::kFailed, 0};
    size_t sent = 0;
    while (sent < data.size()) {
        const int chunk = static_cast<int>(std::min<size_t>(data.size() - sent, INT_MAX));
        ERR_clear_error();
        const int n = SSL_write(m_ssl->ssl.get(), data.data() + sent, chunk);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        const EIoStatus status = AwaitRetry(n, deadline);
        if (status != EIoStatus::kOk) {
            m_lastError = status == EIoStatus::kTimedOut ? ESslError::kTimedOut : ESslError::kIo;
            return {status == EIoStatus::kTimedOut ? status : EIoStatus::kFailed, sent};
        }
    }
    return {EIoStatus::kOk, sent};
}

SIoResult CSslSocket::Receive(std::span<char> buffer, const CDeadline& deadline)
{
    if (!m_secure)
        return {EIoStatus::kFailed, 0};
    const int capacity = static_cast<int>(std::min<size_t>(buffer.size(), INT_MAX));
    for (;;) {
        // SSL_read hands out decrypted bytes OpenSSL already holds before it touches the socket.
        ERR_clear_error();
        const int n = SSL_read(m_ssl->ssl.get(), buffer.data(), capacity);
        if (n > 0)
            return {EIoStatus::kOk, static_cast<size_t>(n)};
        const EIoStatus status = AwaitRetry(n, deadline);
        if (status == EIoStatus::kOk)
            continue;
        if (status != EIoStatus::kClosed)
            m_lastError = status == EIoStatus::kTimedOut ? ESslError::kTimedOut : ESslError::kIo;
        return {status, 0};
    }
}

void CSslSocket::Close()
{
    if (m_secure && m_ssl && m_ssl->ssl) {
        // One try without waiting: the notification is a courtesy, the request is over.
        ERR_clear_error();
        SSL_shutdown(m_ssl->ssl.get());
    }
    m_secure = false;
    if (m_ssl)
        m_ssl->ssl.reset();
    m_tcp.Close();
}

std::string CSslSocket::ErrorText() const
{
    switch (m_lastError) {
    case ESslError::kNone: return {};
    case ESslError::kCreate: return "TLS could not be set up";
    case ESslError::kConnect:
    case ESslError::kTimedOut: return m_tcp.ErrorText().empty() ? "TLS handshake timed out" : m_tcp.ErrorText();
    case ESslError::kHandshake: return "TLS handshake failed";
    case ESslError::kNoCertificate: return "certificate check failed: the server sent no certificate";
    case ESslError::kCertificateExpired: return "certificate check failed: outside its validity period";
    case ESslError::kWrongHost: return "certificate check failed: it does not name the host";
    case ESslError::kUntrusted: return "certificate check failed: not issued by a trusted authority";
    case ESslError::kRevoked: return "certificate check failed: revoked";
    case ESslError::kBadStaple: return "certificate check failed: the stapled revocation answer cannot be verified";
    case ESslError::kIo: return "TLS connection failed";
    }
    return "TLS connection failed";
}
