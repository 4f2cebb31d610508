#include "net/HttpClient.h"
#include "net/SslSocket.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"
#include "net/support/TestCertificates.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <optional>

using namespace std::chrono_literals;

namespace {

constexpr long kDay = 86400;

/// A test authority trusted through SSL_CERT_FILE for the test's life.
class SslSocketTest : public testing::Test
{
protected:
    CTempDataDir m_dir;
    CTestAuthority m_authority{"Leanlog Test CA"};
    CScopedTrustStore m_trust{m_authority, m_dir.Path()};
};

} // namespace

TEST_F(SslSocketTest, ChecksTheServerCertificateInOrder)
{
    CTestAuthority stranger("Unknown CA");
    const struct { const char* name; STestCertificate leaf; const char* host; ESslError error; } cases[] = {
        {"valid, by address", m_authority.Issue("IP:127.0.0.1"), "127.0.0.1", ESslError::kNone},
        {"valid, by name", m_authority.Issue("DNS:localhost"), "localhost", ESslError::kNone},
        {"expired", m_authority.Issue("IP:127.0.0.1", -2 * kDay, -kDay), "127.0.0.1",
         ESslError::kCertificateExpired},
        {"not yet valid", m_authority.Issue("IP:127.0.0.1", kDay, 2 * kDay), "127.0.0.1",
         ESslError::kCertificateExpired},
        {"another host name", m_authority.Issue("DNS:other.example"), "localhost", ESslError::kWrongHost},
        {"name, not the address", m_authority.Issue("DNS:localhost"), "127.0.0.1", ESslError::kWrongHost},
        {"unknown authority", stranger.Issue("IP:127.0.0.1"), "127.0.0.1", ESslError::kUntrusted},
        // The validity period is checked before the chain.
        {"expired, unknown authority", stranger.Issue("IP:127.0.0.1", -2 * kDay, -kDay), "127.0.0.1",
         ESslError::kCertificateExpired},
    };
    // After its length-framed reply the server holds the connection open a
    // while before it closes with a notification.
    const std::string reply = Page("over tls");
    SScriptedReply held = Reply(reply);
    held.pause = 1000ms;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const STestServerContext context = ServerContext(c.leaf);
        CScriptedServer server({held}, context.context.get());
        CSslSocket socket;
        ASSERT_TRUE(socket.Create());
        const bool connected = socket.Connect(c.host, server.Port(), CDeadline(3000ms));
        EXPECT_EQ(connected, c.error == ESslError::kNone);
        EXPECT_EQ(socket.IsSecure(), connected);
        EXPECT_EQ(socket.LastError(), c.error);
        if (connected) {
            ASSERT_EQ(socket.Send("GET / HTTP/1.1\r\n\r\n", CDeadline(3000ms)).status, EIoStatus::kOk);
            // Small reads: after the first, the rest of the reply waits
            // decrypted inside OpenSSL while the socket stays quiet, so a
            // read that polled the socket first would run out of time.
            std::string received;
            char buffer[7];
            const CDeadline shortly(300ms);
            while (received.size() < reply.size()) {
                const SIoResult read = socket.Receive(buffer, shortly);
                received.append(buffer, read.bytes);
                ASSERT_EQ(read.status, EIoStatus::kOk) << "after " << received.size() << " bytes";
            }
            EXPECT_EQ(received, reply);
            EXPECT_EQ(socket.Receive(buffer, CDeadline(3000ms)).status, EIoStatus::kClosed);
        } else {
            EXPECT_EQ(socket.Send("GET / HTTP/1.1\r\n\r\n", CDeadline(3000ms)).bytes, 0u);
        }
        socket.Close();

        // The client makes the same checks on an https URL of any port, and sends nothing when they fail.
        CScriptedServer again({OkReply("over tls")}, context.context.get());
        HttpClient client(TestOptions());
        const std::string url = "https://" + std::string(c.host) + ":" + std::to_string(again.Port()) + "/";
        EXPECT_EQ(Fetch(client, url), connected ? kHttpOk : kHttpNoAnswer);
        EXPECT_EQ(Body(client), connected ? "over tls" : "");
        if (!connected) {
            EXPECT_TRUE(std::ranges::all_of(again.Requests(), &std::string::empty));
        }
    }
}

