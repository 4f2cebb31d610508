// The connection check against the real feed: passes on their own threads
// while the UI thread reads what they change (run under ThreadSanitizer by
// scripts/test with LEANLOG_SANITIZE=thread).
#include "FeedProcess.h"
#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "net/HttpClientOptions.h"
#include "support/TempDataDir.h"
#include "update/ConnectionCheck.h"
#include "update/ProgramUpdates.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

TEST(ConnectionCheck, TwoPassesAtOnceLeaveOneCatalogueAndEndJoined)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    CTempDataDir dir;
    CSettings settings(dir.Folder().SettingsFile());
    std::atomic<bool> online{false};
    CProgramUpdates updates(settings, dir.Path(), feed.Url(), HttpClientOptionsFrom(settings));
    CBannerCatalogue banners(settings, dir.Path(), feed.Url(), HttpClientOptionsFrom(settings), online);
    banners.LoadBannerSettings();
    {
        // The menu command may start a pass while the start-up one still runs;
        // meanwhile the bar and the tab selection read.
        CCheckForConnection check(updates, banners);
        check.Start();
        check.Start();
        while (check.Running()) {
            banners.NextAppBanner();
            updates.UpdatePending();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_TRUE(online);
    EXPECT_EQ(updates.PrcVersion(), "0001.0001.0006");
    const auto channels = banners.BarState().channelNames;
    EXPECT_EQ(std::set<std::string>(channels.begin(), channels.end()).size(), channels.size()) << "each channel once";
    EXPECT_GE(channels.size(), 3u);
}
