#include "net/CookieJar.h"

#include "net/AsciiText.h"
#include "net/StringTokenizer.h"

#include <arpa/inet.h>

#include <algorithm>

namespace {

bool IsIpAddress(std::string_view host)
{
    const std::string text(host);
    unsigned char address[16];
    return inet_pton(AF_INET, text.c_str(), address) == 1 || inet_pton(AF_INET6, text.c_str(), address) == 1;
}

void ApplyAttribute(Cookie& cookie, const std::string& element)
{
    StringTokenizer attribute(std::string(Trimmed(element)), "=");
    const std::string name = attribute.NextToken();
    const std::string value = attribute.NextToken();
    if (AsciiEqualsNoCase(name, "domain"))
        cookie.domain = value;
    else if (AsciiEqualsNoCase(name, "path"))
        cookie.path = value;
    else if (AsciiEqualsNoCase(name, "Max-Age"))
        cookie.maxAge = LenientInt(value);
}

bool SameCookie(const Cookie& a, const Cookie& b)
{
    // Host-only cookies of different hosts are different cookies.
    const bool sameScope = !a.domain.empty() || a.host == b.host;
    return a.domain == b.domain && a.pair == b.pair && a.path == b.path && sameScope;
}

bool AppliesTo(const Cookie& cookie, const HttpUrl& url)
{
    const bool hostMatches = cookie.domain.empty() ? AsciiEqualsNoCase(cookie.host, url.Host())
                                                   : CookieJar::DomainMatches(url.Host(), cookie.domain);
    if (!hostMatches)
        return false;
    const std::string requestPath = "/" + url.Path();
    return AsciiStartsWithNoCase(Trimmed(requestPath), Trimmed(cookie.path));
}

} // namespace

bool CookieJar::AddFromHeader(std::string_view headerLine, const HttpUrl& url)
{
    StringTokenizer line{std::string(headerLine), ": "};
    line.NextToken();
    StringTokenizer elements(line.NextToken(), ";");

    Cookie cookie;
    cookie.pair = elements.NextToken();
    while (elements.Position() >= 0)
        ApplyAttribute(cookie, elements.NextToken());
    cookie.host = AsciiLowered(url.Host());

    if (Trimmed(cookie.pair).empty() || HasLineBreak(cookie.pair))
        return false;
    if (!cookie.domain.empty() && !DomainMatches(url.Host(), cookie.domain))
        return false;

    const auto same = std::find_if(m_cookies.begin(), m_cookies.end(),
                                   [&](const Cookie& stored) { return SameCookie(stored, cookie); });
    if (same != m_cookies.end())
        m_cookies.erase(same);
    m_cookies.push_back(std::move(cookie));
    return true;
}

std::string CookieJar::BuildCookieHeader(const HttpUrl& url) const
{
    std::string contributions;
    for (const Cookie& cookie : m_cookies) {
        if (!AppliesTo(cookie, url))
            continue;
        if (!contributions.empty())
            contributions += "; ";
        contributions += cookie.pair;
    }
    if (contributions.empty())
        return {};
    return "Cookie: " + contributions + "\r\n";
}

bool CookieJar::DomainMatches(std::string_view host, std::string_view domain)
{
    if (!domain.empty() && domain.front() == '.')
        domain.remove_prefix(1);
    if (domain.empty() || host.empty())
        return false;
    if (IsIpAddress(host))
        return AsciiEqualsNoCase(host, domain);
    if (host.size() == domain.size())
        return AsciiEqualsNoCase(host, domain);
    if (host.size() < domain.size() + 1)
        return false;
    const size_t boundary = host.size() - domain.size() - 1;
    return host[boundary] == '.' && AsciiEqualsNoCase(host.substr(boundary + 1), domain);
}
