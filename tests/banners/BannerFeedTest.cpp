// The catalogue against the real feed's hostile content root: it changes
// nothing outside the data folder. The plain feed's refresh is checked
// through leanlog-cli check-updates (tests/e2e).
#include "FeedProcess.h"
#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

/// Every path under `root`, relative, sorted.
std::vector<std::string> Tree(const std::string& root)
{
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        paths.push_back(std::filesystem::relative(entry.path(), root).string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

TEST(BannerFeed, AHostileFeedWritesNothingOutsideTheDataFolder)
{
    CFeedProcess feed("hostile");
    ASSERT_TRUE(feed.Running());
    CTempDataDir dir;
    const std::string data = dir.File("data");
    std::filesystem::create_directories(data);
    {
        CSettings settings(data + "/Leanlog.ini");
        std::atomic<bool> online{true};
        CBannerCatalogue catalogue(settings, data, feed.Url(), {}, online);
        catalogue.LoadBannerSettings();
        catalogue.RefreshChannels();
        catalogue.WaitForDownloads();
        EXPECT_TRUE(online);
    }

    for (const std::string& path : Tree(dir.Path()))
        EXPECT_EQ(path.rfind("data", 0), 0u) << path;
    // The one plain banner folder holds the one plain file that downloaded, and the two pages.
    EXPECT_EQ(Tree(data + "/evil/escape"), (std::vector<std::string>{"banner.htm", "bannerbar.htm", "kept.txt"}));
    EXPECT_FALSE(std::filesystem::exists(data + "/evil/failing/missing.jpg"));
    EXPECT_FALSE(std::filesystem::exists(data + "/evil/failing/error.jpg"));
    const std::string bar = ReadFileBytes(data + "/evil/escape/bannerbar.htm");
    EXPECT_EQ(bar.find("<script>"), std::string::npos) << bar;
    const std::string list = ReadFileBytes(data + "/Channels/Channels/banner.htm");
    EXPECT_NE(list.find("Evil &amp; &lt;Co&gt;"), std::string::npos) << list;
    CSettings settings(data + "/Leanlog.ini");
    EXPECT_EQ(settings.GetText("BannerName_Channels", ""), "Channel List");
}
