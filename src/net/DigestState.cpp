#include "net/DigestState.h"

#include "base/StrPrintf.h"
#include "net/AsciiText.h"
#include "net/StringTokenizer.h"

#include <array>

namespace {

/// `name="text", ` (`name=text, ` unquoted); nothing when the text is empty.
void AppendParameter(std::string& header, std::string_view name, std::string_view text, bool quoted = true)
{
    if (text.empty())
        return;
    header += name;
    header += quoted ? "=\"" : "=";
    header += text;
    header += quoted ? "\", " : ", ";
}

} // namespace

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
    StringTokenizer elements(challenge.substr(blank + 1), ",");
    while (elements.Position() >= 0) {
        StringTokenizer element(Trimmed(elements.NextToken()), "=");
        const std::string name = AsciiLowered(element.NextToken());
        StringTokenizer quoted(element.RestOfText(), "\"");
        quoted.NextToken();
        ApplyParameter(name, quoted.NextToken());
    }
}

void DigestState::ApplyParameter(std::string_view name, std::string_view value)
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

void DigestState::SetNonce(std::string_view nonce)
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
    m_cnonce = HexLower(bytes);
    return true;
}

std::string DigestState::ComputeResponse() const
{
    if (m_userName.empty() || m_password.empty() || m_realm.empty() || m_uri.empty() || m_nonce.empty() ||
        m_cnonce.empty() || m_method.empty())
        return {};
    std::string ha1 = Md5Hex(m_userName + ":" + m_realm + ":" + m_password);
    if (AsciiEqualsNoCase(m_algorithm, "md5-sess"))
        ha1 = Md5Hex(ha1 + ":" + m_nonce + ":" + m_cnonce);
    const std::string ha2 = Md5Hex(m_method + ":" + m_uri);
    if (!m_qop.empty())
        return Md5Hex(ha1 + ":" + m_nonce + ":" + m_nc + ":" + m_cnonce + ":" + m_qop + ":" + ha2);
    return Md5Hex(ha1 + ":" + m_nonce + ":" + ha2);
}

std::string DigestState::BuildHeaderValue() const
{
    std::string value = "Digest ";
    AppendParameter(value, "username", m_userName);
    AppendParameter(value, "realm", m_realm);
    AppendParameter(value, "nonce", m_nonce);
    AppendParameter(value, "uri", m_uri);
    AppendParameter(value, "qop", m_qop);
    AppendParameter(value, "nc", m_nc, false);
    AppendParameter(value, "algorithm", m_algorithm.empty() ? std::string_view("MD5") : m_algorithm);
    // The client nonce goes only with a quality of protection.
    AppendParameter(value, "cnonce", m_qop.empty() ? std::string_view() : m_cnonce);
    AppendParameter(value, "opaque", m_opaque);
    value += "response=\"" + ComputeResponse() + "\"";
    return value;
}
