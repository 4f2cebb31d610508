#include "net/support/TestCertificates.h"

#include <openssl/evp.h>
#include <openssl/ocsp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

using Asn1TimePtr = OpenSslPtr<ASN1_TIME, ASN1_TIME_free>;
using ExtensionPtr = OpenSslPtr<X509_EXTENSION, X509_EXTENSION_free>;

void Require(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("test certificate: ") + what);
}

KeyPtr NewKey()
{
    KeyPtr key(EVP_EC_gen("P-256"));
    Require(key != nullptr, "key");
    return key;
}

void AddExtension(X509* certificate, X509* issuer, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    const ExtensionPtr extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    Require(extension != nullptr, "extension");
    X509_add_ext(certificate, extension.get(), -1);
}

X509Ptr NewCertificate(const std::string& commonName, EVP_PKEY* key, long fromSeconds, long toSeconds)
{
    X509Ptr certificate(X509_new());
    static long serial = 1;
    X509_set_version(certificate.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), serial++);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), fromSeconds);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), toSeconds);
    X509_NAME* name = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(commonName.c_str()),
                               -1, -1, 0);
    X509_set_pubkey(certificate.get(), key);
    return certificate;
}

} // namespace

CTestAuthority::CTestAuthority(const std::string& name)
{
    m_self.key = NewKey();
    m_self.certificate = NewCertificate(name, m_self.key.get(), -86400, 30 * 86400);
    X509* self = m_self.certificate.get();
    X509_set_issuer_name(self, X509_get_subject_name(self));
    AddExtension(self, self, NID_basic_constraints, "critical,CA:TRUE");
    AddExtension(self, self, NID_key_usage, "critical,keyCertSign,cRLSign,digitalSignature");
    AddExtension(self, self, NID_subject_key_identifier, "hash");
    Require(X509_sign(self, m_self.key.get(), EVP_sha256()) > 0, "sign authority");
}

void CTestAuthority::WritePem(const std::string& path) const
{
    FILE* file = std::fopen(path.c_str(), "w");
    Require(file != nullptr, "pem file");
    PEM_write_X509(file, m_self.certificate.get());
    std::fclose(file);
}

STestCertificate CTestAuthority::Issue(const std::string& altNames, long fromSeconds, long toSeconds) const
{
    STestCertificate leaf;
    leaf.key = NewKey();
    leaf.certificate = NewCertificate("leanlog test server", leaf.key.get(), fromSeconds, toSeconds);
    X509* certificate = leaf.certificate.get();
    X509* issuer = m_self.certificate.get();
    X509_set_issuer_name(certificate, X509_get_subject_name(issuer));
    AddExtension(certificate, issuer, NID_basic_constraints, "critical,CA:FALSE");
    AddExtension(certificate, issuer, NID_ext_key_usage, "serverAuth");
    AddExtension(certificate, issuer, NID_subject_alt_name, altNames.c_str());
    AddExtension(certificate, issuer, NID_authority_key_identifier, "keyid:always");
    Require(X509_sign(certificate, m_self.key.get(), EVP_sha256()) > 0, "sign leaf");
    return leaf;
}

std::string CTestAuthority::OcspResponse(const STestCertificate& leaf, bool revoked) const
{
    const OcspBasicPtr basic(OCSP_BASICRESP_new());
    const OcspCertIdPtr id(OCSP_cert_to_id(nullptr, leaf.certificate.get(), m_self.certificate.get()));
    const Asn1TimePtr thisUpdate(X509_gmtime_adj(nullptr, -60));
    const Asn1TimePtr nextUpdate(X509_gmtime_adj(nullptr, 3600));
    const Asn1TimePtr revokedAt(X509_gmtime_adj(nullptr, -120));
    Require(basic && id && thisUpdate && nextUpdate && revokedAt, "ocsp parts");
    Require(OCSP_basic_add1_status(basic.get(), id.get(),
                                   revoked ? V_OCSP_CERTSTATUS_REVOKED : V_OCSP_CERTSTATUS_GOOD,
                                   revoked ? OCSP_REVOKED_STATUS_KEYCOMPROMISE : 0,
                                   revoked ? revokedAt.get() : nullptr, thisUpdate.get(), nextUpdate.get()) != nullptr,
            "ocsp status");
    Require(OCSP_basic_sign(basic.get(), m_self.certificate.get(), m_self.key.get(), EVP_sha256(), nullptr, 0) == 1,
            "ocsp sign");
    const OcspResponsePtr response(OCSP_response_create(OCSP_RESPONSE_STATUS_SUCCESSFUL, basic.get()));
    unsigned char* der = nullptr;
    const int length = response ? i2d_OCSP_RESPONSE(response.get(), &der) : 0;
    Require(length > 0, "ocsp encode");
    std::string bytes(reinterpret_cast<const char*>(der), static_cast<size_t>(length));
    OPENSSL_free(der);
    return bytes;
}

namespace {

/// Hands a copy of the staple (a std::string owned by STestServerContext) to each connection that asks.
int StapleCallback(SSL* ssl, void* argument)
{
    const auto* staple = static_cast<const std::string*>(argument);
    auto* copy = static_cast<unsigned char*>(OPENSSL_memdup(staple->data(), staple->size()));
    if (!copy)
        return SSL_TLSEXT_ERR_NOACK;
    // SSL_set_tlsext_status_ocsp_resp without its C cast; OpenSSL takes the copy.
    SSL_ctrl(ssl, SSL_CTRL_SET_TLSEXT_STATUS_REQ_OCSP_RESP, static_cast<long>(staple->size()), copy);
    return SSL_TLSEXT_ERR_OK;
}

} // namespace

STestServerContext ServerContext(const STestCertificate& leaf, std::string staple)
{
    STestServerContext server;
    server.staple = std::make_unique<std::string>(std::move(staple));
    server.context.reset(SSL_CTX_new(TLS_server_method()));
    SSL_CTX* context = server.context.get();
    Require(context && SSL_CTX_use_certificate(context, leaf.certificate.get()) == 1 &&
                SSL_CTX_use_PrivateKey(context, leaf.key.get()) == 1,
            "server context");
    if (!server.staple->empty()) {
        SSL_CTX_callback_ctrl(context, SSL_CTRL_SET_TLSEXT_STATUS_REQ_CB, reinterpret_cast<void (*)()>(StapleCallback));
        SSL_CTX_ctrl(context, SSL_CTRL_SET_TLSEXT_STATUS_REQ_CB_ARG, 0, server.staple.get());
    }
    return server;
}

CScopedTrustStore::CScopedTrustStore(const CTestAuthority& authority, const std::string& folder)
{
    const std::string file = folder + "/trusted-ca.pem";
    authority.WritePem(file);
    std::filesystem::create_directories(folder + "/no-certs");
    setenv("SSL_CERT_FILE", file.c_str(), 1);
    setenv("SSL_CERT_DIR", (folder + "/no-certs").c_str(), 1);
}

CScopedTrustStore::~CScopedTrustStore()
{
    unsetenv("SSL_CERT_FILE");
    unsetenv("SSL_CERT_DIR");
}
