#include "net/HttpUrl.h"
#include "support/ClientHelpers.h"
#include "support/ScriptedServer.h"

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

TEST(UrlSafety, TheFragmentNeverLeavesTheClient)
{
    CScriptedServer server({OkReply("x")});
    HttpClient client(TestOptions());
    ASSERT_EQ(Fetch(client, server.Url("a b?q=1#frag")), kHttpOk);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], FetchRequest("a%20b?q=1"));
}

TEST(UrlSafety, AFailedExchangeSaysWhatFailed)
{
    const struct
    {
        SScriptedReply reply;
        const char* says;
    } cases[] = {
        {Reply("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"), "404 Not Found"},
        {Reply("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc"), "cut off"},
        {Reply(""), "closed before a reply"},
        {Reply(Redirect(302, "ftp://127.0.0.1/")), "redirect"},
    };
    for (const auto& c : cases) {
        CScriptedServer server({c.reply});
        HttpClient client(TestOptions());
        EXPECT_NE(Fetch(client, server.Url()), kHttpOk);
        EXPECT_NE(client.GetFailureText().find(c.says), std::string::npos) << client.GetFailureText();
    }
    HttpClient refused(TestOptions());
    EXPECT_EQ(Fetch(refused, "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/"), kHttpNoAnswer);
    EXPECT_NE(refused.GetFailureText().find("refused"), std::string::npos) << refused.GetFailureText();
}
