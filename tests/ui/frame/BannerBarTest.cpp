// The banner bar on a catalogue of its own, in a plain frame: what it shows,
// its popup on the hot spot, and banners downloaded from the real feed.
#include "harness/WindowTest.h"

#include "FeedProcess.h"
#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "net/HttpClientOptions.h"
#include "ui/frame/BannerBar.h"
#include "ui/frame/BannerPopup.h"

#include <wx/choice.h>

#include <atomic>
#include <memory>

using namespace std::chrono_literals;

class CBannerBarTest : public CDesktopTest
{
protected:
    void TearDown() override
    {
        CloseBar();
        m_catalogue.reset();
        CDesktopTest::TearDown();
    }

    /// The bar in a frame of its own over a new catalogue on the test's folder, its page loaded.
    CBannerBar& ShowBar(const std::string& serverUrl, bool load = true)
    {
        CloseBar();
        m_catalogue = std::make_unique<CBannerCatalogue>(m_settings, m_dir.Path(), serverUrl,
                                                         HttpClientOptionsFrom(m_settings), m_online);
        if (load)
            m_catalogue->LoadBannerSettings();
        m_frame = new wxFrame(nullptr, wxID_ANY, "Banner bar", wxPoint(40, 40), wxSize(900, 160));
        auto* bar = new CBannerBar(m_frame, *m_catalogue);
        m_frame->Show();
        EXPECT_TRUE(WaitUntil([this] { return m_frame->IsShownOnScreen(); }));
        EXPECT_TRUE(WaitForPage(bar->Browser()));
        return *bar;
    }
    void CloseBar()
    {
        if (m_frame)
            m_frame->Destroy();
        WaitUntil([this] { return !m_frame; }, 5s);
    }
    /// Rests the mouse on the bar's hot spot for a moment.
    static void Hover(const CBannerBar& bar)
    {
        const wxRect hot = bar.HotSpot();
        wxUIActionSimulator().MouseMove(hot.x + hot.width / 2, hot.y + hot.height / 2);
        Pump(300ms);
    }

    CSettings m_settings{m_dir.Folder().SettingsFile()};
    std::atomic<bool> m_online{false};
    std::unique_ptr<CBannerCatalogue> m_catalogue;
    wxWeakRef<wxFrame> m_frame;
};

TEST_F(CBannerBarTest, ThePopupGrowsAtTheBannerHidesWhenTheMouseLeavesAndComesBackUnreloaded)
{
    // No banner, no popup.
    CBannerBar& empty = ShowBar({}, false);
    EXPECT_FALSE(empty.Current());
    EXPECT_EQ(PageText(empty.Browser().View()), kEmptyBannerText);
    Hover(empty);
    EXPECT_EQ(empty.Popup(), nullptr);

    CBannerBar& bar = ShowBar({});
    EXPECT_NE(PageText(bar.Browser().View()).find("Leanlog Channel List"), std::string::npos);
    SaveScreenshot(m_frame, "banner-bar-channel-list");
    Hover(bar);
    ASSERT_NE(bar.Popup(), nullptr);
    CBannerPopup* popup = bar.Popup();
    EXPECT_EQ(popup->GetScreenPosition(), bar.Browser().View()->GetScreenPosition());
    EXPECT_LT(popup->GetSize().y, CBannerPopup::kTargetHeight) << "it grows";
    // 16 pixels every 50 ms: well under two seconds from the template's height.
    ASSERT_TRUE(WaitUntil([&] { return popup->GetSize().y == CBannerPopup::kTargetHeight; }, 2s));
    EXPECT_EQ(popup->GetSize().x, bar.Current()->dropWidth);
    ASSERT_TRUE(WaitForPage(popup->Browser()));
    EXPECT_NE(PageText(popup->Browser().View()).find("Move mouse outside banner to close."), std::string::npos);
    SaveScreenshot(popup, "banner-popup-channel-list");

    const int loads = popup->Browser().LoadCount();
    wxUIActionSimulator().MouseMove(popup->GetScreenRect().GetBottomRight() + wxPoint(20, 20));
    EXPECT_TRUE(WaitUntil([&] { return !popup->IsShown(); }, 300ms));
    Hover(bar);
    EXPECT_TRUE(popup->IsShown());
    EXPECT_EQ(bar.Popup(), popup);
    EXPECT_EQ(popup->Browser().LoadCount(), loads) << "shown again, not reloaded";

    // Nor for a banner flagged so.
    m_settings.SetInt("BannerFlag_Channels", kBannerNoPopup);
    CBannerBar& flagged = ShowBar({});
    ASSERT_EQ(flagged.Current()->flags, kBannerNoPopup);
    Hover(flagged);
    EXPECT_EQ(flagged.Popup(), nullptr);
}

TEST_F(CBannerBarTest, AFeedChannelShowsItsDownloadedBannerWhichRotatesAfterItsDuration)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    m_online = true;
    CBannerBar& bar = ShowBar(feed.Url());
    m_catalogue->RefreshChannels();
    ASSERT_TRUE(WaitUntil([&] { return bar.ChannelList()->GetCount() > 1; }));

    // The user picks the feed's first channel: its first banner is shown once downloaded.
    bar.ChannelList()->SetSelection(1);
    wxCommandEvent choice(wxEVT_CHOICE, bar.ChannelList()->GetId());
    bar.ChannelList()->ProcessWindowEvent(choice);
    ASSERT_TRUE(WaitUntil([&] { return bar.Current()->id != "Channels" && !bar.Current()->downloading; }, 15s));
    const SBannerView first = *bar.Current();
    ASSERT_TRUE(WaitForPage(bar.Browser()));
    EXPECT_NE(ShownBodyHtml(bar.Browser().View()).find("<img"), std::string::npos);
    SaveScreenshot(m_frame, "banner-bar-feed-banner");

    // Started again with a one-second duration, the bar moves on by itself.
    m_settings.SetInt("BannerDuration_" + first.id, 1);
    const auto shown = std::chrono::steady_clock::now();
    CBannerBar& again = ShowBar(feed.Url());
    ASSERT_EQ(again.Current()->id, first.id);
    ASSERT_TRUE(WaitUntil([&] { return again.Current()->id != first.id; }, 4s));
    EXPECT_GE(std::chrono::steady_clock::now() - shown, 1s);
    EXPECT_EQ(again.BannerList()->GetSelection(), 1) << "the list follows the rotation";
}
