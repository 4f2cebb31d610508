// The catalogue against the real feed (scripts/feed): its channels and
// banners arrive whole, and the hostile content root changes nothing
// outside the data folder.
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

struct SRefreshed
{
    CTempDataDir dir;
    std::string data = dir.File("data");
};

/// A first run, then one refresh with its downloads, against `feed`.
void Refresh(SRefreshed& run, const CFeedProcess& feed)
{
    std::filesystem::create_directories(run.data);
    CSettings settings(run.data + "/Leanlog.ini");
    std::atomic<bool> online{true};
    CBannerCatalogue catalogue(settings, run.data, feed.Url(), {}, online);
    catalogue.LoadBannerSettings();
    catalogue.RefreshChannels();
    catalogue.WaitForDownloads();
    EXPECT_TRUE(online);
}

} // namespace

TEST(BannerFeed, ARefreshDownloadsEveryChannelsBannersFromTheFeed)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    SRefreshed run;
    Refresh(run, feed);

    CSettings settings(run.data + "/Leanlog.ini");
    EXPECT_EQ(settings.GetInt("numChannels", 0), 4);
    EXPECT_EQ(settings.GetText("ChannelID1", ""), "recipes");
    EXPECT_EQ(settings.GetText("ChannelName_fitness", ""), "Walk It Off");
    EXPECT_EQ(settings.GetText("BannerID_recipes_1", ""), "recipes-dinner");
    EXPECT_EQ(settings.GetText("BannerName_recipes-breakfast", ""), "Protein Breakfasts");
    EXPECT_EQ(settings.GetInt("BannerFlag_fitness-steps", 0), 16);
    EXPECT_EQ(settings.GetText("BannerPopupPageURL_fitness-steps", ""), feed.Url() + "/leanlog/popups/fitness-steps.htm");
    EXPECT_EQ(settings.GetInt("BannerDuration_shop-bars", 0), 45);
    const std::string breakfast = run.data + "/recipes/recipes-breakfast";
    EXPECT_EQ(settings.GetText("BannerBarURL_recipes-breakfast", ""), breakfast + "/bannerbar.htm");
    for (const char* file : {"breakfast.jpg", "eggs.gif", "bannerbar.htm", "banner.htm"})
        EXPECT_GT(std::filesystem::file_size(breakfast + "/" + file), 0u) << file;
    EXPECT_EQ(ReadFileBytes(breakfast + "/breakfast.jpg"),
              ReadFileBytes(LEANLOG_BUILD_DIR "/feed/www/leanlog/bannerfiles/recipes-breakfast/breakfast.jpg"));
    for (const char* file : {"fitness/fitness-steps/steps.jpg", "shop/shop-bars/bars.jpg", "recipes/recipes-dinner/dinner.jpg"})
        EXPECT_TRUE(std::filesystem::exists(run.data + "/" + file)) << file;
}

TEST(BannerFeed, AHostileFeedWritesNothingOutsideTheDataFolder)
{
    CFeedProcess feed("hostile");
    ASSERT_TRUE(feed.Running());
    SRefreshed run;
    Refresh(run, feed);

    EXPECT_EQ(Tree(run.dir.Path()).front(), "data");
    for (const std::string& path : Tree(run.dir.Path()))
        EXPECT_EQ(path.rfind("data", 0), 0u) << path;
    // The one plain banner folder holds the one plain file that downloaded, and the two pages.
    EXPECT_EQ(Tree(run.data + "/evil/escape"), (std::vector<std::string>{"banner.htm", "bannerbar.htm", "kept.txt"}));
    EXPECT_FALSE(std::filesystem::exists(run.data + "/evil/failing/missing.jpg"));
    EXPECT_FALSE(std::filesystem::exists(run.data + "/evil/failing/error.jpg"));
    const std::string bar = ReadFileBytes(run.data + "/evil/escape/bannerbar.htm");
    EXPECT_EQ(bar.find("<script>"), std::string::npos) << bar;
    const std::string list = ReadFileBytes(run.data + "/Channels/Channels/banner.htm");
    EXPECT_NE(list.find("Evil &amp; &lt;Co&gt;"), std::string::npos) << list;
    CSettings settings(run.data + "/Leanlog.ini");
    EXPECT_EQ(settings.GetText("BannerName_Channels", ""), "Channel List");
}
