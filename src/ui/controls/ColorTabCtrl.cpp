#include "ui/controls/ColorTabCtrl.h"

#include "base/Utf8.h"
#include "ui/controls/WxText.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_COLORTAB_SELCHANGING, wxBookCtrlEvent);
wxDEFINE_EVENT(EVT_COLORTAB_SELCHANGED, wxBookCtrlEvent);

namespace {

constexpr size_t kMaxLabelCharacters = 127;   // 128 with the terminator, as the platform reads it
constexpr int kTabPaddingX = 10;              // DIP, each side of the label
constexpr int kTabPaddingY = 4;               // DIP, above and below the label
constexpr int kStripInset = 2;                // pixels the selected tab rises above the others
constexpr int kFrameWidth = 2;

} // namespace

std::string TabLabelText(std::string_view text)
{
    return std::string(Utf8Prefix(text, kMaxLabelCharacters));
}

CColorTabCtrl::CColorTabCtrl(wxWindow* parent, wxWindowID id)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxCLIP_CHILDREN | wxWANTS_CHARS),
      m_background(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)),
      m_text(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CColorTabCtrl::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CColorTabCtrl::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CColorTabCtrl::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CColorTabCtrl::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &CColorTabCtrl::OnLeave, this);
    Bind(wxEVT_KEY_DOWN, &CColorTabCtrl::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, &CColorTabCtrl::OnFocusChanged, this);
    Bind(wxEVT_KILL_FOCUS, &CColorTabCtrl::OnFocusChanged, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh();
        event.Skip();
    });
}

void CColorTabCtrl::SetColors(const wxColour& background, const wxColour& text)
{
    m_background = background;
    m_text = text;
    Refresh();
}

void CColorTabCtrl::SetOwnerDrawn(bool ownerDrawn)
{
    m_bOwnerDrawn = ownerDrawn;
    Refresh();
}

void CColorTabCtrl::InsertItem(int index, const std::string& text)
{
    index = std::clamp(index, 0, GetItemCount());
    m_tabs.insert(m_tabs.begin() + index, STab{text, {}});
    if (m_nSelected < 0)
        m_nSelected = 0;
    else if (index <= m_nSelected)
        ++m_nSelected;
    LayoutTabs();
    Refresh();
}

void CColorTabCtrl::SetItemToolTip(int index, const std::string& tip)
{
    if (index >= 0 && index < GetItemCount())
        m_tabs[static_cast<size_t>(index)].tip = tip;
}

const std::string& CColorTabCtrl::GetItemText(int index) const
{
    return m_tabs.at(static_cast<size_t>(index)).text;
}

const std::string& CColorTabCtrl::GetItemToolTip(int index) const
{
    return m_tabs.at(static_cast<size_t>(index)).tip;
}

int CColorTabCtrl::StripHeight() const
{
    return GetCharHeight() + 2 * FromDIP(kTabPaddingY) + kStripInset;
}

void CColorTabCtrl::LayoutTabs()
{
    m_rects.clear();
    int x = kStripInset;
    const int height = StripHeight() - kStripInset;
    for (const auto& tab : m_tabs) {
        const int width = GetTextExtent(ToWx(TabLabelText(tab.text))).x + 2 * FromDIP(kTabPaddingX);
        m_rects.emplace_back(x, kStripInset, width, height);
        x += width;
    }
}

wxRect CColorTabCtrl::GetItemRect(int index) const
{
    if (index < 0 || index >= GetItemCount())
        return {};
    return m_rects[static_cast<size_t>(index)];
}

int CColorTabCtrl::SetCurSel(int index)
{
    const int previous = m_nSelected;
    if (index >= 0 && index < GetItemCount() && index != m_nSelected) {
        m_nSelected = index;
        Refresh();
    }
    return previous;
}

int CColorTabCtrl::HitTest(const wxPoint& p) const
{
    for (size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].Contains(p))
            return static_cast<int>(i);
    return -1;
}

wxRect CColorTabCtrl::GetDisplayRect() const
{
    const wxSize size = GetClientSize();
    const int top = StripHeight();
    return {kStripInset, top, std::max(0, size.x - 2 * kStripInset - kDisplayMargin),
            std::max(0, size.y - top - kStripInset - kDisplayMargin)};
}

wxSize CColorTabCtrl::DoGetBestClientSize() const
{
    const int width = m_rects.empty() ? FromDIP(100) : m_rects.back().GetRight() + 1 + kStripInset;
    return {width, StripHeight() + FromDIP(100)};
}

