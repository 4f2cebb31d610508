#include "net/HttpClient.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

/// Milliseconds one Fetch takes, with its result.
std::pair<int, long long> TimedFetch(HttpClient& client, const std::string& url)
{
    const auto start = std::chrono::steady_clock::now();
    const int result = Fetch(client, url);
    const auto spent = std::chrono::steady_clock::now() - start;
    return {result, std::chrono::duration_cast<std::chrono::milliseconds>(spent).count()};
}

SScriptedReply Paused(std::string first, std::chrono::milliseconds pause, std::string rest, bool holdOpen = false)
{
    SScriptedReply reply = Reply(std::move(first));
    reply.pause = pause;
    reply.more = std::move(rest);
    reply.holdOpen = holdOpen;
    return reply;
}

} // namespace

// First bytes within 200 ms, then at most 1500 ms between blocks; the
// margins are wide so that a busy machine does not change the outcome.
TEST(HttpClientTimeout, FirstByteAndBetweenBlockTimeoutsAreDistinct)
{
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n";
    const struct
    {
        const char* name;
        SScriptedReply reply;
        int result;
    } cases[] = {
        {"silent server", Paused("", 0ms, "", true), kHttpNoAnswer},
        {"first bytes too late", Paused("", 700ms, head + "body"), kHttpNoAnswer},
        {"pause between blocks within the second timeout", Paused(head, 500ms, "body"), kHttpOk},
        {"stall after the first bytes", Paused(head + "bo", 0ms, "", true), kHttpNoAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedServer server({c.reply});
        HttpClient client(TestOptions(200ms, 1500ms));
        const auto [result, ms] = TimedFetch(client, server.Url());
        EXPECT_EQ(result, c.result);
        EXPECT_LT(ms, 4000);
        if (result == kHttpNoAnswer) {
            EXPECT_EQ(client.GetStatusCode(), -1);
            EXPECT_EQ(client.GetBodyLength(), 0u);
        }
    }
}

TEST(HttpClientTimeout, GivesUpAfterTheTimeoutNotBefore)
{
    CScriptedServer silent({Paused("", 0ms, "", true)});
    HttpClient client(TestOptions(300ms, 5000ms));
    const auto [result, ms] = TimedFetch(client, silent.Url());
    EXPECT_EQ(result, kHttpNoAnswer);
    EXPECT_GE(ms, 300);
    EXPECT_LT(ms, 2500);

    CScriptedServer stalled({Paused("HTTP/1.1 200 OK\r\n", 0ms, "", true)});
    HttpClient patient(TestOptions(5000ms, 300ms));
    const auto [stallResult, stallMs] = TimedFetch(patient, stalled.Url());
    EXPECT_EQ(stallResult, kHttpNoAnswer);
    EXPECT_GE(stallMs, 300);
    EXPECT_LT(stallMs, 2500);
}

TEST(HttpClientTimeout, NoServerIsNoAnswer)
{
    HttpClient client(TestOptions());
    const auto [result, ms] = TimedFetch(client, "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/");
    EXPECT_EQ(result, kHttpNoAnswer);
    EXPECT_LT(ms, 2000);
    EXPECT_EQ(client.GetStatusCode(), -1);
}

TEST(HttpClientTimeout, TheProxyHasTheSameTimeouts)
{
    CScriptedServer proxy({Paused("", 0ms, "", true)});
    CScriptedServer origin({Reply("HTTP/1.1 305 Use Proxy\r\nLocation: " + proxy.Url() +
                                  "\r\nContent-Length: 0\r\n\r\n")});
    HttpClient client(TestOptions(200ms, 5000ms));
    const auto [result, ms] = TimedFetch(client, origin.Url());
    EXPECT_EQ(result, kHttpNoAnswer);
    EXPECT_LT(ms, 2500);
    EXPECT_EQ(proxy.Connections(), 1u);
}
