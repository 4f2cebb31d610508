#pragma once

#include "ui/pages/HtmlBrowser.h"

#include <wx/frame.h>
#include <wx/timer.h>

#include <string>

/// The drop-down window of the banner bar: a tool window without caption
/// whose web view shows a banner's popup page. Once made it grows by
/// kGrowthStep pixels every kGrowthIntervalMs to kTargetHeight, at the
/// banner's drop width, and hides itself as soon as the mouse is outside
/// it; the bar shows it again, page and height kept. UI thread only.
class CBannerPopup : public wxFrame
{
public:
    /// `pageUrl` as the bar's own page URLs: a file path, an http(s) URL or an "about:" page.
    CBannerPopup(wxWindow* owner, const std::string& pageUrl, int dropWidth);

    const CHtmlBrowser& Browser() const { return m_wndBrowser; }
    const std::string& PageUrl() const { return m_strPageUrl; }
    /// True while shown by the bar, false once the mouse left it.
    bool IsDropped() const { return m_bShown; }
    void Drop();

    static constexpr int kTargetHeight = 410;
    static constexpr int kGrowthStep = 16;
    static constexpr int kGrowthIntervalMs = 50;

private:
    void OnTimer(wxTimerEvent& event);

    CHtmlBrowser m_wndBrowser;
    std::string m_strPageUrl;
    int m_nDropWidth;
    bool m_bShown = true;
    wxTimer m_timer;
};

/// Shows a bar or popup page by its stored URL: a file path as a file:
/// URL, "about:<html>" as that HTML, anything else as given.
void ShowBannerPage(CHtmlBrowser& browser, const std::string& url);
