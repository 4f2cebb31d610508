// The catalogue on a temporary data folder: first run and load, the refresh
// merge and the downloads against scripted servers, and the app banner choice.
#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "banners/BannerPages.h"
#include "banners/BuiltInBannerFiles.h"
#include "net/support/ScriptedServer.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Names = std::vector<std::string>;

std::string MakeFolder(const std::string& path)
{
    std::filesystem::create_directories(path);
    return path;
}

class CRecordingSink : public IBannerBarSink
{
public:
    void ShowAppBanner(const SBannerBarState& state) override { m_shown.push_back(state.current ? state.current->id : ""); }
    void ChannelsChanged(const SBannerBarState& state) override { m_channels = state.channelNames; }
    Names m_shown;
    Names m_channels;
};

class BannerCatalogueTest : public testing::Test
{
protected:
    /// A catalogue on `data/` of the temporary folder, so a test can see what lands beside it.
    std::unique_ptr<CBannerCatalogue> Open(const std::string& serverUrl = "")
    {
        SHttpClientOptions options;
        options.firstByteTimeout = std::chrono::milliseconds(2000);
        auto catalogue = std::make_unique<CBannerCatalogue>(m_settings, m_data, serverUrl, options, m_online);
        catalogue->LoadBannerSettings();
        return catalogue;
    }
    std::string Text(const std::string& name) { return m_settings.GetText(name, "(none)"); }
    long Int(const std::string& name) { return m_settings.GetInt(name, -99); }

    CTempDataDir m_dir;
    std::string m_data = MakeFolder(m_dir.File("data"));
    CSettings m_settings{m_dir.File("data/Leanlog.ini")};
    std::atomic<bool> m_online{false};
};

/// A stored channel `id` with banners named after their IDs.
void StoreChannel(CSettings& settings, int position, const std::string& id, const Names& banners, int flags = 0)
{
    settings.SetInt("numChannels", position + 1);
    settings.SetText("ChannelID" + std::to_string(position), id);
    settings.SetText("ChannelName_" + id, id + " name");
    settings.SetInt("numBanners_" + id, static_cast<long>(banners.size()));
    for (size_t b = 0; b < banners.size(); ++b) {
        settings.SetText("BannerID_" + id + "_" + std::to_string(b), banners[b]);
        settings.SetText("BannerName_" + banners[b], banners[b]);
        settings.SetInt("BannerFlag_" + banners[b], flags);
    }
}

Names ChannelIds(const CBannerCatalogue& catalogue)
{
    Names ids;
    for (const auto& channel : catalogue.m_channels)
        ids.push_back(channel->m_strID);
    return ids;
}

} // namespace

TEST_F(BannerCatalogueTest, FirstRunMakesTheBuiltInChannelWithItsPagesAndImages)
{
    const auto catalogue = Open("http://feed.test:8088/");
    const std::string folder = m_data + "/Channels/Channels";
    EXPECT_EQ(Int("numChannels"), 1);
    EXPECT_EQ(Text("ChannelID0"), "Channels");
    EXPECT_EQ(Text("ChannelName_Channels"), "Channel List");
    EXPECT_EQ(Int("numBanners_Channels"), 1);
    EXPECT_EQ(Text("BannerID_Channels_0"), "Channels");
    EXPECT_EQ(Text("BannerDestURL_Channels"), "http://feed.test:8088/leanlog/");
    EXPECT_EQ(Text("BannerPopupPageURL_Channels"), folder + "/banner.htm");
    EXPECT_EQ(Text("BannerBarURL_Channels"), folder + "/bannerbar.htm");
    EXPECT_EQ(Int("BannerDuration_Channels"), 0);
    EXPECT_EQ(Int("BannerFlag_Channels"), kBannerBuiltIn);
    EXPECT_EQ(ReadFileBytes(folder + "/bannerbar.htm"), kChannelListBarPage);
    EXPECT_NE(ReadFileBytes(folder + "/banner.htm").find("<b>Channel List</b><br>\n"), std::string::npos);
    for (const SBuiltInFile& file : BuiltInBannerFiles())
        EXPECT_EQ(ReadFileBytes(folder + "/" + std::string(file.name)), file.bytes) << file.name;

    const SBannerBarState state = catalogue->BarState();
    EXPECT_EQ(state.channelNames, Names{"Channel List"});
    ASSERT_TRUE(state.current);
    EXPECT_EQ(state.current->id, "Channels");
}

