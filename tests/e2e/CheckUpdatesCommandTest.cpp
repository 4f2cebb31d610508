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
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CheckUpdatesCommand, OnePassFetchesTheChannelsTheirBannersAndTheNewerProgram)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    CTempDataDir dir;
    CSettings(dir.Folder().SettingsFile()).Set(kServerUrlSetting, feed.Url());

    const auto result = Cli(dir, {"check-updates"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto lines = Lines(result.out);
    ASSERT_GE(lines.size(), 5u) << result.out;
    EXPECT_EQ(lines[0].rfind("handheld application: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("conduit: ", 0), 0u) << lines[1];
    if (LEANLOG_TRUSTS_TEST_KEY) {
        EXPECT_NE(lines[2].find(", downloaded, installed when the desktop program ends"), std::string::npos)
            << lines[2];
    }
    EXPECT_EQ(lines[3], "channel Channels\tChannel List") << "the built-in channel comes first";

    // Every channel the feed names is listed with its banners, each
    // downloaded into its folder by the time the command ends.
    std::string channel;
    int channels = 0;
    int banners = 0;
    for (size_t i = 3; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("channel ", 0) == 0) {
            channel = line.substr(8, line.find('\t') - 8);
            ++channels;
        } else if (line.rfind("  banner ", 0) == 0) {
            const std::string banner = line.substr(9, line.find('\t') - 9);
            EXPECT_EQ(line.find("(not downloaded)"), std::string::npos) << line;
            EXPECT_TRUE(std::filesystem::exists(dir.File(channel + "/" + banner + "/bannerbar.htm"))) << line;
            ++banners;
        }
    }
    EXPECT_GE(channels, 3) << result.out << "the built-in channel and the feed's";
    EXPECT_GE(banners, channels) << result.out;
}

TEST(CheckUpdatesCommand, AFeedThatDoesNotAnswerFailsAfterSayingWhatStands)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    const std::string url = feed.Url();
    ASSERT_TRUE(feed.Stop());
    CTempDataDir dir;
    CSettings(dir.Folder().SettingsFile()).Set(kServerUrlSetting, url);

    const auto result = Cli(dir, {"check-updates"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("gave no channel list"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("program: 0001.0001.0005\nchannel Channels\tChannel List\n"), std::string::npos)
        << result.out;
}
