#include "ui/controls/ColorButton.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/arrstr.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

constexpr int kEdge = 2;          // pixels of the push-button frame kept free of the fill
constexpr int kLabelPadding = 8;  // DIP around the label in the best size

} // namespace

CColorButton::CColorButton(wxWindow* parent, wxWindowID id, const wxString& label)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxWANTS_CHARS),
      m_timer(this, kHoverTimerId)
{
    SetLabel(label);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize();
    Bind(wxEVT_PAINT, &CColorButton::OnPaint, this);
    Bind(wxEVT_MOTION, &CColorButton::OnMotion, this);
    Bind(wxEVT_ENTER_WINDOW, &CColorButton::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &CColorButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CColorButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CColorButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CColorButton::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &CColorButton::OnHoverTimer, this, kHoverTimerId);
    Bind(wxEVT_KEY_DOWN, &CColorButton::OnKeyDown, this);
    Bind(wxEVT_KEY_UP, &CColorButton::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, &CColorButton::OnFocusChanged, this);
    Bind(wxEVT_KILL_FOCUS, &CColorButton::OnFocusChanged, this);
}

CColorButton::~CColorButton()
{
    m_timer.Stop();
    if (HasCapture())
        ReleaseMouse();
}

void CColorButton::SetColors(const wxColour& text, const wxColour& background, const wxColour& hoverText,
                             const wxColour& hoverBackground)
{
    m_text = text;
    m_background = background;
    m_hoverText = hoverText;
    m_hoverBackground = hoverBackground;
    Refresh();
}

wxSize CColorButton::DoGetBestClientSize() const
{
    wxSize text;
    for (const wxString& line : wxSplit(GetLabel(), '\n', '\0')) {
        text.x = std::max(text.x, GetTextExtent(line).x);
        text.y += GetCharHeight();
    }
    const int pad = FromDIP(kLabelPadding) + kEdge;
    return {text.x + 2 * pad, text.y + 2 * pad};
}

void CColorButton::Click()
{
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

void CColorButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(GetFont());
    const wxRect client = GetClientRect();
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    int flags = 0;
    if (m_bPressed)
        flags |= wxCONTROL_PRESSED;
    if (!IsEnabled())
        flags |= wxCONTROL_DISABLED;
    wxRendererNative::Get().DrawPushButton(this, dc, client, flags);

    wxRect inner = client;
    inner.Deflate(kEdge);
    const bool enabled = IsEnabled();
    // Disabled colours are never set by an owner: the system's face and grey text.
    const wxColour fill = enabled ? FillColour() : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour ink = enabled ? (m_bHovered ? m_hoverText : m_text)
                                 : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(fill));
    dc.DrawRectangle(inner);

    wxRect label = inner;
    if (m_bPressed)
        label.Offset(1, 1);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (!enabled) {
        // Embossed: a light copy one pixel down and right under the grey text.
        wxRect emboss = label;
        emboss.Offset(1, 1);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
        dc.DrawLabel(GetLabel(), emboss, wxALIGN_CENTER);
    }
    dc.SetTextForeground(ink);
    dc.DrawLabel(GetLabel(), label, wxALIGN_CENTER);
    if (HasFocus()) {
        wxRect focus = inner;
        focus.Deflate(FromDIP(2));
        wxRendererNative::Get().DrawFocusRect(this, dc, focus);
    }
}

void CColorButton::OnMotion(wxMouseEvent& event)
{
    if (!m_bHovered) {
        m_bHovered = true;
        Refresh();
        m_timer.Start(kHoverIntervalMs);
    }
    event.Skip();
}

void CColorButton::OnHoverTimer(wxTimerEvent&)
{
    const wxPoint cursor = ScreenToClient(wxGetMousePosition());
    if (GetClientRect().Contains(cursor))
        return;
    m_bHovered = false;
    m_timer.Stop();
    Refresh();
}

void CColorButton::OnLeftDown(wxMouseEvent& event)
{
    if (!IsEnabled())
        return;
    SetFocus();
    m_bPressed = true;
    if (!HasCapture())
        CaptureMouse();
    Refresh();
    event.Skip();
}

void CColorButton::OnLeftUp(wxMouseEvent& event)
{
    if (HasCapture())
        ReleaseMouse();
    const bool wasPressed = m_bPressed;
    m_bPressed = false;
    Refresh();
    if (wasPressed && GetClientRect().Contains(event.GetPosition()))
        Click();
}

void CColorButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bPressed = false;
    Refresh();
}

void CColorButton::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_SPACE:
        m_bPressed = true;
        Refresh();
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        Click();
        break;
    default:
        event.Skip();
    }
}

void CColorButton::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() != WXK_SPACE || !m_bPressed) {
        event.Skip();
        return;
    }
    m_bPressed = false;
    Refresh();
    Click();
}

void CColorButton::OnFocusChanged(wxFocusEvent& event)
{
    // The focus rectangle comes and goes.
    Refresh();
    event.Skip();
}
