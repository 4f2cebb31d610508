// The banner bar on a catalogue of its own, in a plain frame: what it shows,
// its popup on the hot spot, and the catalogue's banners from the real feed.
#include "harness/WindowTest.h"

#include "FeedProcess.h"
#include "app/Settings.h"
#include "banners/BannerCatalogue.h"
#include "net/HttpClientOptions.h"
#include "ui/frame/BannerBar.h"
#include "ui/frame/BannerPopup.h"
#include "update/ConnectionCheck.h"
#include "update/ProgramUpdates.h"

#include <wx/choice.h>
#include <wx/filename.h>

#include <atomic>
#include <memory>

namespace {

using namespace std::chrono_literals;

void MoveMouseToScreen(wxPoint p)
{
    wxUIActionSimulator simulator;
    simulator.MouseMove(p);
    Pump(60ms);
}

wxPoint Centre(const wxRect& rect)
{
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

/// What the user's choice of `index` in `list` sends.
void Choose(wxChoice* list, int index)
{
    list->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, list->GetId());
    event.SetInt(index);
    event.SetEventObject(list);
    list->ProcessWindowEvent(event);
}

} // namespace

class CBannerBarTest : public CDesktopTest
{
protected:
    void TearDown() override
    {
        if (m_frame) {
            m_frame->Destroy();
            WaitUntil([this] { return !m_frame; }, 5s);
        }
        m_catalogue.reset();
        m_settings.reset();
        CDesktopTest::TearDown();
    }

    CSettings& Settings()
    {
        if (!m_settings)
            m_settings = std::make_unique<CSettings>(m_dir.Folder().SettingsFile());
        return *m_settings;
    }

    /// A catalogue on the test's folder; loaded from the settings unless `load` is false.
    CBannerCatalogue& MakeCatalogue(const std::string& serverUrl = {}, bool load = true)
    {
        m_catalogue = std::make_unique<CBannerCatalogue>(Settings(), m_dir.Path(), serverUrl,
                                                         HttpClientOptionsFrom(Settings()), m_online);
        if (load)
            m_catalogue->LoadBannerSettings();
        return *m_catalogue;
    }

    /// The bar over the catalogue in a frame of its own, once its page has loaded.
    CBannerBar& ShowBar()
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "Banner bar", wxPoint(40, 40), wxSize(900, 160));
        m_bar = new CBannerBar(m_frame, *m_catalogue);
        m_frame->Show();
        EXPECT_TRUE(WaitUntil([this] { return m_frame->IsShownOnScreen(); }));
        EXPECT_TRUE(WaitForPage(m_bar->Browser()));
        return *m_bar;
    }

    std::atomic<bool> m_online{false};
    std::unique_ptr<CSettings> m_settings;
    std::unique_ptr<CBannerCatalogue> m_catalogue;
    wxWeakRef<wxFrame> m_frame;
    CBannerBar* m_bar = nullptr;
};

TEST_F(CBannerBarTest, WithoutABannerTheBarAsksForTheInternetAndDropsNothing)
{
    MakeCatalogue({}, false);
    CBannerBar& bar = ShowBar();
    EXPECT_FALSE(bar.Current());
    EXPECT_EQ(PageText(bar.Browser().View()), kEmptyBannerText);
    MoveMouseToScreen(Centre(bar.HotSpot()));
    Pump(300ms);
    EXPECT_EQ(bar.Popup(), nullptr);
}

TEST_F(CBannerBarTest, ThePopupGrowsAtTheBannerHidesWhenTheMouseLeavesAndComesBackUnreloaded)
{
    MakeCatalogue();
    CBannerBar& bar = ShowBar();
    ASSERT_TRUE(bar.Current());
    EXPECT_NE(PageText(bar.Browser().View()).find("Leanlog Channel List"), std::string::npos);
    EXPECT_EQ(ToUtf8(bar.ChannelList()->GetStringSelection()), "Channel List");
    EXPECT_EQ(ToUtf8(bar.BannerList()->GetStringSelection()), "Channel List");
    SaveScreenshot(m_frame, "banner-bar-channel-list");

    // Just outside the hot spot nothing opens.
    const wxRect hot = bar.HotSpot();
    MoveMouseToScreen(wxPoint(hot.x - 3, hot.y + 2));
    Pump(200ms);
    EXPECT_EQ(bar.Popup(), nullptr);

    MoveMouseToScreen(Centre(hot));
    ASSERT_TRUE(WaitUntil([&] { return bar.Popup() && bar.Popup()->IsShown(); }, 2s));
    CBannerPopup* popup = bar.Popup();
    EXPECT_EQ(popup->GetScreenPosition(), bar.Browser().View()->GetScreenPosition());
    const int start = popup->GetSize().y;
    EXPECT_LT(start, CBannerPopup::kTargetHeight);
    // 16 pixels every 50 ms: well under two seconds from the template's height.
    ASSERT_TRUE(WaitUntil([&] { return popup->GetSize().y == CBannerPopup::kTargetHeight; }, 2s));
    EXPECT_EQ(popup->GetSize().x, bar.Current()->dropWidth);
    ASSERT_TRUE(WaitForPage(popup->Browser()));
    EXPECT_NE(PageText(popup->Browser().View()).find("Move mouse outside banner to close."), std::string::npos);
    SaveScreenshot(popup, "banner-popup-channel-list");

    const int loads = popup->Browser().LoadCount();
    MoveMouseToScreen(popup->GetScreenRect().GetBottomRight() + wxPoint(20, 20));
    EXPECT_TRUE(WaitUntil([&] { return !popup->IsShown(); }, 300ms));
    MoveMouseToScreen(Centre(bar.HotSpot()));
    ASSERT_TRUE(WaitUntil([&] { return popup->IsShown(); }, 1s));
    EXPECT_EQ(bar.Popup(), popup);
    Pump(200ms);
    EXPECT_EQ(popup->Browser().LoadCount(), loads) << "shown again, not reloaded";
    EXPECT_EQ(popup->GetSize().y, CBannerPopup::kTargetHeight);
}

