#include "ui/frame/BannerBar.h"

#include "ui/controls/WxText.h"
#include "ui/frame/BannerPopup.h"
#include "ui/frame/CommandIds.h"

#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/utils.h>

namespace {

// The bar's designed size in dialog units; only its height is used, the
// width follows the frame.
const wxSize kBarSize(426, 40);

constexpr int kLabelY = 10;
constexpr int kListY = 30;

constexpr const char* kChannelLabel = "Current Channel";
constexpr const char* kBannerLabel = "Current Banner";

void FillChoice(wxChoice* choice, const std::vector<std::string>& names, int selected)
{
    wxArrayString items;
    for (const auto& name : names)
        items.Add(ToWx(name));
    choice->Set(items);
    if (selected >= 0 && selected < static_cast<int>(names.size()))
        choice->SetSelection(selected);
}

bool SameBanner(const SBannerView& a, const SBannerView& b)
{
    return a.id == b.id && a.barUrl == b.barUrl && a.popupPageUrl == b.popupPageUrl && a.downloading == b.downloading;
}

} // namespace

void CBannerBar::CSink::ShowAppBanner(const SBannerBarState& state)
{
    std::lock_guard lock(m_mutex);
    if (m_pBar)
        m_pBar->CallAfter([bar = m_pBar, state] {
            bar->TakeBanner(state.current);
            bar->FillBanners(state);
        });
}

void CBannerBar::CSink::ChannelsChanged(const SBannerBarState& state)
{
    std::lock_guard lock(m_mutex);
    if (m_pBar)
        m_pBar->CallAfter([bar = m_pBar, state] { bar->FillChannels(state); });
}

void CBannerBar::CSink::Detach()
{
    std::lock_guard lock(m_mutex);
    m_pBar = nullptr;
}

CBannerBar::CBannerBar(wxWindow* parent, CBannerCatalogue& catalogue)
    : wxPanel(parent, wxID_ANY), m_pCatalogue(&catalogue), m_pSink(std::make_unique<CSink>(this)),
      m_rotationTimer(this), m_hoverTimer(this)
{
    SetMinSize(wxSize(-1, ConvertDialogToPixels(kBarSize).y));
    CreateControls();
    // Registered before the state is read, so no change falls between the two.
    m_pCatalogue->SetSink(m_pSink.get());
    const SBannerBarState state = m_pCatalogue->BarState();
    FillChannels(state);
    FillBanners(state);
    m_lastSwitch = std::chrono::steady_clock::now();
    TakeBanner(state.current);

    Bind(wxEVT_SIZE, &CBannerBar::OnSize, this);
    Bind(wxEVT_TIMER, &CBannerBar::OnRotationTimer, this, m_rotationTimer.GetId());
    Bind(wxEVT_TIMER, &CBannerBar::OnHoverTimer, this, m_hoverTimer.GetId());
    m_pChannelList->Bind(wxEVT_CHOICE, &CBannerBar::OnChannelChosen, this);
    m_pBannerList->Bind(wxEVT_CHOICE, &CBannerBar::OnBannerChosen, this);
    m_rotationTimer.Start(kRotationIntervalMs);
    m_hoverTimer.Start(kHoverIntervalMs);
}

CBannerBar::~CBannerBar()
{
    Detach();
}

void CBannerBar::Detach()
{
    if (!m_pCatalogue)
        return;
    m_pCatalogue->SetSink(nullptr);
    m_pSink->Detach();
    m_pCatalogue = nullptr;
    m_rotationTimer.Stop();
    m_hoverTimer.Stop();
}

