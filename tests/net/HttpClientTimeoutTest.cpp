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

enum class EVia { kDirect, kProxy, kTls, kNoServer };

// Each case lasts at least as long as the wait that should end it (a
// timeout, or the server's pause) and well short of the timeout that should
// not; the margins are wide so that a busy machine does not change the outcome.
TEST(HttpClientTimeout, FirstByteAndBetweenBlockTimeoutsAreDistinct)
{
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n";
    const SScriptedReply silent = Paused("", 0ms, "", true);
    const struct
    {
        const char* name;
        SScriptedReply reply;
        std::chrono::milliseconds firstByte, betweenBlocks;
        int result;
        long long minMs, maxMs;
        EVia via = EVia::kDirect;
    } cases[] = {
        {"silent server", silent, 200ms, 1500ms, kHttpNoAnswer, 200, 4000},
        {"first bytes too late", Paused("", 700ms, head + "body"), 200ms, 1500ms, kHttpNoAnswer, 200, 4000},
        {"pause between blocks within the second timeout", Paused(head, 500ms, "body"), 200ms, 1500ms, kHttpOk, 500,
         4000},
        {"stall after the first bytes", Paused(head + "bo", 0ms, "", true), 200ms, 1500ms, kHttpNoAnswer, 1500, 4000},
        // A long timeout of the other kind does not hold the client.
        {"silent server, long second timeout", silent, 300ms, 5000ms, kHttpNoAnswer, 300, 2500},
        {"stall after the status line, long first timeout", Paused("HTTP/1.1 200 OK\r\n", 0ms, "", true), 5000ms,
         300ms, kHttpNoAnswer, 300, 2500},
        // The proxy and the TLS handshake have the first-byte timeout too.
        {"silent proxy", silent, 200ms, 5000ms, kHttpNoAnswer, 200, 2500, EVia::kProxy},
        {"https to a server that never speaks TLS", silent, 200ms, 5000ms, kHttpNoAnswer, 200, 2500, EVia::kTls},
        {"nothing listening", silent, 3000ms, 3000ms, kHttpNoAnswer, 0, 2000, EVia::kNoServer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedServer server({c.reply});
        CScriptedServer origin({Reply(Redirect(305, server.Url()))});
        const std::string port = std::to_string(c.via == EVia::kNoServer ? UnusedPort() : server.Port());
        const std::string url = c.via == EVia::kProxy ? origin.Url()
                                : c.via == EVia::kTls ? "https://127.0.0.1:" + port + "/"
                                                      : "http://127.0.0.1:" + port + "/";
        HttpClient client(TestOptions(c.firstByte, c.betweenBlocks));
        const auto [result, ms] = TimedFetch(client, url);
        EXPECT_EQ(result, c.result);
        EXPECT_GE(ms, c.minMs);
        EXPECT_LT(ms, c.maxMs);
        if (result == kHttpNoAnswer) {
            EXPECT_EQ(client.GetStatusCode(), -1);
            EXPECT_EQ(client.GetBodyLength(), 0u);
        }
        EXPECT_EQ(server.Connections(), c.via == EVia::kNoServer ? 0u : 1u);
    }
}
