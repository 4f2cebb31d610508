#include "ui/pages/MainPage.h"

#include "ui/frame/CommandIds.h"
#include "ui/controls/ColorButton.h"
#include "ui/controls/WxText.h"
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

// Slots of m_buttons (MainPageButtonRects order).
constexpr size_t kEntrySlot = 0;
constexpr size_t kSponsorSlot = 7;

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

CMainPage::CMainPage(wxWindow* parent, std::function<void(int)> selectTab)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE), m_selectTab(std::move(selectTab))
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
        m_buttons[i] = new wxButton(this, spec.id, spec.caption, wxDefaultPosition, size);
        if (spec.tab >= 0)
            BindToTab(m_buttons[i], spec.tab);
    }
    // Enabled once its owner gives it an action.
    EntryButton()->Disable();

    auto* sponsor = new CColorButton(this, kIdSponsorButton, kSponsorButtonText);
    sponsor->SetColors(*wxWHITE, kRed, *wxWHITE, kRed);
    wxSize sponsorSize = sponsor->GetBestSize();
    sponsorSize.IncTo(wxSize(size.x, 0));
    sponsor->SetSize(sponsorSize);
    BindToTab(sponsor, kTabSponsor);
    m_buttons[kSponsorSlot] = sponsor;

    Bind(wxEVT_SIZE, &CMainPage::OnSize, this);
}

wxButton* CMainPage::EntryButton() const
{
    return static_cast<wxButton*>(m_buttons[kEntrySlot]);
}

CColorButton* CMainPage::SponsorButton() const
{
    return static_cast<CColorButton*>(m_buttons[kSponsorSlot]);
}

void CMainPage::BindToTab(wxWindow* button, int tab)
{
    button->Bind(wxEVT_BUTTON, [this, tab](wxCommandEvent&) { m_selectTab(tab); });
}

void CMainPage::SetEntryAction(std::function<void()> action)
{
    EntryButton()->Bind(wxEVT_BUTTON, [action = std::move(action)](wxCommandEvent&) { action(); });
    EntryButton()->Enable();
}

void CMainPage::SetEntryLabel(const std::string& label)
{
    EntryButton()->SetLabel(ToWx(label));
}

void CMainPage::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const auto rects =
        MainPageButtonRects(GetClientSize(), EntryButton()->GetSize(), SponsorButton()->GetSize());
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetSize(rects[i]);
    Refresh();
}
