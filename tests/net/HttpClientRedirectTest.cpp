#include "net/HttpClient.h"
#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

const std::string kSelf = "http://127.0.0.1:{port}/";

std::string RefreshPage(const std::string& target)
{
    return Page("<html><META HTTP-EQUIV=\"REFRESH\" CONTENT=\"0; URL=" + target + "\"></html>");
}

} // namespace

TEST(HttpClientRedirect, LoopsEndAfterSixRequests)
{
    const struct { const char* name; std::string reply; int status; } loops[] = {
        {"302 to itself", Redirect(302, kSelf + "again"), 302},
        {"302 without Location", Redirect(302, ""), 302},
        {"307 to itself", Redirect(307, kSelf + "again"), 307},
        // Framed by the end of the connection: "{port}" changes the length.
        {"META refresh to itself",
         "HTTP/1.0 200 OK\r\n\r\n<META HTTP-EQUIV=\"REFRESH\" CONTENT=\"0; URL=" + kSelf + "again\">", 200},
    };
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.name);
        CScriptedServer server({Reply(loop.reply)});
        HttpClient client(TestOptions());
        EXPECT_EQ(Fetch(client, server.Url("start")), kHttpFailed);
        EXPECT_EQ(server.Connections(), 6u);
        EXPECT_EQ(client.GetStatusCode(), loop.status);
    }
}

TEST(HttpClientRedirect, FollowsToTheNewPlaceWithMethodAndBody)
{
    CScriptedServer target({OkReply("arrived")});
    CScriptedServer first({Reply(Redirect(301, target.Url("new place")))});
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("POST", first.Url("old")), 0);
    ASSERT_EQ(client.Send("k=v"), kHttpOk);
    EXPECT_EQ(Body(client), "arrived");
    EXPECT_EQ(client.GetUrlText(), target.Url("new place"));
    EXPECT_EQ(target.Requests().at(0),
              "POST /new%20place HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: Close\r\nContent-Length: 3\r\n\r\nk=v");
}

TEST(HttpClientRedirect, UnusableTargetsEndTheExchange)
{
    const std::string replies[] = {
        Redirect(302, "/relative/path"),
        Redirect(302, "http://a/?next=http://b/"),
        RefreshPage("relative.htm"),
        Redirect(302, "http://127.0.0.1/x\rInjected: 1"),   // would split the request line
    };
    for (const auto& reply : replies) {
        CScriptedServer server({Reply(reply)});
        HttpClient client(TestOptions());
        EXPECT_EQ(Fetch(client, server.Url()), kHttpFailed) << reply;
        EXPECT_EQ(server.Connections(), 1u);
    }
}

TEST(HttpClientRedirect, TheProxyNeverCarriesATlsUrl)
{
    // Sent on to an https URL while a proxy is in use: refused before any
    // connection, with the reply that pointed there still readable.
    CScriptedServer secure({OkReply("never")});
    const std::string target = "https://127.0.0.1:" + std::to_string(secure.Port()) + "/";
    CScriptedServer proxy({Reply(Redirect(302, target))});
    CScriptedServer origin({Reply(Redirect(305, proxy.Url()))});
    HttpClient client(TestOptions());
    EXPECT_EQ(Fetch(client, origin.Url()), kHttpFailed);
    EXPECT_EQ(client.GetStatusCode(), 302);
    ASSERT_NE(client.GetResponseHeader("Location"), nullptr);
    EXPECT_EQ(std::string(client.GetResponseHeader("Location")), target);
    EXPECT_EQ(proxy.Connections(), 1u);
    EXPECT_EQ(secure.Connections(), 0u);
}

TEST(HttpClientRedirect, ChallengeAndRedirectLoopIsBounded)
{
    // Each answered 401 restarts the redirect count, so a server that
    // alternates the two would go on for ever; one Send makes 20 requests at most.
    const std::string challenge = "HTTP/1.1 401 No\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 0\r\n\r\n";
    std::vector<SScriptedReply> flips;
    for (int i = 0; i < 12; ++i)
        flips.insert(flips.end(), {Reply(challenge), Reply(Redirect(302, kSelf))});
    CScriptedServer flip(flips);
    HttpClient client(TestOptions());
    ASSERT_EQ(client.Open("GET", flip.Url()), 0);
    client.SetCredentials("u", "p");
    EXPECT_EQ(client.Send(), kHttpFailed);
    EXPECT_EQ(flip.Connections(), 20u);
}
