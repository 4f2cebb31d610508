#include "net/CookieJar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HttpUrl Url(const std::string& text)
{
    HttpUrl url;
    EXPECT_EQ(url.Parse(text), 0) << text;
    return url;
}

} // namespace

TEST(CookieJar, DomainMatchIsOnDotBoundariesOnly)
{
    const struct { const char* host; const char* domain; bool matches; } cases[] = {
        {"example.org", "example.org", true},
        {"shop.example.org", "example.org", true},
        {"shop.example.org", ".example.org", true},     // one leading dot is ignored
        {"example.org", ".example.org", true},
        {"Shop.EXAMPLE.org", "example.ORG", true},      // case does not matter
        {"example.org", "ample.org", false},            // a suffix, but not on a dot
        {"badexample.org", "example.org", false},
        {"example.org", "shop.example.org", false},     // the domain may not be longer
        {"example.org", ".", false},
        {"example.org", "", false},
        {"127.0.0.1", "127.0.0.1", true},               // addresses only exactly
        {"10.0.0.1", "0.0.1", false},
        {"10.0.0.1", ".0.0.1", false},
        {"::1", "::1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CookieJar::DomainMatches(c.host, c.domain), c.matches) << c.host << " / " << c.domain;
}

TEST(CookieJar, ReadsSetCookieLines)
{
    const struct
    {
        const char* line;
        const char* host;
        bool accepted;
        const char* domain;
        const char* pair;
        const char* path;
        int maxAge;
    } cases[] = {
        {"Set-Cookie: a=1", "h.org", true, "", "a=1", "", 0},
        {"Set-Cookie: a=1; Domain=.h.org; PATH=/p; max-age=60; secure; HttpOnly", "w.h.org", true, ".h.org", "a=1",
         "/p", 60},
        // A later attribute overrides an earlier one.
        {"Set-Cookie: a=1; path=/x; path=/y", "h.org", true, "", "a=1", "/y", 0},
        // Attribute values are cut at a further "="; the cookie text at ": ".
        {"Set-Cookie: a=1; path=/q=2", "h.org", true, "", "a=1", "/q", 0},
        {"Set-Cookie: a=b: c; path=/z", "h.org", true, "", "a=b", "", 0},
        // The pair is kept whole, "=" in the value included.
        {"Set-Cookie: token=x=y==; path=/", "h.org", true, "", "token=x=y==", "/", 0},
        // Refused: a domain the host does not domain-match, an empty pair, line breaks.
        {"Set-Cookie: a=1; domain=other.org", "h.org", false, "", "", "", 0},
        {"Set-Cookie: a=1; domain=ample.org", "example.org", false, "", "", "", 0},
        {"Set-Cookie: a=1; domain=.org.h", "h.org", false, "", "", "", 0},
        {"Set-Cookie:  ; path=/", "h.org", false, "", "", "", 0},
        {"Set-Cookie: a=1\nInjected: yes", "h.org", false, "", "", "", 0},
    };
    for (const auto& c : cases) {
        CookieJar jar;
        EXPECT_EQ(jar.AddFromHeader(c.line, Url(std::string("http://") + c.host + "/")), c.accepted) << c.line;
        ASSERT_EQ(jar.Cookies().size(), c.accepted ? 1u : 0u) << c.line;
        if (!c.accepted)
            continue;
        const Cookie& cookie = jar.Cookies().front();
        EXPECT_EQ(cookie.domain, c.domain) << c.line;
        EXPECT_EQ(cookie.pair, c.pair) << c.line;
        EXPECT_EQ(cookie.path, c.path) << c.line;
        EXPECT_EQ(cookie.maxAge, c.maxAge) << c.line;
    }
}

TEST(CookieJar, BuildsTheCookieLineForEachRequest)
{
    CookieJar jar;
    const HttpUrl shop = Url("http://shop.example.org/shop/cart");
    ASSERT_TRUE(jar.AddFromHeader("Set-Cookie: host=1", shop));
    ASSERT_TRUE(jar.AddFromHeader("Set-Cookie: wide=2; domain=.example.org", shop));
    ASSERT_TRUE(jar.AddFromHeader("Set-Cookie: shop=3; path=/shop", shop));
    ASSERT_TRUE(jar.AddFromHeader("Set-Cookie: deep=4; domain=shop.example.org; path= /shop/cart ", shop));

    const struct { const char* url; const char* header; } cases[] = {
        {"http://shop.example.org/shop/cart?x=1", "Cookie: host=1; wide=2; shop=3; deep=4\r\n"},
        // The path test ignores case and has no boundary: "/SHOPPING" starts with "/shop".
        {"http://SHOP.example.org/SHOPPING", "Cookie: host=1; wide=2; shop=3\r\n"},
        {"http://shop.example.org/other", "Cookie: host=1; wide=2\r\n"},
        // Without a domain attribute a cookie goes back only to the host that set it.
        {"http://www.example.org/shop", "Cookie: wide=2\r\n"},
        {"http://example.org/", "Cookie: wide=2\r\n"},
        {"http://badexample.org/shop", ""},
        {"http://elsewhere.net/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(jar.BuildCookieHeader(Url(c.url)), c.header) << c.url;
}

TEST(CookieJar, IdenticalCookiesReplaceNewValuesAddUp)
{
    CookieJar jar;
    const HttpUrl url = Url("http://h.org/");
    jar.AddFromHeader("Set-Cookie: a=1; path=/", url);
    jar.AddFromHeader("Set-Cookie: b=1", url);
    jar.AddFromHeader("Set-Cookie: a=1; path=/", url);   // identical: moves to the end, once
    jar.AddFromHeader("Set-Cookie: b=2", url);            // new value: kept beside the old
    EXPECT_EQ(jar.BuildCookieHeader(url), "Cookie: b=1; a=1; b=2\r\n");

    // Host-only cookies of two hosts are two cookies, each sent to its own host.
    jar.AddFromHeader("Set-Cookie: b=1", Url("http://other.org/"));
    EXPECT_EQ(jar.Cookies().size(), 4u);
    EXPECT_EQ(jar.BuildCookieHeader(Url("http://other.org/")), "Cookie: b=1\r\n");
}
