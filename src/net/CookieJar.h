#pragma once

#include "net/HttpUrl.h"

#include <string>
#include <string_view>
#include <vector>

/// One stored cookie: its name=value text kept whole, with the scope it
/// applies to. Expiry is not kept: cookies live for one exchange.
struct Cookie
{
    std::string domain;   ///< "domain" attribute as received; empty: host-only
    std::string pair;     ///< first element of the cookie text, e.g. "name=value"
    std::string path;     ///< "path" attribute; empty matches every path
    int maxAge = 0;       ///< "Max-Age" attribute; stored, never consulted
    std::string host;     ///< host that set the cookie, lower case
};

/// The cookies received during one exchange, in arrival order. Not shared
/// between threads; owned by one HttpClient.
class CookieJar
{
public:
    /// Stores the cookie of one complete "Set-Cookie: ..." header line
    /// received from `url`'s host. False when the cookie is refused: a
    /// domain that the host does not domain-match, an empty pair, or text
    /// that could not be sent back in a request line.
    bool AddFromHeader(std::string_view headerLine, const HttpUrl& url);

    /// "Cookie: " with every cookie that applies to `url`, joined by "; ",
    /// and "\r\n"; empty when none applies.
    std::string BuildCookieHeader(const HttpUrl& url) const;

    const std::vector<Cookie>& Cookies() const { return m_cookies; }

    /// Domain-match of cookies: `domain` (one leading dot ignored) equals
    /// `host` or is a suffix of it on a dot boundary, ignoring case. An IP
    /// address matches only itself.
    static bool DomainMatches(std::string_view host, std::string_view domain);

private:
    std::vector<Cookie> m_cookies;
};
