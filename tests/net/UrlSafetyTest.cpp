#include "net/HttpClient.h"
#include "net/HttpUrl.h"

#include <gtest/gtest.h>

TEST(UrlSafety, OnlyHttpUrlsWithAHostAndAPortInRangeAreFetched)
{
    const struct
    {
        const char* url;
        bool usable;
    } cases[] = {
        {"http://127.0.0.1:8088/a", true},
        {"HTTPS://example.org/", true},         // schemes compare without case
        {"ftp://127.0.0.1:21/", false},         // once fetched over plain HTTP
        {"file://localhost/etc/passwd", false},
        {"http:///path", false},                // no host
        {"http://[::1", false},                 // a bracket the splitter cannot read
        {"http://127.0.0.1:0/", false},
        {"http://127.0.0.1:99999/", false},
        {"http://127.0.0.1:65535/", true},
        {"http://127.0.0.1:65536/", false},
        {"http://127.0.0.1:abc/", false},       // a port that is no number reads as 0
    };
    for (const auto& c : cases) {
        HttpUrl url;
        ASSERT_EQ(url.Parse(c.url), 0) << c.url;
        EXPECT_EQ(!url.UnusableReason(), c.usable) << c.url;
        HttpClient client;
        EXPECT_EQ(client.Open("GET", c.url) == 0, c.usable) << c.url;
    }
}
