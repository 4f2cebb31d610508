#include "net/HttpUrl.h"

#include "net/AsciiText.h"
#include "net/StringTokenizer.h"

#include <algorithm>

int HttpUrl::Parse(const std::string& text)
{
    m_fullText = text;
    m_port = -1;
    StringTokenizer separator(text, "://");
    if (separator.CountTokens() != 2)
        return -1;
    m_scheme = separator.NextToken();
    const std::string_view rest = separator.RestOfText();

    const size_t slash = std::min(rest.find('/'), rest.size());
    const size_t colon = rest.find(':');
    const bool explicitPort = colon != std::string_view::npos && colon < slash;

    StringTokenizer hostPart(rest, explicitPort ? ":" : "/");
    m_host = hostPart.NextToken();
    if (explicitPort)
        m_port = LenientInt(hostPart.NextToken("/"));
    else
        m_port = DefaultPort(m_scheme);
    m_resource = hostPart.RestOfText();
    m_resource = m_resource.substr(0, m_resource.find('#'));

    StringTokenizer query(m_resource, "?");
    m_path = query.NextToken();
    m_query = query.RestOfText();
    return 0;
}

std::optional<std::string> HttpUrl::UnusableReason() const
{
    if (!AsciiEqualsNoCase(m_scheme, "http") && !AsciiEqualsNoCase(m_scheme, "https"))
        return "unsupported scheme \"" + m_scheme + "\" (only http and https)";
    if (m_host.empty())
        return std::string("no host name");
    if (m_host.find_first_of("[]") != std::string::npos)
        return std::string("bracketed addresses are not supported; give a host name or an IPv4 address");
    if (m_port < 1 || m_port > 65535)
        return std::string("the port must be a number from 1 to 65535");
    return std::nullopt;
}

std::string HttpUrl::EncodedResource() const
{
    std::string encoded;
    encoded.reserve(m_resource.size());
    for (const char c : m_resource) {
        if (c == ' ')
            encoded += "%20";
        else
            encoded += c;
    }
    return encoded;
}

int HttpUrl::DefaultPort(const std::string& scheme)
{
    if (AsciiEqualsNoCase(scheme, "http"))
        return 80;
    if (AsciiEqualsNoCase(scheme, "https"))
        return 443;
    if (AsciiEqualsNoCase(scheme, "ftp"))
        return 21;
    return -1;
}

bool UsesTls(const HttpUrl& url)
{
    return AsciiEqualsNoCase(url.Scheme(), "https") || url.Port() == 443;
}