TEST_F(SslSocketTest, StapledRevocationStatus)
{
    const STestCertificate leaf = m_authority.Issue("IP:127.0.0.1");
    CTestAuthority stranger("Unknown CA");
    const struct { const char* name; std::string staple; ESslError error; } cases[] = {
        {"no staple", "", ESslError::kNone},
        {"good", m_authority.OcspResponse(leaf, false), ESslError::kNone},
        {"revoked", m_authority.OcspResponse(leaf, true), ESslError::kRevoked},
        {"signed by a stranger", stranger.OcspResponse(leaf, false), ESslError::kBadStaple},
        {"garbage", "not DER", ESslError::kBadStaple},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const STestServerContext context = ServerContext(leaf, c.staple);
        CScriptedServer server({OkReply("x")}, context.context.get());
        CSslSocket socket;
        ASSERT_TRUE(socket.Create());
        EXPECT_EQ(socket.Connect("127.0.0.1", server.Port(), CDeadline(3000ms)), c.error == ESslError::kNone);
        EXPECT_EQ(socket.LastError(), c.error);
    }
}

TEST_F(SslSocketTest, TlsEndsAreJudgedByTheBody)
{
    const STestServerContext context = ServerContext(m_authority.Issue("IP:127.0.0.1"));
    const auto reply = [](std::string bytes, bool clean) {
        SScriptedReply r = Reply(std::move(bytes));
        r.cleanTlsClose = clean;
        return r;
    };
    const struct { const char* name; SScriptedReply reply; int result; int status; std::string body; } cases[] = {
        {"to the end, close notified", reply("HTTP/1.0 200 OK\r\n\r\nall", true), kHttpOk, 200, "all"},
        {"to the end, no close notification", reply("HTTP/1.0 200 OK\r\n\r\nall", false), kHttpFailed, 200, ""},
        {"complete by length, no close notification", reply(Page("all"), false), kHttpOk, 200, "all"},
        {"short of its length", reply("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nall", false), kHttpFailed, 200,
         ""},
        // Refused, and the refused reply stays readable. The body shows that it is the 305's own.
        {"305 on https is not followed",
         reply("HTTP/1.1 305 Use Proxy\r\nLocation: http://127.0.0.1:1/\r\nContent-Length: 5\r\n\r\nproxy", true),
         kHttpFailed, 305, "proxy"},
        {"305 without a Location on https ends at once",
         reply("HTTP/1.1 305 Use Proxy\r\nContent-Length: 5\r\n\r\nproxy", true), kHttpFailed, 305, "proxy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedServer server({c.reply}, context.context.get());
        HttpClient client(TestOptions());
        EXPECT_EQ(Fetch(client, server.Url()), c.result);
        EXPECT_EQ(client.GetStatusCode(), c.status);
        EXPECT_EQ(Body(client), c.body);
        EXPECT_EQ(server.Connections(), 1u);
    }
}

TEST_F(SslSocketTest, HandshakeWithASilentServerTimesOut)
{
    SScriptedReply silent = Reply("");
    silent.holdOpen = true;
    CScriptedServer server({silent});
    CSslSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("127.0.0.1", server.Port(), CDeadline(200ms)));
    EXPECT_EQ(socket.LastError(), ESslError::kTimedOut);
}

TEST_F(SslSocketTest, PeerThatStopsReadingRaisesNoSigpipe)
{
    // Default disposition: a SIGPIPE would end the test program.
    std::signal(SIGPIPE, SIG_DFL);
    const STestServerContext context = ServerContext(m_authority.Issue("IP:127.0.0.1"));
    SScriptedReply slam = Reply("");
    slam.readRequest = false;
    const std::string body(32 * 1024 * 1024, 'p');   // more than the socket buffers hold
    for (SSL_CTX* tls : {static_cast<SSL_CTX*>(nullptr), context.context.get()}) {
        SCOPED_TRACE(tls ? "TLS" : "plain");
        CScriptedServer server({slam}, tls);
        HttpClient client(TestOptions());
        ASSERT_EQ(client.Open("POST", server.Url()), 0);
        EXPECT_EQ(client.Send(body.c_str()), kHttpNoAnswer);
    }
}
