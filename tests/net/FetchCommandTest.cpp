#include "net/support/ClientHelpers.h"
#include "net/support/ScriptedServer.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

SProcessResult Fetch(const CTempDataDir& dir, std::vector<std::string> args, std::vector<std::string> env = {})
{
    args.insert(args.begin(), {LEANLOG_CLI_PATH, "--data-dir", dir.Path(), "fetch"});
    return RunProcess(args, env);
}

} // namespace

TEST(FetchCommand, ExitStatusAndOutputFollowTheClientsResult)
{
    CTempDataDir dir;
    const std::string binary("bin\0\xff\r\n\x80 body", 12);
    CScriptedServer ok({OkReply(binary)});
    CScriptedServer missing({Reply("HTTP/1.1 404 Not Found\r\nContent-Length: 7\r\n\r\nmissing")});
    CScriptedServer head({Reply("HTTP/1.1 200 OK\r\nX-One:  1 \r\nContent-Length: 4\r\n\r\nbody")});
    CScriptedServer guarded(
        {Reply("HTTP/1.1 401 No\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 0\r\n\r\n"), OkReply("in")});
    // `says`: what the one line on standard error names ("" for none).
    const struct { const char* name; std::vector<std::string> args; int exitCode; std::string out; const char* says = ""; } cases[] = {
        {"success: the body, byte for byte", {ok.Url("f")}, 0, binary},
        {"HTTP failure", {missing.Url()}, 3, "missing", "404 Not Found"},
        {"no answer", {"http://127.0.0.1:" + std::to_string(UnusedPort()) + "/"}, 4, "", "refused"},
        {"head: status line and headers", {"--head", head.Url()}, 0, "HTTP/1.1 200 OK\nX-One:  1\nContent-Length: 4\n"},
        {"credentials answer the challenge", {guarded.Url(), "--user", "user", "--password", "pass"}, 0, "in"},
        // Bad usage: no URL, a relative one, two, a password without a user, an unknown option.
        {"no URL", {}, 2, ""},
        {"relative URL", {"relative/url"}, 2, ""},
        {"two URLs", {"http://a/", "http://b/"}, 2, ""},
        {"password alone", {"http://a/", "--password", "p"}, 2, ""},
        {"unknown option", {"http://a/", "--colour", "red"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = Fetch(dir, c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_TRUE(result.out == c.out) << result.out;
        EXPECT_TRUE(c.exitCode == 2 || result.err.empty() == (*c.says == 0)) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_EQ(ok.Requests().at(0), FetchRequest("f"));
    EXPECT_NE(guarded.Requests().at(1).find("\r\nAuthorization: Basic dXNlcjpwYXNz\r\n"), std::string::npos);
}

TEST(FetchCommand, SettingsComeFromTheDataFolder)
{
    CTempDataDir dir;
    WriteFileBytes(dir.File("Leanlog.ini"), "[Settings]\ndwTimeout=200\nMaxResponseBytes=1000\nHttpDumpFile=" +
                                                dir.File("reply.txt") + "\n");
    SScriptedReply silent = Reply("");
    silent.holdOpen = true;
    CScriptedServer stalled({silent});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Fetch(dir, {stalled.Url()}).exitCode, 4);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(4000));

    CScriptedServer large({OkReply(std::string(2000, 'L'))});
    EXPECT_EQ(Fetch(dir, {large.Url()}).exitCode, 3);

    CScriptedServer small({OkReply("small")});
    EXPECT_EQ(Fetch(dir, {small.Url()}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("reply.txt")), "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nsmall");
}

TEST(FetchCommand, TraceOnlyWhenAskedFor)
{
    CTempDataDir dir;
    CScriptedServer server({Reply("HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nContent-Length: 2\r\n\r\nok")});
    const auto quiet = Fetch(dir, {server.Url("p")}, {"LEANLOG_TRACE=0"});
    EXPECT_EQ(quiet.err, "");
    const auto traced = Fetch(dir, {server.Url("p")}, {"LEANLOG_TRACE=1"});
    EXPECT_EQ(traced.out, "ok");
    EXPECT_NE(traced.err.find("\ngetting pagep\n"), std::string::npos) << traced.err;
    EXPECT_NE(traced.err.find("got cookiea=1\n"), std::string::npos) << traced.err;
}
