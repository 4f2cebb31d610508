#include "net/HttpClient.h"
#include "net/SslSocket.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"
#include "net/support/TestCertificates.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

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

/// Every request the server read was empty: the client sent nothing.
bool NothingSent(const CScriptedServer& server)
{
    for (const auto& request : server.Requests())
        if (!request.empty())
            return false;
    return true;
}

} // namespace

TEST_F(SslSocketTest, ChecksTheServerCertificateInOrder)
{
    CTestAuthority stranger("Unknown CA");
    const struct
    {
        const char* name;
        STestCertificate leaf;
        const char* host;
        ESslError error;
    } cases[] = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const STestServerContext context = ServerContext(c.leaf);
        CScriptedServer server({OkReply("over tls")}, context.context.get());
        CSslSocket socket;
        ASSERT_TRUE(socket.Create());
        const bool connected = socket.Connect(c.host, server.Port(), CDeadline(3000ms));
        EXPECT_EQ(connected, c.error == ESslError::kNone);
        EXPECT_EQ(socket.IsSecure(), connected);
        EXPECT_EQ(socket.LastError(), c.error);
        if (connected) {
            ASSERT_EQ(socket.Send("GET / HTTP/1.1\r\n\r\n", CDeadline(3000ms)).status, EIoStatus::kOk);
            std::string reply;
            char buffer[7];   // small reads: the rest waits decrypted inside OpenSSL
            for (SIoResult read{EIoStatus::kOk, 0}; read.status == EIoStatus::kOk;) {
                read = socket.Receive(buffer, CDeadline(3000ms));
                reply.append(buffer, read.bytes);
                if (read.status != EIoStatus::kOk) {
                    EXPECT_EQ(read.status, EIoStatus::kClosed);
                }
            }
            EXPECT_EQ(reply, "HTTP/1.1 200 OK\r\nContent-Length: 8\r\n\r\nover tls");
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
            EXPECT_TRUE(NothingSent(again));
        }
    }
}

TEST_F(SslSocketTest, StapledRevocationStatus)
{
    const STestCertificate leaf = m_authority.Issue("IP:127.0.0.1");
    CTestAuthority stranger("Unknown CA");
    const struct
    {
        const char* name;
        std::string staple;
        ESslError error;
    } cases[] = {
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
    const struct
    {
        const char* name;
        SScriptedReply reply;
        int result;
    } cases[] = {
        {"to the end, close notified", reply("HTTP/1.0 200 OK\r\n\r\nall", true), kHttpOk},
        {"to the end, no close notification", reply("HTTP/1.0 200 OK\r\n\r\nall", false), kHttpFailed},
        {"complete by length, no close notification", reply("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nall", false),
         kHttpOk},
        {"short of its length", reply("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nall", false), kHttpFailed},
        {"305 on https is not followed", reply("HTTP/1.1 305 Use Proxy\r\nLocation: http://127.0.0.1:1/\r\n"
                                                "Content-Length: 0\r\n\r\n", true),
         kHttpFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedServer server({c.reply}, context.context.get());
        HttpClient client(TestOptions());
        EXPECT_EQ(Fetch(client, server.Url()), c.result);
        EXPECT_EQ(server.Connections(), 1u);
    }
}

TEST_F(SslSocketTest, HandshakeHasTheFirstByteTimeout)
{
    // A plain server that never speaks TLS.
    SScriptedReply silent = Reply("");
    silent.holdOpen = true;
    CScriptedServer server({silent});
    HttpClient client(TestOptions(200ms, 5000ms));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Fetch(client, "https://127.0.0.1:" + std::to_string(server.Port()) + "/"), kHttpNoAnswer);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2500ms);

    CSslSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("127.0.0.1", server.Port(), CDeadline(200ms)));
    EXPECT_EQ(socket.LastError(), ESslError::kTimedOut);
}

TEST_F(SslSocketTest, PeerThatStopsReadingRaisesNoSigpipe)
{
    std::signal(SIGPIPE, SIG_DFL);
    const STestServerContext context = ServerContext(m_authority.Issue("IP:127.0.0.1"));
    SScriptedReply slam = Reply("");
    slam.readRequest = false;
    CScriptedServer server({slam}, context.context.get());
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("POST", server.Url()), 0);
    const std::string body(32 * 1024 * 1024, 'p');
    EXPECT_EQ(client.Send(body.c_str()), kHttpNoAnswer);
}
