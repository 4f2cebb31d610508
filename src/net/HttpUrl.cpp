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

    StringTokenizer query(m_resource, "?");
    m_path = query.NextToken();
    m_query = query.RestOfText();
    return 0;
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
