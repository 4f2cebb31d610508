// leanlog-cli check-updates against the real feed: one connection-check pass
// on a fresh data folder, and what it reports.
#include "FeedProcess.h"
#include "app/Settings.h"
#include "support/RunProcess.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

TEST(CheckUpdatesCommand, OnePassFetchesTheNewerProgramTheChannelsAndEveryBanner)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    CTempDataDir dir;
    CSettings(dir.Folder().SettingsFile()).Set(kServerUrlSetting, feed.Url());
    const auto result = Cli(dir, {"check-updates"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    if (LEANLOG_TRUSTS_TEST_KEY) {
        EXPECT_NE(result.out.find("\nprogram: 0001.0001.0006, downloaded and verified; the desktop program offers to install it\n"
                                  "channel Channels\tChannel List\n"),
                  std::string::npos)
            << result.out;
    }
    // Each banner listed is downloaded into its channel's folder by the time the command ends.
    std::istringstream lines(result.out);
    std::string channel;
    int channels = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::string id = line.substr(0, line.find('\t'));
        if (id.starts_with("channel ")) {
            channel = id.substr(8);
            ++channels;
        } else if (id.starts_with("  banner ")) {
            EXPECT_TRUE(std::filesystem::exists(dir.File(channel + "/" + id.substr(9) + "/bannerbar.htm"))) << line;
        }
    }
    EXPECT_GE(channels, 3) << result.out;

    // A feed that is gone: what stands is printed, and the command fails.
    ASSERT_TRUE(feed.Stop());
    const auto offline = Cli(dir, {"check-updates"});
    EXPECT_EQ(offline.exitCode, 1);
    EXPECT_NE(offline.err.find("gave no channel list"), std::string::npos) << offline.err;
    EXPECT_NE(offline.out.find("channel Channels\tChannel List\n"), std::string::npos) << offline.out;
}
