#pragma once

#include "banners/BannerCatalogue.h"
#include "ui/pages/HtmlBrowser.h"

#include <wx/panel.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <chrono>
#include <mutex>
#include <memory>
#include <optional>
#include <string>

class CBannerPopup;
class wxChoice;
class wxStaticText;

/// The strip across the top of the main window: the current sponsor
/// banner's bar page in a web view centred in the strip, the banner list
/// with its label on the left and the channel list on the right. Rotates
/// banners by their duration, forwards the user's choices to the
/// catalogue, and drops the banner's popup while the mouse rests on the
/// banner's upper right corner. Without a banner it shows kEmptyBannerText.
/// The catalogue outlives the bar, or the bar is detached first. UI thread only.
class CBannerBar : public wxPanel
{
public:
    CBannerBar(wxWindow* parent, CBannerCatalogue& catalogue);
    ~CBannerBar() override;
    /// Lets go of the catalogue for good: its news are dropped, the timers
    /// stop. For a bar whose window outlives the catalogue for a moment.
    void Detach();

    const CHtmlBrowser& Browser() const { return m_wndBrowser; }
    wxChoice* ChannelList() const { return m_pChannelList; }
    wxChoice* BannerList() const { return m_pBannerList; }
    /// The popup, null until the first hover and after it was closed.
    CBannerPopup* Popup() const { return m_pPopup.get(); }
    /// What the bar copied from its current banner; empty when it has none.
    const std::optional<SBannerView>& Current() const { return m_current; }
    /// The upper right square of the web view, side half its height, in screen pixels.
    wxRect HotSpot() const;

    /// The web view's designed width, pixels.
    static constexpr int kBrowserWidth = 473;
    static constexpr int kListWidth = 156;
    static constexpr int kRotationIntervalMs = 1000;
    /// How often the mouse is looked for over the hot spot: the web view
    /// keeps the mouse's events to itself.
    static constexpr int kHoverIntervalMs = 50;

private:
    /// Hands the catalogue's news to the bar on the UI thread; detached
    /// before the bar goes, so no call reaches a bar that is gone.
    class CSink : public IBannerBarSink
    {
    public:
        explicit CSink(CBannerBar* bar) : m_pBar(bar) {}
        void ShowAppBanner(const SBannerBarState& state) override;
        void ChannelsChanged(const SBannerBarState& state) override;
        void Detach();

    private:
        std::mutex m_mutex;   ///< guards m_pBar
        CBannerBar* m_pBar;
    };

    void CreateControls();
    /// Copies `banner` and shows its bar page; a banner already shown stays as it is.
    void TakeBanner(const std::optional<SBannerView>& banner);
    void FillChannels(const SBannerBarState& state);
    void FillBanners(const SBannerBarState& state);
    void OnDocumentComplete();
    void OnSize(wxSizeEvent& event);
    void OnRotationTimer(wxTimerEvent& event);
    void OnHoverTimer(wxTimerEvent& event);
    void OnChannelChosen(wxCommandEvent& event);
    void OnBannerChosen(wxCommandEvent& event);
    void DropPopup();

    CBannerCatalogue* m_pCatalogue;
    std::unique_ptr<CSink> m_pSink;
    std::optional<SBannerView> m_current;
    CHtmlBrowser m_wndBrowser;
    wxChoice* m_pChannelList = nullptr;
    wxChoice* m_pBannerList = nullptr;
    wxStaticText* m_pChannelLabel = nullptr;
    wxStaticText* m_pBannerLabel = nullptr;
    wxWeakRef<CBannerPopup> m_pPopup;
    std::chrono::steady_clock::time_point m_lastSwitch;
    wxTimer m_rotationTimer;
    wxTimer m_hoverTimer;
};

inline constexpr const char* kEmptyBannerText = "Connect to the internet for full capabilities";
