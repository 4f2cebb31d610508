#include "net/HttpClient.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"

#include <gtest/gtest.h>

TEST(HttpClientRequest, EveryCallersRequestIsByteExact)
{
    CScriptedServer server({OkReply("fine")});
    HttpClient client(TestOptions());
    ASSERT_EQ(Fetch(client, server.Url("dir/a page.htm?q=a b&x=%41#frag")), kHttpOk);
    // No port after the host, Content-Length 0 without a body, spaces alone
    // encoded, and the fragment never leaves the client.
    EXPECT_EQ(server.Requests(), std::vector<std::string>{FetchRequest("dir/a%20page.htm?q=a%20b&x=%41")});
    EXPECT_EQ(Body(client), "fine");
}

TEST(HttpClientRequest, BodyMethodAndHeaderOrder)
{
    CScriptedServer server({OkReply("")});
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("post", server.Url()), 0);
    EXPECT_EQ(client.AddRequestHeader("X-First", "1"), 0);
    EXPECT_EQ(client.AddRequestHeader("Content-Type", "text/plain"), 0);
    EXPECT_EQ(client.AddRequestHeader("X-First", "2"), 0);             // duplicates are kept
    EXPECT_EQ(client.AddRequestHeader("content-type", "text/html"), 0); // replaces the first Content-Type
    client.AddRequestHeader("X-Gone", "g");
    client.AddRequestHeader("x-gone", "h");
    client.RemoveRequestHeader("X-GONE");                              // the first one only
    ASSERT_EQ(client.Send("a=1&b=two"), kHttpOk);
    EXPECT_EQ(server.Requests().at(0), "POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: Close\r\n"
                                       "Content-Length: 9\r\nX-First: 1\r\nX-First: 2\r\ncontent-type: text/html\r\n"
                                       "x-gone: h\r\n\r\na=1&b=two");
}

TEST(HttpClientRequest, RefusesHeadersItWritesItselfAndLineBreaks)
{
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("GET", "http://127.0.0.1/"), 0);
    const std::pair<const char*, const char*> refused[] = {
        {"Content-Length", "5"}, {"authorization", "Basic x"}, {"host", "evil"}, {"CONNECTION", "keep-alive"},
        {"Content-MD5", "x"}, {"Proxy-Authorization", "x"},
        {"X-Split", "a\r\nInjected: 1"}, {"X-Bare", "a\nb"},
        {"X:Colon", "v"}, {"", "empty name"},
    };
    for (const auto& [name, value] : refused)
        EXPECT_EQ(client.AddRequestHeader(name, value), -1) << name;
    EXPECT_EQ(client.AddRequestHeader("X-Nul", std::string_view("a\0b", 3)), -1);
}

TEST(HttpClientRequest, FailedOpenKeepsTheEarlierUrl)
{
    CScriptedServer server({OkReply("kept")});
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("GET", server.Url("first")), 0);
    EXPECT_EQ(client.Open("PUT", "not a url"), -1);
    EXPECT_EQ(client.Open("PUT", "http://a/b?c=http://d"), -1);
    EXPECT_EQ(client.GetUrlText(), server.Url("first"));
    ASSERT_EQ(client.Send(), kHttpOk);
    EXPECT_EQ(server.Requests().at(0).substr(0, 21), "GET /first HTTP/1.1\r\n");
}
