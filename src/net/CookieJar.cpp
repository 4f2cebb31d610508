#include "net/CookieJar.h"

#include "net/AsciiText.h"
#include "net/IpAddress.h"
#include "net/StringTokenizer.h"

#include <algorithm>

namespace {

void ApplyAttribute(Cookie& cookie, std::string_view element)
{
    StringTokenizer attribute(Trimmed(element), "=");
    const std::string_view name = attribute.NextToken();
    const std::string_view value = attribute.NextToken();
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

/// `requestPath`: "/" and the URL's path, trimmed.
bool AppliesTo(const Cookie& cookie, const HttpUrl& url, std::string_view requestPath)
{
    const bool hostMatches = cookie.domain.empty() ? AsciiEqualsNoCase(cookie.host, url.Host())
                                                   : CookieJar::DomainMatches(url.Host(), cookie.domain);
    return hostMatches && AsciiStartsWithNoCase(requestPath, Trimmed(cookie.path));
}

} // namespace

bool CookieJar::AddFromHeader(std::string_view headerLine, const HttpUrl& url)
{
    StringTokenizer line(headerLine, ": ");
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
    const std::string requestPath = "/" + url.Path();
    const std::string_view trimmedPath = Trimmed(requestPath);
    std::string contributions;
    for (const Cookie& cookie : m_cookies) {
        if (!AppliesTo(cookie, url, trimmedPath))
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