TEST_F(CBannerBarTest, ABannerWithoutPopupNeverOpensOne)
{
    MakeCatalogue();
    Settings().SetInt("BannerFlag_Channels", kBannerNoPopup);
    MakeCatalogue();
    CBannerBar& bar = ShowBar();
    ASSERT_TRUE(bar.Current());
    ASSERT_EQ(bar.Current()->flags, kBannerNoPopup);
    MoveMouseToScreen(Centre(bar.HotSpot()));
    Pump(500ms);
    EXPECT_EQ(bar.Popup(), nullptr);
}

TEST_F(CBannerBarTest, AFeedChannelShowsItsDownloadedBannerWhichRotatesAfterItsDuration)
{
    CFeedProcess feed;
    ASSERT_TRUE(feed.Running());
    MakeCatalogue(feed.Url());
    m_catalogue->RefreshChannels();
    ASSERT_TRUE(m_online) << "the feed answered the channel list";
    CBannerBar& bar = ShowBar();
    ASSERT_GE(bar.ChannelList()->GetCount(), 2u);

    // The feed's first channel: its first banner is fetched, then shown.
    Choose(bar.ChannelList(), 1);
    const auto downloaded = [&] { return bar.Current() && !bar.Current()->downloading && bar.Current()->id != "Channels"; };
    ASSERT_TRUE(WaitUntil(downloaded, 15s));
    const SBannerView first = *bar.Current();
    EXPECT_NE(first.barUrl.find("/" + first.id + "/"), std::string::npos) << first.barUrl;
    ASSERT_TRUE(WaitForPage(bar.Browser()));
    EXPECT_NE(ShownBodyHtml(bar.Browser().View()).find("<img"), std::string::npos);
    EXPECT_EQ(bar.ChannelList()->GetSelection(), 1);
    SaveScreenshot(m_frame, "banner-bar-feed-banner");
    // Its popup is the banner's own downloaded page.
    MoveMouseToScreen(Centre(bar.HotSpot()));
    ASSERT_TRUE(WaitUntil([&] { return bar.Popup() && bar.Popup()->GetSize().y == CBannerPopup::kTargetHeight; }, 3s));
    ASSERT_TRUE(WaitForPage(bar.Popup()->Browser()));
    EXPECT_EQ(ToUtf8(bar.Popup()->Browser().View()->GetCurrentURL()),
              ToUtf8(wxFileName::FileNameToURL(wxFileName(ToWx(first.popupPageUrl)))));
    SaveScreenshot(bar.Popup(), "banner-popup-feed-banner");
    MoveMouseToScreen(wxPoint(0, 0));

    // Started again with a one-second duration, the bar moves on by itself.
    m_frame->Destroy();
    ASSERT_TRUE(WaitUntil([this] { return !m_frame; }));
    Settings().SetInt("BannerDuration_" + first.id, 1);
    MakeCatalogue(feed.Url());
    m_online = true;
    const auto shown = std::chrono::steady_clock::now();
    CBannerBar& again = ShowBar();
    ASSERT_TRUE(again.Current());
    ASSERT_EQ(again.Current()->id, first.id);
    ASSERT_TRUE(WaitUntil([&] { return again.Current()->id != first.id; }, 4s));
    // The one-second timer sees the duration passed on its first or second tick.
    EXPECT_GE(std::chrono::steady_clock::now() - shown, 1s);
    EXPECT_EQ(again.BannerList()->GetSelection(), 1) << "the list follows the rotation";
}
