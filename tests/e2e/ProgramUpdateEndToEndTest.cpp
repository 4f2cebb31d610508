// The program updates against the real feed (scripts/feed, with its hostile
// variants) and the real leanlog-updater installing into a scratch folder.
// The updater trusts the key compiled in: these parts run when the build
// trusts its throwaway key, as scripts/test configures it.
#include "FeedProcess.h"
#include "app/Settings.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"
#include "update/ProgramUpdates.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

const std::string kHostileRoot = LEANLOG_BUILD_DIR "/feed/updates-hostile/";
const std::string kNewVersion = "0001.0001.0006";

/// A program folder as a user's install leaves it: old programs and the real updater.
struct SScratchInstall
{
    CTempDataDir programs;
    CTempDataDir data;
    SScratchInstall()
    {
        for (const char* name : {"leanlog", "leanlog-cli"}) {
            WriteFileBytes(programs.File(name), std::string("#!/bin/sh\necho old ") + name + "\n");
            fs::permissions(programs.File(name), fs::perms(0755));
        }
        fs::copy_file(LEANLOG_UPDATER_PATH, programs.File("leanlog-updater"));
        // Readable by the unprivileged user the unwritable-folder case runs as.
        fs::permissions(programs.Path(), fs::perms(0755));
        fs::permissions(data.Path(), fs::perms(0755));
    }
    void PlaceArchive(const std::string& archive)
    {
        fs::copy_file(archive, data.File("LeanlogUpdate.dat"));
        fs::permissions(data.File("LeanlogUpdate.dat"), fs::perms(0644));
        if (fs::exists(archive + ".sig")) {
            fs::copy_file(archive + ".sig", data.File("LeanlogUpdate.dat.sig"));
            fs::permissions(data.File("LeanlogUpdate.dat.sig"), fs::perms(0644));
        }
    }
    SProcessResult Updater(std::vector<std::string> prefix, const std::string& args)
    {
        prefix.insert(prefix.end(), {"/bin/sh", "-c", "echo n | \"$0\" " + args, programs.File("leanlog-updater")});
        return RunProcess(prefix, {"LEANLOG_DATA_DIR=" + data.Path(), "DISPLAY=", "WAYLAND_DISPLAY="});
    }
    std::string Run(const char* name) const { return RunProcess({programs.File(name)}).out; }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(programs.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }
};

/// CProgramUpdates on a fresh data folder against `feed`, trusting the build's throwaway key.
struct SProgramSide
{
    CTempDataDir dir;
    CSettings settings{dir.Folder().SettingsFile()};
    CProgramUpdates updates;
    explicit SProgramSide(const CFeedProcess& feed)
        : updates(settings, dir.Path(), feed.Url(), SHttpClientOptions{}, ReadFileBytes(LEANLOG_TEST_PUBLIC_KEY))
    {
    }
    void CheckAll()
    {
        updates.CheckPrcUpdate();
        updates.CheckConduitUpdate();
        updates.CheckExeUpdate();
    }
};

/// scripts/feed serving the hostile variant `name` ("" for none).
std::unique_ptr<CFeedProcess> Feed(const std::string& variant)
{
    if (variant.empty())
        unsetenv("LEANLOG_FEED_UPDATES");
    else
        setenv("LEANLOG_FEED_UPDATES", variant.c_str(), 1);
    auto feed = std::make_unique<CFeedProcess>();
    unsetenv("LEANLOG_FEED_UPDATES");
    return feed;
}

} // namespace

