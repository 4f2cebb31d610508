#include "net/DigestState.h"

#include "base/StrPrintf.h"
#include "net/AsciiText.h"
#include "net/StringTokenizer.h"

#include <array>

DigestState::DigestState(std::string userName, std::string password, std::string_view method, std::string uri)
    : m_userName(std::move(userName)), m_password(std::move(password)), m_method(AsciiUppered(method)),
      m_uri(std::move(uri))
{
}

void DigestState::ParseChallenge(std::string_view challenge)
{
    const size_t blank = challenge.find(' ');
    if (blank == std::string_view::npos)
        return;
    StringTokenizer elements(std::string(challenge.substr(blank + 1)), ",");
    while (elements.Position() >= 0) {
        StringTokenizer element(std::string(Trimmed(elements.NextToken())), "=");
        const std::string name = AsciiLowered(element.NextToken());
        StringTokenizer quoted(element.RestOfText(), "\"");
        quoted.NextToken();
        ApplyParameter(name, quoted.NextToken());
    }
}

void DigestState::ApplyParameter(const std::string& name, const std::string& value)
{
    if (name == "realm") {
        m_realm = value;
    } else if (name == "qop") {
        m_qop = AsciiEqualsNoCase(value, "auth") ? "auth" : "";
    } else if (name == "opaque") {
        m_opaque = value;
    } else if (name == "algorithm") {
        m_algorithm = AsciiUppered(value);
        if (m_algorithm != "MD5" && m_algorithm != "MD5-SESS")
            m_algorithm.clear();
    } else if (name == "nonce") {
        SetNonce(value);
    }
}

void DigestState::SetNonce(const std::string& nonce)
{
    if (nonce != m_nonce) {
        m_nonce = nonce;
        m_nonceCount = 1;
    } else {
        ++m_nonceCount;
    }
    m_nc = StrPrintf("%08x", m_nonceCount);
}

bool DigestState::CreateClientNonce(const RandomSource& random)
{
    std::array<unsigned char, 16> bytes{};
    m_cnonce.clear();
    if (!random || !random(bytes))
        return false;
    for (const unsigned char byte : bytes)
        m_cnonce += StrPrintf("%02x", byte);
    return true;
}

std::string DigestState::ComputeResponse()
{
    if (m_userName.empty() || m_password.empty() || m_realm.empty() || m_uri.empty() || m_nonce.empty() ||
        m_cnonce.empty() || m_method.empty())
        return {};
    m_ha1 = Md5Hex(m_userName + ":" + m_realm + ":" + m_password);
    if (AsciiEqualsNoCase(m_algorithm, "md5-sess"))
        m_ha1 = Md5Hex(m_ha1 + ":" + m_nonce + ":" + m_cnonce);
    m_ha2 = Md5Hex(m_method + ":" + m_uri);
    if (!m_qop.empty())
        return Md5Hex(m_ha1 + ":" + m_nonce + ":" + m_nc + ":" + m_cnonce + ":" + m_qop + ":" + m_ha2);
    return Md5Hex(m_ha1 + ":" + m_nonce + ":" + m_ha2);
}

std::string DigestState::BuildHeaderValue()
{
    std::string value = "Digest ";
    if (!m_userName.empty())
        value += "username=\"" + m_userName + "\", ";
    if (!m_realm.empty())
        value += "realm=\"" + m_realm + "\", ";
    if (!m_nonce.empty())
        value += "nonce=\"" + m_nonce + "\", ";
    if (!m_uri.empty())
        value += "uri=\"" + m_uri + "\", ";
    if (!m_qop.empty())
        value += "qop=\"" + m_qop + "\", ";
    if (!m_nc.empty())
        value += "nc=" + m_nc + ", ";
    value += "algorithm=\"" + (m_algorithm.empty() ? std::string("MD5") : m_algorithm) + "\", ";
    if (!m_cnonce.empty() && !m_qop.empty())
        value += "cnonce=\"" + m_cnonce + "\", ";
    if (!m_opaque.empty())
        value += "opaque=\"" + m_opaque + "\", ";
    value += "response=\"" + ComputeResponse() + "\"";
    return value;
}
