#include "net/HttpClient.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

TEST(HttpClientResponse, ReadsWhatTheServerSends)
{
    const std::string big(3 * 1024 * 1024 + 17, 'b');
    // `says`: what the failure text names.
    const struct { const char* name; SScriptedReply reply; int result; int status; std::string body; const char* says = ""; } cases[] = {
        {"body to the end", Reply("HTTP/1.0 200 OK\r\n\r\n" + big), kHttpOk, 200, big},
        {"large length-framed body", OkReply(big), kHttpOk, 200, big},
        {"not found keeps its page", Reply("HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone"), kHttpFailed,
         404, "gone", "404 Not Found"},
        {"not a status line", Reply("garbage\r\n\r\n"), kHttpNoAnswer, 0, ""},
        {"closed at once", Reply(""), kHttpNoAnswer, -1, "", "closed before a reply"},
        {"redirect to another scheme", Reply(Redirect(302, "ftp://127.0.0.1/")), kHttpFailed, 302, "", "redirect"},
        // Truncated or malformed bodies fail and leave no body to misuse.
        {"short body", Reply("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhello"), kHttpFailed, 200, "", "cut off"},
        {"bad chunk size", Reply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nhello\r\n0\r\n\r\n"),
         kHttpFailed, 200, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedServer server({c.reply});
        HttpClient client(TestOptions());
        EXPECT_EQ(Fetch(client, server.Url("x")), c.result);
        EXPECT_EQ(client.GetStatusCode(), c.status);
        EXPECT_TRUE(Body(client) == c.body) << Body(client).substr(0, 80);
        EXPECT_EQ(server.Connections(), 1u);
        EXPECT_NE(client.GetFailureText().find(c.says), std::string::npos) << client.GetFailureText();
    }
}

TEST(HttpClientResponse, MaxResponseBytesEndsTheExchangeAndFreesTheBody)
{
    // The parser's own tests cover every framing; this one, the option's way to it.
    const std::string body(5000, 'm');
    for (const size_t limit : {4096u, 8192u}) {
        CScriptedServer server({OkReply(body)});
        SHttpClientOptions options = TestOptions();
        options.maxResponseBytes = limit;
        HttpClient client(options);
        EXPECT_EQ(Fetch(client, server.Url()), limit < body.size() ? kHttpFailed : kHttpOk);
        EXPECT_EQ(client.GetBodyLength(), limit < body.size() ? 0u : body.size());
    }
}

TEST(HttpClientResponse, DumpFileOnlyWhenSetAndPrivate)
{
    CTempDataDir dir;
    const std::string dump = dir.File("dump.txt");
    const std::string finalReply = Page("final");
    CScriptedServer target({Reply(finalReply)});
    CScriptedServer first({Reply(Redirect(301, target.Url()))});
    WriteFileBytes(dump, "old and longer than the reply that replaces it .........");
    chmod(dump.c_str(), 0644);

    SHttpClientOptions options = TestOptions();
    options.dumpFile = dump;
    HttpClient client(options);
    ASSERT_EQ(Fetch(client, first.Url()), kHttpOk);
    // Each reply overwrites the last: the file holds the final one, raw.
    EXPECT_EQ(ReadFileBytes(dump), finalReply);
    struct stat status{};
    ASSERT_EQ(stat(dump.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    // Unset: nothing is written, neither to the old file nor to a file of
    // some fixed name in the working folder.
    CScriptedServer other({OkReply("not dumped")});
    const std::filesystem::path work = dir.File("work");
    std::filesystem::create_directory(work);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(work);
    HttpClient undumped(TestOptions());
    const int result = Fetch(undumped, other.Url());
    std::filesystem::current_path(previous);
    EXPECT_EQ(result, kHttpOk);
    EXPECT_EQ(ReadFileBytes(dump), finalReply);
    EXPECT_TRUE(std::filesystem::is_empty(work));
}

TEST(HttpClientResponse, CookiesFollowTheExchangeByTheirRules)
{
    CScriptedServer end({OkReply("done")});
    // 127.0.0.1 and localhost are two hosts on the same server.
    const std::string there = "http://localhost:" + std::to_string(end.Port()) + "/end";
    CScriptedServer middle({Reply(Redirect(302, there, "Set-Cookie: hop=2\r\n"))});
    const std::string cookies = "Set-Cookie: a=1\r\nSet-Cookie:b=2; Path=/\r\nSet-Cookie: wide=3; domain=127.0.0.1\r\n"
                                "Set-Cookie: bad=4; domain=localhost\r\n";
    CScriptedServer start({Reply(Redirect(302, middle.Url("next"), cookies))});
    HttpClient client(TestOptions());
    ASSERT_EQ(Fetch(client, start.Url()), kHttpOk);
    EXPECT_EQ(start.Requests().at(0), FetchRequest(""));
    // Same host: every cookie it may have, rebuilt for this hop.
    EXPECT_EQ(middle.Requests().at(0), FetchRequest("next", "Cookie: a=1; b=2; wide=3\r\n"));
    // Another host: no cookie set without a domain, no cookie for another domain.
    EXPECT_EQ(end.Requests().at(0), FetchRequest("end", "", "localhost"));
    EXPECT_EQ(client.GetCookies().Cookies().size(), 4u);

    CScriptedServer again({Reply(Redirect(302, end.Url(), "Set-Cookie: a=1\r\n"))});
    HttpClient noCookies(TestOptions());
    noCookies.SetSendCookies(false);
    ASSERT_EQ(Fetch(noCookies, again.Url()), kHttpOk);
    EXPECT_EQ(end.Requests().at(1), FetchRequest(""));
}