TEST_F(BannerCatalogueTest, LoadFindsLocalPagesInTheBannerFolderAndKeepsWebPages)
{
    StoreChannel(m_settings, 0, "Channels", {"Channels"});
    StoreChannel(m_settings, 1, "news", {"n1", "n2"});
    m_settings.SetText("BannerPopupPageURL_n1", "http://feed/p.htm");
    m_settings.SetText("BannerBarURL_n1", "c:\\old\\bannerbar.htm");
    m_settings.SetText("BannerPopupPageURL_n2", "/moved/banner.htm");
    m_settings.SetText("BannerBarURL_n2", "https://feed/bar.htm");
    m_settings.SetInt("appChannelNum", 7);   // beyond the stored channels: channel 0
    const auto catalogue = Open();

    const auto& news = *catalogue->m_channels[1];
    EXPECT_EQ(news.m_banners[0]->m_strPopupPageURL, "http://feed/p.htm");
    EXPECT_EQ(news.m_banners[0]->m_strBarURL, m_data + "/news/n1/bannerbar.htm");
    EXPECT_EQ(news.m_banners[1]->m_strPopupPageURL, m_data + "/news/n2/banner.htm");
    EXPECT_EQ(news.m_banners[1]->m_strBarURL, "https://feed/bar.htm");
    EXPECT_EQ(news.m_banners[1]->m_nDuration, 30);
    EXPECT_EQ(catalogue->m_pAppChannel, catalogue->m_channels[0].get());
}

