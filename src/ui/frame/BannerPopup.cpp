#include "ui/frame/BannerPopup.h"

#include "ui/controls/WxText.h"

#include <wx/filename.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

// The designed window, in dialog units; it starts this high and grows.
const wxSize kPopupTemplate(315, 46);

constexpr int kIdPopupBrowser = 1008;
constexpr int kEdgeWidth = 1;
const wxColour kEdgeColour(0x60, 0x60, 0x60);

constexpr std::string_view kAboutPrefix = "about:";

} // namespace

void ShowBannerPage(CHtmlBrowser& browser, const std::string& url)
{
    if (url.starts_with(kAboutPrefix) && url != "about:blank")
        browser.Write(url.substr(kAboutPrefix.size()));
    else if (url.starts_with("/"))
        browser.Load(ToUtf8(wxFileName::FileNameToURL(wxFileName(ToWx(url)))));
    else
        browser.Load(url.empty() ? "about:blank" : url);
}

CBannerPopup::CBannerPopup(wxWindow* owner, const std::string& pageUrl, int dropWidth)
    : wxFrame(owner, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
              wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT | wxBORDER_NONE),
      m_strPageUrl(pageUrl), m_nDropWidth(dropWidth), m_timer(this)
{
    SetClientSize(m_nDropWidth, ConvertDialogToPixels(kPopupTemplate).y);
    // A thin dark edge keeps a white page apart from the window under it.
    auto* edge = new wxPanel(this);
    edge->SetBackgroundColour(kEdgeColour);
    m_wndBrowser.Create(edge, kIdPopupBrowser, nullptr);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_wndBrowser.View(), wxSizerFlags(1).Expand().Border(wxALL, kEdgeWidth));
    edge->SetSizer(sizer);
    ShowBannerPage(m_wndBrowser, m_strPageUrl);
    Bind(wxEVT_TIMER, &CBannerPopup::OnTimer, this);
    m_timer.Start(kGrowthIntervalMs);
}

void CBannerPopup::Drop()
{
    m_bShown = true;
    if (!IsShown())
        ShowWithoutActivating();
    Raise();
}

void CBannerPopup::OnTimer(wxTimerEvent&)
{
    if (!IsShown())
        return;
    const wxSize size = GetSize();
    if (size.y < kTargetHeight)
        SetSize(m_nDropWidth, std::min(size.y + kGrowthStep, kTargetHeight));
    if (!GetScreenRect().Contains(wxGetMousePosition())) {
        Hide();
        m_bShown = false;
    }
}
