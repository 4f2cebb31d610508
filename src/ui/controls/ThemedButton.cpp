#include "ui/controls/ThemedButton.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace {

constexpr int kGlyph = 14;        // pixels of the check or radio glyph
constexpr int kGlyphGap = 6;      // pixels between glyph and text
constexpr int kCorner = 6;        // rounding of push button bodies

wxColour Blend(const wxColour& a, const wxColour& b)
{
    return wxColour((a.Red() + b.Red()) / 2, (a.Green() + b.Green()) / 2, (a.Blue() + b.Blue()) / 2);
}

} // namespace

CThemedButton::CThemedButton(wxWindow* parent, wxWindowID id, const wxString& label, EKind kind)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_kind(kind),
      m_face(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE))
{
    SetLabel(label);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize();
    Bind(wxEVT_PAINT, &CThemedButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CThemedButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CThemedButton::OnLeftDown, this);
    Bind(wxEVT_MOTION, &CThemedButton::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &CThemedButton::OnLeftUp, this);
    Bind(wxEVT_KEY_DOWN, &CThemedButton::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CThemedButton::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) { Refresh(); e.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) { Refresh(); e.Skip(); });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { SetPressed(false); });
}

void CThemedButton::SetCheck(bool checked)
{
    if (checked == m_bChecked)
        return;
    m_bChecked = checked;
    Refresh();
}

void CThemedButton::SetFaceColour(const wxColour& colour)
{
    m_face = colour;
    Refresh();
}

wxSize CThemedButton::DoGetBestClientSize() const
{
    wxSize text = GetTextExtent(GetLabel());
    if (m_kind == kCheck || m_kind == kRadio)
        return wxSize(kGlyph + kGlyphGap + text.x + 4, std::max(text.y, kGlyph) + 6);
    return wxSize(text.x + FromDIP(24), text.y + FromDIP(12));
}

void CThemedButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    wxRect all(GetClientSize());
    dc.SetBackground(wxBrush(m_face));
    dc.Clear();
    dc.SetFont(GetFont());
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
    const bool enabled = IsEnabled();
    dc.SetTextForeground(enabled ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)
                                 : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    const wxSize text = dc.GetTextExtent(GetLabel());
    if (m_kind == kCheck || m_kind == kRadio) {
        const wxRect glyph(0, (all.height - kGlyph) / 2, kGlyph, kGlyph);
        int flags = m_bChecked ? static_cast<int>(wxCONTROL_CHECKED) : 0;
        if (m_bPressed)
            flags |= wxCONTROL_PRESSED;
        if (!enabled)
            flags |= wxCONTROL_DISABLED;
        if (m_kind == kRadio)
            wxRendererNative::Get().DrawRadioBitmap(this, dc, glyph, flags);
        else
            wxRendererNative::Get().DrawCheckBox(this, dc, glyph, flags);
        const wxPoint at(kGlyph + kGlyphGap, (all.height - text.y) / 2);
        dc.DrawText(GetLabel(), at);
        if (HasFocus()) {
            const wxRect focus(at.x - 1, at.y - 1, text.x + 2, text.y + 3);
            wxRendererNative::Get().DrawFocusRect(this, dc, focus.Intersect(all));
        }
        return;
    }
    dc.SetPen(wxPen(m_kind == kFlat ? wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWFRAME) : shadow));
    dc.SetBrush(wxBrush(m_bPressed ? Blend(m_face, shadow) : m_face));
    dc.DrawRoundedRectangle(wxRect(all).Deflate(1), kCorner);
    const wxPoint offset = m_bPressed ? wxPoint(1, 1) : wxPoint(0, 0);
    dc.DrawText(GetLabel(), wxPoint((all.width - text.x) / 2, (all.height - text.y) / 2) + offset);
    if (HasFocus())
        wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(all).Deflate(4));
}

void CThemedButton::SetPressed(bool pressed)
{
    if (pressed == m_bPressed)
        return;
    m_bPressed = pressed;
    Refresh();
}

void CThemedButton::OnLeftDown(wxMouseEvent&)
{
    SetFocus();
    if (!HasCapture())
        CaptureMouse();
    SetPressed(true);
}

void CThemedButton::OnMotion(wxMouseEvent& event)
{
    if (HasCapture())
        SetPressed(wxRect(GetClientSize()).Contains(event.GetPosition()));
}

void CThemedButton::OnLeftUp(wxMouseEvent& event)
{
    if (!HasCapture())
        return;
    ReleaseMouse();
    const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
    SetPressed(false);
    if (inside)
        Click();
}

void CThemedButton::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_SPACE) {
        SetPressed(true);
        return;
    }
    if (m_kind == kRadio && (key == WXK_DOWN || key == WXK_RIGHT || key == WXK_UP || key == WXK_LEFT)) {
        const bool forward = key == WXK_DOWN || key == WXK_RIGHT;
        const wxWindowList& siblings = GetParent()->GetChildren();
        CThemedButton* next = nullptr;
        bool passed = false;
        auto visit = [&](wxWindow* w) {
            if (w == this) {
                passed = true;
                return;
            }
            auto* button = dynamic_cast<CThemedButton*>(w);
            if (!passed && button && button->m_kind == kRadio && button->IsEnabled())
                next = button;
        };
        if (forward)
            for (auto it = siblings.rbegin(); it != siblings.rend(); ++it)
                visit(*it);
        else
            for (wxWindow* w : siblings)
                visit(w);
        if (next) {
            next->SetFocus();
            next->Click();
        }
        return;
    }
    event.Skip();
}

void CThemedButton::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_SPACE && m_bPressed) {
        SetPressed(false);
        Click();
        return;
    }
    event.Skip();
}

void CThemedButton::Click()
{
    if (m_kind == kRadio) {
        for (wxWindow* w : GetParent()->GetChildren())
            if (auto* button = dynamic_cast<CThemedButton*>(w); button && button != this && button->m_kind == kRadio)
                button->SetCheck(false);
        SetCheck(true);
    } else if (m_kind == kCheck) {
        SetCheck(!m_bChecked);
    }
    wxCommandEvent clicked(wxEVT_BUTTON, GetId());
    clicked.SetEventObject(this);
    ProcessWindowEvent(clicked);
}
