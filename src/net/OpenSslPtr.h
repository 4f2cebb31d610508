#pragma once

#include <openssl/ocsp.h>
#include <openssl/ssl.h>

#include <memory>

/// Frees an OpenSSL object with the library's own function for its type,
/// so that a std::unique_ptr owns it.
template <auto Free>
struct SOpenSslFree
{
    void operator()(auto* object) const { Free(object); }
};

template <typename T, auto Free>
using OpenSslPtr = std::unique_ptr<T, SOpenSslFree<Free>>;

using BioMethodPtr = OpenSslPtr<BIO_METHOD, BIO_meth_free>;
using SslCtxPtr = OpenSslPtr<SSL_CTX, SSL_CTX_free>;
using SslPtr = OpenSslPtr<SSL, SSL_free>;
using OcspResponsePtr = OpenSslPtr<OCSP_RESPONSE, OCSP_RESPONSE_free>;
using OcspBasicPtr = OpenSslPtr<OCSP_BASICRESP, OCSP_BASICRESP_free>;
using OcspCertIdPtr = OpenSslPtr<OCSP_CERTID, OCSP_CERTID_free>;