void CBannerBar::CreateControls()
{
    const int height = GetMinSize().y;
    m_wndBrowser.Create(this, kIdBannerBrowser, [this] { OnDocumentComplete(); });
    m_wndBrowser.View()->SetSize(kBrowserWidth, height);
    const auto makeList = [this](wxStaticText*& label, wxChoice*& list, int id, const char* text) {
        label = new wxStaticText(this, wxID_ANY, text, wxDefaultPosition, wxSize(kListWidth, -1),
                                 wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
        list = new wxChoice(this, id, wxPoint(0, kListY), wxSize(kListWidth, -1));
        // The label's text names the list for screen readers and tools.
        list->SetName(text);
        list->SetToolTip(text);
    };
    makeList(m_pBannerLabel, m_pBannerList, kIdBannerList, kBannerLabel);
    makeList(m_pChannelLabel, m_pChannelList, kIdChannelList, kChannelLabel);
}

wxRect CBannerBar::HotSpot() const
{
    const wxRect browser = m_wndBrowser.View()->GetScreenRect();
    const int side = browser.height / 2;
    return {browser.GetRight() + 1 - side, browser.y, side, side};
}

void CBannerBar::TakeBanner(const std::optional<SBannerView>& banner)
{
    if (banner && m_current && SameBanner(*banner, *m_current))
        return;
    const bool samePopup = banner && m_current && banner->popupPageUrl == m_current->popupPageUrl;
    m_current = banner;
    m_lastSwitch = std::chrono::steady_clock::now();
    // A popup always shows the page of the banner the bar shows.
    if (m_pPopup && !samePopup)
        m_pPopup->Destroy();
    if (m_current)
        ShowBannerPage(m_wndBrowser, m_current->barUrl);
    else
        m_wndBrowser.Write(kEmptyBannerText);
}

void CBannerBar::FillChannels(const SBannerBarState& state)
{
    FillChoice(m_pChannelList, state.channelNames, state.appChannel >= 0 ? state.appChannel : 0);
}

void CBannerBar::FillBanners(const SBannerBarState& state)
{
    FillChoice(m_pBannerList, state.bannerNames, state.appBanner);
}

void CBannerBar::OnDocumentComplete()
{
    // A load the bar did not ask for (the first blank page, a reload).
    if (!m_current)
        m_wndBrowser.Write(kEmptyBannerText);
}

void CBannerBar::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const wxSize bar = GetClientSize();
    const wxSize browser = m_wndBrowser.View()->GetSize();
    m_wndBrowser.View()->Move((bar.x - browser.x) / 2, (bar.y - browser.y) / 2);
    // Each list and its label stand centred in the margin beside the web view.
    const int margin = (bar.x - browser.x) / 2;
    const int left = (margin - kListWidth) / 2;
    const int right = bar.x - (margin - kListWidth) / 2 - kListWidth;
    m_pBannerLabel->Move(left, kLabelY);
    m_pBannerList->Move(left, kListY);
    m_pChannelLabel->Move(right, kLabelY);
    m_pChannelList->Move(right, kListY);
}

void CBannerBar::OnRotationTimer(wxTimerEvent&)
{
    if (!m_current || m_current->duration <= 0)
        return;
    const auto shown = std::chrono::steady_clock::now() - m_lastSwitch;
    if (shown <= std::chrono::seconds(m_current->duration))
        return;
    m_lastSwitch = std::chrono::steady_clock::now();
    if (const auto next = m_pCatalogue->NextAppBanner())
        TakeBanner(next);
    FillBanners(m_pCatalogue->BarState());
}

void CBannerBar::OnChannelChosen(wxCommandEvent&)
{
    if (!m_pCatalogue)
        return;
    m_pCatalogue->SelectAppChannel(m_pChannelList->GetSelection());
    const SBannerBarState state = m_pCatalogue->BarState();
    FillChannels(state);
    FillBanners(state);
    TakeBanner(state.current);
}

void CBannerBar::OnBannerChosen(wxCommandEvent&)
{
    if (!m_pCatalogue)
        return;
    m_pCatalogue->SelectAppBanner(m_pBannerList->GetSelection());
    const SBannerBarState state = m_pCatalogue->BarState();
    FillBanners(state);
    TakeBanner(state.current);
}

void CBannerBar::OnHoverTimer(wxTimerEvent&)
{
    if (!m_current || m_current->downloading || (m_current->flags & kBannerNoPopup) || !IsShownOnScreen())
        return;
    if (m_pPopup && m_pPopup->IsDropped())
        return;
    if (HotSpot().Contains(wxGetMousePosition()))
        DropPopup();
}

void CBannerBar::DropPopup()
{
    if (!m_pPopup)
        m_pPopup = new CBannerPopup(this, m_current->popupPageUrl, m_current->dropWidth);
    m_pPopup->Move(m_wndBrowser.View()->GetScreenPosition());
    m_pPopup->Drop();
}