TEST_F(BannerCatalogueTest, RefreshMergesTheListedChannelsAndRefusesUnsafeIds)
{
    StoreChannel(m_settings, 0, "Channels", {"Channels"});
    StoreChannel(m_settings, 1, "keep", {"k1", "k2"});
    StoreChannel(m_settings, 2, "gone", {"g1"});
    // Requests in order: the list, then each listed channel; the downloads get "BAD".
    CScriptedServer server({OkReply("keep\r\n../x\r\nnew\r\nChannels\r\nbroken\r\n"),
                            OkReply("Keep & Co\r\nKept\r\nk2\r\n..\r\nChannels\r\n"), OkReply("New\r\nAdded\r\nn1\r\n"),
                            Reply("HTTP/1.1 500 Oops\r\nContent-Length: 0\r\n\r\n"), OkReply("BAD")});
    const auto catalogue = Open(server.Url());
    CRecordingSink sink;
    catalogue->SetSink(&sink);
    catalogue->RefreshChannels();
    catalogue->WaitForDownloads();

    EXPECT_TRUE(m_online);
    // "gone" left the list; channel 0 stays although the feed does not name it; "broken" had no description.
    EXPECT_EQ(ChannelIds(*catalogue), (Names{"Channels", "keep", "new"}));
    EXPECT_EQ(sink.m_channels, (Names{"Channels name", "Keep & Co", "New"}));
    const auto& keep = *catalogue->m_channels[1];
    ASSERT_EQ(keep.m_banners.size(), 1u);
    EXPECT_EQ(keep.m_banners[0]->m_strID, "k2");
    EXPECT_EQ(Int("numChannels"), 3);
    EXPECT_EQ(Text("ChannelID2"), "new");
    EXPECT_EQ(Int("numBanners_keep"), 1);
    EXPECT_EQ(Text("BannerID_keep_0"), "k2");
    EXPECT_EQ(Text("BannerName_k1"), "k1");   // a dropped banner keeps its values
    EXPECT_EQ(Text("BannerID_new_0"), "n1");
    EXPECT_EQ(catalogue->m_channels[0]->m_banners.size(), 1u);
    EXPECT_NE(ReadFileBytes(m_data + "/Channels/Channels/banner.htm").find("Keep &amp; Co"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(m_data + "/new"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("x")));
}

TEST_F(BannerCatalogueTest, ADownloadKeepsGoodFilesAndWritesOnlyInsideItsFolder)
{
    const std::string folder = m_data + "/shop/s1";
    std::filesystem::create_directories(folder);
    WriteFileBytes(folder + "/missing.gif", "old missing");
    WriteFileBytes(folder + "/cut.gif", "old cut");
    CScriptedServer files({OkReply("new image"), Reply("HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nerr"),
                           Reply("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\ncut short")});
    CScriptedServer feed({OkReply("GOOD\r\nShop\r\nshop\r\nimage.gif\r\nhttp://d/?a=\"1\"\r\n5\r\n"
                                  "../../escape.gif\r\n" + files.Url("e") + "\r\n"
                                  "image.gif\r\n" + files.Url("a") + "\r\n"
                                  "missing.gif\r\n" + files.Url("b") + "\r\n"
                                  "cut.gif\r\n" + files.Url("c") + "\r\n"
                                  "..\r\n" + files.Url("e") + "\r\n"
                                  "1/1/2030\r\n0\r\n45\r\n500\r\n420\r\n<p>popup</p>")});
    StoreChannel(m_settings, 0, "Channels", {"Channels"});
    StoreChannel(m_settings, 1, "shop", {"s1"});
    m_settings.SetText("BannerName_s1", "");
    m_settings.SetInt("appChannelNum", 1);
    m_online = true;
    const auto catalogue = Open(feed.Url());
    CRecordingSink sink;
    catalogue->SetSink(&sink);
    ASSERT_TRUE(catalogue->NextAppBanner());   // shows the unnamed banner, which starts its download
    catalogue->WaitForDownloads();

    EXPECT_EQ(files.Connections(), 3u);   // the unsafe names were never fetched
    EXPECT_EQ(ReadFileBytes(folder + "/image.gif"), "new image");
    EXPECT_EQ(ReadFileBytes(folder + "/missing.gif"), "old missing");
    EXPECT_EQ(ReadFileBytes(folder + "/cut.gif"), "old cut");
    EXPECT_EQ(ReadFileBytes(folder + "/banner.htm"), "<p>popup</p>");
    EXPECT_NE(ReadFileBytes(folder + "/bannerbar.htm").find("<a href=\"http://d/?a=&quot;1&quot;\""), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 1);   // only data/
    EXPECT_EQ(Text("BannerName_s1"), "Shop");
    EXPECT_EQ(Int("BannerDuration_s1"), 45);
    EXPECT_EQ(Text("BannerBarURL_s1"), folder + "/bannerbar.htm");
    EXPECT_EQ(sink.m_shown, Names{"s1"});
    EXPECT_FALSE(catalogue->BarState().current->downloading);
}

TEST_F(BannerCatalogueTest, Flags8And16TakeTheBarAndPopupFromTheReply)
{
    CScriptedServer feed({OkReply("GOOD\r\nN\r\nshop\r\nb.gif\r\nhttp://dest/\r\n0\r\n1/1/2030\r\n24\r\n30\r\n472\r\n410\r\n"
                                  "http://popup/page.htm\r\n")});
    const auto catalogue = Open(feed.Url());
    CBanner banner;
    ASSERT_EQ(catalogue->GetBannerInfo(banner, "s1"), &banner);
    EXPECT_EQ(banner.m_strBarURL, "http://dest/");
    EXPECT_EQ(banner.m_strPopupPageURL, "http://popup/page.htm");
    EXPECT_FALSE(std::filesystem::exists(m_data + "/shop/s1/bannerbar.htm"));
    EXPECT_FALSE(std::filesystem::exists(m_data + "/shop/s1/banner.htm"));
}

TEST_F(BannerCatalogueTest, RotationPassesOverOnlineOnlyBannersWhileOffline)
{
    StoreChannel(m_settings, 0, "Channels", {"Channels"});
    StoreChannel(m_settings, 1, "mix", {"m0", "m1", "m2"});
    m_settings.SetInt("BannerFlag_m1", kBannerOnlineOnly);
    m_settings.SetInt("appChannelNum", 1);
    const auto catalogue = Open();
    EXPECT_EQ(catalogue->NextAppBanner()->id, "m2");   // from m0, over m1
    EXPECT_EQ(catalogue->NextAppBanner()->id, "m0");   // wraps
    m_online = true;
    EXPECT_EQ(catalogue->NextAppBanner()->id, "m1");
    EXPECT_EQ(Int("BannerCount1_1"), 1);
}

TEST_F(BannerCatalogueTest, ChoosingChannelsAndBanners)
{
    StoreChannel(m_settings, 0, "Channels", {"Channels"});
    StoreChannel(m_settings, 1, "empty", {});
    StoreChannel(m_settings, 2, "online", {"o1", "o2"}, kBannerOnlineOnly);
    StoreChannel(m_settings, 3, "plain", {"p0", "p1", "p2"});
    m_settings.SetInt("BannerFlag_p1", kBannerOnlineOnly);
    const auto catalogue = Open();

    // A channel without banners shows the channel list.
    catalogue->SelectAppChannel(1);
    SBannerBarState state = catalogue->BarState();
    EXPECT_EQ(state.appChannel, 1);
    EXPECT_EQ(state.appBanner, -1);
    EXPECT_EQ(state.current->id, "Channels");
    // Every banner passed over: the next channel in the direction of travel...
    catalogue->SelectAppChannel(2);
    EXPECT_EQ(catalogue->BarState().appChannel, 3);
    EXPECT_EQ(Int("appChannelNum"), 3);
    // ...which is backwards when the choice is not the next channel, past the empty one.
    catalogue->SelectAppChannel(0);
    catalogue->SelectAppChannel(2);
    EXPECT_EQ(catalogue->BarState().appChannel, 0);

    catalogue->SelectAppChannel(3);
    catalogue->SelectAppBanner(2);
    catalogue->SelectAppBanner(1);   // backwards over p1
    EXPECT_EQ(catalogue->BarState().current->id, "p0");
    catalogue->SelectAppBanner(1);   // forwards over p1
    EXPECT_EQ(catalogue->BarState().current->id, "p2");
    EXPECT_EQ(Int("appBannerNum"), 2);
    m_online = true;
    catalogue->SelectAppChannel(2);
    m_online = false;
    catalogue->SelectAppBanner(1);   // nothing to show offline: unchanged
    EXPECT_EQ(catalogue->BarState().current->id, "o1");
}