TEST(ProgramUpdateEndToEnd, TheFeedsSignedReleaseIsDownloadedOfferedAndInstalled)
{
    auto feed = Feed("");
    ASSERT_TRUE(feed->Running());
    SProgramSide program(*feed);
    program.CheckAll();
    EXPECT_EQ(program.settings.Get(kPrcVersionSetting), kNewVersion);
    EXPECT_EQ(program.settings.Get(kConduitVersionSetting), kNewVersion);
    EXPECT_NE(ReadFileBytes(program.dir.File("LeanlogConduit.dll")).find("conduit 0001.0001.0006"), std::string::npos);
    EXPECT_TRUE(program.updates.UpdatePending());
    EXPECT_EQ(program.updates.ExeVersion(), kNewVersion);
    if (!LEANLOG_TRUSTS_TEST_KEY)
        GTEST_SKIP() << "this build's updater trusts another key than the feed's test release";

    SScratchInstall install;
    install.PlaceArchive(program.dir.File("LeanlogUpdate.dat"));
    const auto declined = install.Updater({}, "");
    EXPECT_EQ(declined.exitCode, 4) << declined.err;
    EXPECT_EQ(install.Run("leanlog"), "old leanlog\n");

    const auto installed = install.Updater({}, "autorun");
    EXPECT_EQ(installed.exitCode, 0) << installed.err;
    EXPECT_EQ(install.Run("leanlog"), "Leanlog 0001.0001.0006 (test release)\n");
    EXPECT_EQ(install.Run("leanlog-cli"), "leanlog-cli 0001.0001.0006 (test release)\n");
    EXPECT_EQ(install.Files(), (std::set<std::string>{"leanlog", "leanlog-cli", "leanlog-updater"}));
    EXPECT_FALSE(fs::exists(install.data.File("LeanlogUpdate.dat")));
}

TEST(ProgramUpdateEndToEnd, EveryBadSignatureIsRefusedByTheProgramAndByTheUpdater)
{
    for (const std::string variant : {"changed-byte", "other-key", "no-signature", "other-file-signature", "bad-signature"}) {
        auto feed = Feed(variant);
        ASSERT_TRUE(feed->Running()) << variant;
        SProgramSide program(*feed);
        program.updates.CheckExeUpdate();
        EXPECT_FALSE(program.updates.UpdatePending()) << variant;
        EXPECT_FALSE(fs::exists(program.dir.File("LeanlogUpdate.dat"))) << variant;
        EXPECT_FALSE(program.updates.ExitStep().start) << variant;
        if (!LEANLOG_TRUSTS_TEST_KEY)
            continue;

        SScratchInstall install;
        install.PlaceArchive(kHostileRoot + variant + "/leanlog/LeanlogUpdate-" + variant + ".dat");
        const auto refused = install.Updater({}, "autorun");
        EXPECT_EQ(refused.exitCode, 1) << variant;
        EXPECT_NE(refused.err.find("nothing changed"), std::string::npos) << variant << ": " << refused.err;
        EXPECT_EQ(install.Run("leanlog"), "old leanlog\n") << variant;
        EXPECT_EQ(install.Files(), (std::set<std::string>{"leanlog", "leanlog-cli", "leanlog-updater"})) << variant;
    }
}

TEST(ProgramUpdateEndToEnd, HostileNamesAndMisorderedRepliesWriteNothing)
{
    auto feed = Feed("hostile-names");
    ASSERT_TRUE(feed->Running());
    SProgramSide program(*feed);
    program.CheckAll();
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(program.dir.Path()))
        names.insert(entry.path().filename().string());
    EXPECT_TRUE(names.empty()) << *names.begin();
    EXPECT_FALSE(fs::exists(fs::path(program.dir.Path()).parent_path() / "Leanlog.prc"));
    EXPECT_EQ(program.updates.PrcVersion(), "0001.0001.0005");
    EXPECT_FALSE(program.updates.UpdatePending());
}

TEST(ProgramUpdateEndToEnd, TheUpdaterLeavesAFolderItCannotWriteAlone)
{
    if (!LEANLOG_TRUSTS_TEST_KEY)
        GTEST_SKIP() << "this build's updater trusts another key than the feed's test release";
    SScratchInstall install;
    install.PlaceArchive(LEANLOG_BUILD_DIR "/feed/www/leanlog/LeanlogUpdate-0001.0001.0006.dat");
    fs::permissions(install.programs.Path(), fs::perms(0555));
    // Root writes anywhere: the updater then runs as an unprivileged user.
    const std::vector<std::string> user =
        geteuid() == 0 ? std::vector<std::string>{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}
                       : std::vector<std::string>{};
    const auto refused = install.Updater(user, "autorun");
    fs::permissions(install.programs.Path(), fs::perms(0755));
    EXPECT_EQ(refused.exitCode, 3) << refused.err;
    EXPECT_NE(refused.err.find("not writable"), std::string::npos) << refused.err;
    EXPECT_EQ(install.Run("leanlog"), "old leanlog\n");
    EXPECT_TRUE(fs::exists(install.data.File("LeanlogUpdate.dat")));
}
