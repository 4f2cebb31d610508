// leanlog-cli check-updates against the real feed: one connection-check pass
// on a fresh data folder, what it reports, and the channels' and banners'
// settings and files it leaves.
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
    // The settings and files the bar and the popup read.
    CSettings settings(dir.Folder().SettingsFile());
    EXPECT_EQ(settings.GetInt("numChannels", 0), 4);
    EXPECT_EQ(settings.GetText("ChannelID1", ""), "recipes");
    EXPECT_EQ(settings.GetText("ChannelName_fitness", ""), "Walk It Off");
    EXPECT_EQ(settings.GetText("BannerID_recipes_1", ""), "recipes-dinner");
    EXPECT_EQ(settings.GetText("BannerName_recipes-breakfast", ""), "Protein Breakfasts");
    EXPECT_EQ(settings.GetInt("BannerFlag_fitness-steps", 0), 16);
    EXPECT_EQ(settings.GetText("BannerPopupPageURL_fitness-steps", ""), feed.Url() + "/leanlog/popups/fitness-steps.htm");
    EXPECT_EQ(settings.GetInt("BannerDuration_shop-bars", 0), 45);
    const std::string breakfast = dir.File("recipes/recipes-breakfast");
    EXPECT_EQ(settings.GetText("BannerBarURL_recipes-breakfast", ""), breakfast + "/bannerbar.htm");
    for (const char* file : {"eggs.gif", "banner.htm"})
        EXPECT_GT(std::filesystem::file_size(breakfast + "/" + file), 0u) << file;
    EXPECT_EQ(ReadFileBytes(breakfast + "/breakfast.jpg"),
              ReadFileBytes(LEANLOG_BUILD_DIR "/feed/www/leanlog/bannerfiles/recipes-breakfast/breakfast.jpg"));

    // A feed that is gone: the catalogue stands as it was, and the command fails.
    ASSERT_TRUE(feed.Stop());
    const auto offline = Cli(dir, {"check-updates"});
    EXPECT_EQ(offline.exitCode, 1);
    EXPECT_NE(offline.err.find("gave no channel list"), std::string::npos) << offline.err;
    EXPECT_EQ(offline.out.substr(offline.out.find("\nchannel ")), result.out.substr(result.out.find("\nchannel ")));
}