void CColorTabCtrl::ClickAt(const wxPoint& p)
{
    if (AcceptsFocus())
        SetFocus();
    const int tab = HitTest(p);
    if (tab >= 0 && tab != m_nSelected)
        ChangeSelectionByUser(tab);
}

void CColorTabCtrl::ChangeSelectionByUser(int index)
{
    wxBookCtrlEvent changing(EVT_COLORTAB_SELCHANGING, GetId(), index, m_nSelected);
    changing.SetEventObject(this);
    if (ProcessWindowEvent(changing) && !changing.IsAllowed())
        return;
    const int previous = SetCurSel(index);
    wxBookCtrlEvent changed(EVT_COLORTAB_SELCHANGED, GetId(), index, previous);
    changed.SetEventObject(this);
    ProcessWindowEvent(changed);
}

void CColorTabCtrl::UpdateToolTip(int tab)
{
    if (tab == m_nTipTab)
        return;
    m_nTipTab = tab;
    if (tab >= 0 && !m_tabs[static_cast<size_t>(tab)].tip.empty())
        SetToolTip(ToWx(m_tabs[static_cast<size_t>(tab)].tip));
    else
        UnsetToolTip();
}

void CColorTabCtrl::OnLeftDown(wxMouseEvent& event)
{
    ClickAt(event.GetPosition());
}

void CColorTabCtrl::OnMotion(wxMouseEvent& event)
{
    UpdateToolTip(HitTest(event.GetPosition()));
    event.Skip();
}

void CColorTabCtrl::OnLeave(wxMouseEvent& event)
{
    UpdateToolTip(-1);
    event.Skip();
}

void CColorTabCtrl::OnKeyDown(wxKeyEvent& event)
{
    const int count = GetItemCount();
    switch (event.GetKeyCode()) {
    case WXK_LEFT:
        if (m_nSelected > 0)
            ChangeSelectionByUser(m_nSelected - 1);
        break;
    case WXK_RIGHT:
        if (m_nSelected + 1 < count)
            ChangeSelectionByUser(m_nSelected + 1);
        break;
    default:
        event.Skip();
    }
}

void CColorTabCtrl::OnFocusChanged(wxFocusEvent& event)
{
    Refresh();
    event.Skip();
}

void CColorTabCtrl::DrawTab(wxDC& dc, int index, bool selected) const
{
    wxRect rect = m_rects[static_cast<size_t>(index)];
    if (selected) {
        // Raised: wider on both sides, up to the top, down over the frame line.
        rect.Inflate(kStripInset, 0);
        rect.SetTop(0);
        rect.SetHeight(StripHeight() + kFrameWidth);
    }
    const wxColour fill = m_bOwnerDrawn ? m_background : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour ink = m_bOwnerDrawn ? m_text : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);

    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(fill));
    dc.DrawRectangle(rect);
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetLeft(), rect.GetTop());
    dc.DrawLine(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetTop());
    dc.DrawLine(rect.GetRight(), rect.GetTop(), rect.GetRight(), rect.GetBottom() + (selected ? 0 : 1));
    if (!selected) {
        dc.SetPen(wxPen(light));
        dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetRight() + 1, rect.GetBottom());
    }

    // Centred across, standing at the top of the tab.
    const wxString label = ToWx(TabLabelText(m_tabs[static_cast<size_t>(index)].text));
    const wxSize extent = dc.GetTextExtent(label);
    const int textTop = m_rects[static_cast<size_t>(index)].GetTop() + FromDIP(kTabPaddingY) - (selected ? 1 : 0);
    dc.SetTextForeground(ink);
    dc.SetTextBackground(fill);
    dc.DrawText(label, rect.GetLeft() + (rect.GetWidth() - extent.x) / 2, textTop);
    if (selected && HasFocus()) {
        wxRect focus(rect.GetLeft() + (rect.GetWidth() - extent.x) / 2 - 2, textTop - 1, extent.x + 4, extent.y + 2);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(ink, 1, wxPENSTYLE_DOT));
        dc.DrawRectangle(focus);
    }
}

void CColorTabCtrl::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(GetFont());
    const wxSize size = GetClientSize();
    const wxColour face = GetParent()->GetBackgroundColour();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(0, 0, size.x, size.y);

    // The frame around the display area, lit from the top left.
    const int top = StripHeight();
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, top, size.x, size.y - top);
    dc.SetPen(wxPen(light));
    dc.DrawLine(1, top + 1, size.x - 1, top + 1);
    dc.DrawLine(1, top + 1, 1, size.y - 1);

    for (int i = 0; i < GetItemCount(); ++i)
        if (i != m_nSelected)
            DrawTab(dc, i, false);
    if (m_nSelected >= 0)
        DrawTab(dc, m_nSelected, true);
}
