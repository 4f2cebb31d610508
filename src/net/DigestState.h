#pragma once

#include "net/Md5AndBase64.h"

#include <cstdint>
#include <string>
#include <string_view>

/// What one Digest answer is built from. A fresh state is made for every
/// answer, so the nonce count in a header is 00000001.
class DigestState
{
public:
    /// `uri` is "/" and the URL's path, without the query.
    DigestState(std::string userName, std::string password, std::string_view method, std::string uri);

    /// Reads realm, qop, opaque, algorithm and nonce from a whole
    /// "Digest ..." challenge; parameters without double quotes read as empty.
    void ParseChallenge(std::string_view challenge);
    /// A new server nonce restarts the nonce count at 1; the same one counts up.
    void SetNonce(std::string_view nonce);
    /// 16 bytes from `random` as 32 hexadecimal digits; false (and no
    /// client nonce) when the source fails.
    bool CreateClientNonce(const RandomSource& random);
    void SetClientNonce(std::string clientNonce) { m_cnonce = std::move(clientNonce); }

    /// The response digest; empty unless user name, password, realm, uri,
    /// nonce, client nonce and method are all known.
    std::string ComputeResponse() const;
    /// The complete Authorization value, "Digest " and its parameters.
    std::string BuildHeaderValue() const;

    const std::string& ClientNonce() const { return m_cnonce; }
    const std::string& Qop() const { return m_qop; }
    const std::string& NonceCountText() const { return m_nc; }
    const std::string& Algorithm() const { return m_algorithm; }

private:
    void ApplyParameter(std::string_view name, std::string_view value);

    std::string m_userName;
    std::string m_password;
    std::string m_realm;
    std::string m_method;
    std::string m_uri;
    std::string m_nonce;
    std::string m_cnonce;
    std::string m_qop;
    std::string m_nc;
    std::string m_opaque;
    std::string m_algorithm;
    std::uint32_t m_nonceCount = 0;
};
