// The handheld file, the version reply, release archives and the updater's
// start. A program update's signature is checked against the feed's signed
// release and its hostile variants (tests/e2e); the question and its answers
// in the desktop's New Version Found test.
#include "app/Settings.h"
#include "net/support/ScriptedServer.h"
#include "support/TempDataDir.h"
#include "update/ProgramUpdates.h"
#include "update/ReleaseArchive.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

const std::string kOld = "0001.0001.0005";
const std::string kNew = "0001.0001.0006";

struct SUpdatesFixture
{
    CTempDataDir dir;
    CSettings settings{dir.Folder().SettingsFile()};
    CProgramUpdates Updates(const CScriptedServer& server)
    {
        return CProgramUpdates(settings, dir.Path(), server.Url(), SHttpClientOptions{});
    }
};

std::string VersionReply(const std::string& version, const std::string& file)
{
    return "GOOD<" + version + ">[" + file + "]";
}

} // namespace

TEST(ProgramUpdates, VersionReplyMarkersAreFoundInOrder)
{
    struct
    {
        const char* body;
        std::optional<SVersionReply> expected;
    } cases[] = {
        {"junk GOOD x<0001.0001.0006> y[NewFile.prc] z", SVersionReply{"0001.0001.0006", "NewFile.prc"}},
        {"<0001>[a]GOOD<0002>[b]", SVersionReply{"0002", "b"}},   // markers before GOOD do not count
        {"GOOD[NewFile.prc]<0001.0001.0006>", std::nullopt},      // file before version
        {"GOOD<0001.0001.0006>[NewFile.prc", std::nullopt},
        {"good<0001.0001.0006>[NewFile.prc]", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto reply = ParseVersionReply(c.body);
        ASSERT_EQ(reply.has_value(), c.expected.has_value()) << c.body;
        if (reply) {
            EXPECT_EQ(reply->version, c.expected->version) << c.body;
            EXPECT_EQ(reply->file, c.expected->file) << c.body;
        }
    }
}

TEST(ProgramUpdates, AHandheldFileIsStoredRecordedAndQueuedOnlyAfterAWholeDownload)
{
    struct
    {
        std::string serverVersion;
        std::string file;
        std::string download;   // raw reply to the file request
        bool taken;
        const char* why;
    } cases[] = {
        {kNew, "New.prc", Page("prc bytes"), true, "one higher: taken"},
        {kOld, "New.prc", Page("prc bytes"), false, "equal version: nothing downloaded"},
        {kNew, "New.prc", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nprc", false, "cut download"},
        {kNew, "New.prc", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nprc bytes", false, "error status"},
    };
    for (const auto& c : cases) {
        SUpdatesFixture f;
        WriteFileBytes(f.dir.File("Leanlog.prc"), "old prc");
        std::filesystem::create_directories(f.dir.File("Handheld/Zed"));
        std::filesystem::create_directories(f.dir.File("Handheld/Ann"));
        CScriptedServer server({OkReply(VersionReply(c.serverVersion, c.file)), Reply(c.download)});
        auto updates = f.Updates(server);
        updates.CheckPrcUpdate();

        EXPECT_EQ(ReadFileBytes(f.dir.File("Leanlog.prc")), c.taken ? "prc bytes" : "old prc") << c.why;
        EXPECT_EQ(updates.PrcVersion(), c.taken ? kNew : kOld) << c.why;
        EXPECT_EQ(f.settings.Get(kPrcVersionSetting), c.taken ? kNew : kOld) << c.why;
        EXPECT_EQ(std::filesystem::exists(f.dir.File("Handheld/Ann/Install/Leanlog.prc")), c.taken) << c.why;
        EXPECT_FALSE(std::filesystem::exists(f.dir.File("Handheld/Zed/Install"))) << c.why;
        EXPECT_EQ(server.Requests().size(), c.serverVersion == kNew ? 2u : 1u) << c.why;
    }
}

TEST(ProgramUpdates, ReleaseArchivesHoldOnlyOurProgramsWhole)
{
    const std::string head(kReleaseArchiveMagic);
    std::string why;
    const auto good = ParseReleaseArchive(head + "FILE leanlog 3\na\nb\nFILE leanlog-cli 0\n\nEND\n", why);
    ASSERT_TRUE(good);
    ASSERT_EQ(good->programs.size(), 2u);
    EXPECT_EQ(good->programs[0].bytes, "a\nb");
    for (const std::string& bad : std::vector<std::string>{
             head + "FILE ../leanlog 1\nx\nEND\n",                    // a path
             head + "FILE sh 1\nx\nEND\n",                            // not ours
             head + "FILE leanlog 1\nx\nFILE leanlog 1\ny\nEND\n",    // twice
             head + "FILE leanlog 5\nx\nEND\n",                       // size beyond the end
             head + "FILE leanlog 1\nx\nEND\nFILE leanlog-cli 1\ny\n", // after the end
             head + "FILE leanlog 1\nx\n",                            // cut before the end
             head + "END\n",
         })
        EXPECT_FALSE(ParseReleaseArchive(bad, why)) << bad;
}

TEST(ProgramUpdates, TheUpdaterStartsDetachedWithItsArgumentsAndEnvironment)
{
    CTempDataDir programs;
    const std::string record = programs.File("record");
    WriteFileBytes(programs.File("leanlog-updater"),
                   "#!/bin/sh\necho \"$* $LEANLOG_DATA_DIR $LEANLOG_UPDATER_WAIT_PID\" > " + record + ".new\n"
                   "mv " + record + ".new " + record + "\n");
    std::filesystem::permissions(programs.File("leanlog-updater"), std::filesystem::perms::owner_all);
    StartUpdater(programs.Path(), true, "/data dir");
    for (int i = 0; i < 100 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadFileBytes(record), "autorun /data dir " + std::to_string(getpid()) + "\n");
}
