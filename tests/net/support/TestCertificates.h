#pragma once

#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>
#include <string>

struct SX509Free
{
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct SKeyFree
{
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct SSslCtxRelease
{
    void operator()(SSL_CTX* context) const { SSL_CTX_free(context); }
};
using X509Ptr = std::unique_ptr<X509, SX509Free>;
using KeyPtr = std::unique_ptr<EVP_PKEY, SKeyFree>;
using SslCtxPtr = std::unique_ptr<SSL_CTX, SSslCtxRelease>;

struct STestCertificate
{
    X509Ptr certificate;
    KeyPtr key;
};

/// A certificate authority made at test time (P-256 keys, SHA-256), for TLS
/// tests that must never depend on files in the repository or the network.
class CTestAuthority
{
public:
    explicit CTestAuthority(const std::string& name);

    X509* Certificate() const { return m_self.certificate.get(); }
    /// Writes the authority's certificate as PEM to `path`.
    void WritePem(const std::string& path) const;

    /// A server certificate naming `altNames` ("IP:127.0.0.1,DNS:localhost"),
    /// valid from `fromSeconds` to `toSeconds` relative to now.
    STestCertificate Issue(const std::string& altNames, long fromSeconds = -3600, long toSeconds = 86400) const;
    /// A DER OCSP response for `leaf`, signed by this authority.
    std::string OcspResponse(const STestCertificate& leaf, bool revoked) const;

private:
    STestCertificate m_self;
};

/// A TLS server context and the OCSP response it staples, kept alive together.
struct STestServerContext
{
    std::unique_ptr<std::string> staple;
    SslCtxPtr context;   ///< declared after the staple it points to, so freed before it
};

/// A context presenting `leaf`; with `staple` non-empty it staples that
/// OCSP response when the client asks for one.
STestServerContext ServerContext(const STestCertificate& leaf, std::string staple = "");

/// Points OpenSSL's default trust store (SSL_CERT_FILE, SSL_CERT_DIR) at
/// one authority for the life of the object.
class CScopedTrustStore
{
public:
    CScopedTrustStore(const CTestAuthority& authority, const std::string& folder);
    ~CScopedTrustStore();
    CScopedTrustStore(const CScopedTrustStore&) = delete;
    CScopedTrustStore& operator=(const CScopedTrustStore&) = delete;

    const std::string& File() const { return m_file; }

private:
    std::string m_file;
};
