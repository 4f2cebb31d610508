#pragma once

#include "net/OpenSslPtr.h"

#include <openssl/x509.h>

#include <memory>
#include <string>

using X509Ptr = OpenSslPtr<X509, X509_free>;
using KeyPtr = OpenSslPtr<EVP_PKEY, EVP_PKEY_free>;

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
};
