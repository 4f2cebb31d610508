#include "app/MainPage.h"

#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/WxText.h"
#include "controls/ColorButton.h"
#include "diet/NextDay.h"

#include <wx/button.h>

#include <algorithm>

namespace {

struct SButtonSpec
{
    int id;
    const char* caption;
    int tab;   ///< the tab the button selects, -1 for the entry button
};

constexpr std::array<SButtonSpec, 7> kPlainButtons = {{
    {kIdEntryButton, kStartingInfoLabel, -1},
    {kIdPastInfoButton, "Past Info", kTabPastInfo},
    {kIdStatusButton, "Status", kTabStatus},
    {kIdSummaryButton, "Summary", kTabSummary},
    {kIdGraphButton, "Graph", kTabGraph},
    {kIdCarbInfoButton, "Carb info", kTabCarbInfo},
    {kIdPellawareButton, "Pellaware", kTabPellaware},
}};

const wxColour kRed(0xFF, 0x00, 0x00);

} // namespace

std::array<wxRect, 8> MainPageButtonRects(wxSize page, wxSize button, wxSize sponsorButton)
{
    const int w = button.x;
    const int h = button.y;
    int left = 0;
    int right = 0;
    if (page.x > 2 * w) {
        const int g = (page.x - 2 * w) / 3;
        left = g;
        right = 2 * g + w;
    }
    std::array<int, 4> rows{};
    if (page.y > 4 * h) {
        const int g = (page.y - 4 * h) / 5;
        for (int r = 0; r < 4; ++r)
            rows[static_cast<size_t>(r)] = (r + 1) * g + r * h;
    }
    std::array<wxRect, 8> rects;
    for (size_t i = 0; i < 7; ++i)
        rects[i] = wxRect(i % 2 == 0 ? left : right, rows[i / 2], w, h);
    rects[7] = wxRect(right - (sponsorButton.x - w) / 2, rows[3] - (sponsorButton.y - h) / 2, sponsorButton.x,
                      sponsorButton.y);
    return rects;
}

CMainPage::CMainPage(wxWindow* parent, CChildView& view)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE), m_pView(&view)
{
    SetLabel("Main");
    SetBackgroundColour(*wxWHITE);

    // Every plain button takes the entry button's size, wide enough for the
    // longest of its three labels.
    wxSize size(FromDIP(150), FromDIP(36));
    for (const char* label : {kStartingInfoLabel, kTodaysInfoLabel, kMissingInfoLabel})
        size.IncTo(GetTextExtent(label) + FromDIP(wxSize(32, 16)));
    for (size_t i = 0; i < kPlainButtons.size(); ++i) {
        const SButtonSpec& spec = kPlainButtons[i];
        auto* button = new wxButton(this, spec.id, spec.caption, wxDefaultPosition, size);
        m_buttons[i] = button;
        if (spec.tab >= 0)
            button->Bind(wxEVT_BUTTON, &CMainPage::OnTabButton, this);
    }
    m_pEntryButton = static_cast<wxButton*>(m_buttons[0]);
    // The Day Info dialog it opens is not part of this version yet.
    m_pEntryButton->Disable();

    m_pSponsorButton = new CColorButton(this, kIdSponsorButton, kSponsorButtonText);
    m_pSponsorButton->SetColors(*wxWHITE, kRed, *wxWHITE, kRed);
    wxSize sponsorSize = m_pSponsorButton->GetBestSize();
    sponsorSize.IncTo(wxSize(size.x, 0));
    m_pSponsorButton->SetSize(sponsorSize);
    m_pSponsorButton->Bind(wxEVT_BUTTON, &CMainPage::OnTabButton, this);
    m_buttons[7] = m_pSponsorButton;

    Bind(wxEVT_SIZE, &CMainPage::OnSize, this);
}

void CMainPage::SetEntryLabel(const std::string& label)
{
    m_pEntryButton->SetLabel(ToWx(label));
}

void CMainPage::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const auto rects =
        MainPageButtonRects(GetClientSize(), m_pEntryButton->GetSize(), m_pSponsorButton->GetSize());
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetSize(rects[i]);
    Refresh();
}

void CMainPage::OnTabButton(wxCommandEvent& event)
{
    for (const auto& spec : kPlainButtons)
        if (spec.id == event.GetId())
            m_pView->ClickTab(spec.tab);
    if (event.GetId() == kIdSponsorButton)
        m_pView->ClickTab(kTabSponsor);
}
