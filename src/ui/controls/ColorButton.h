#pragma once

#include <wx/control.h>
#include <wx/timer.h>

/// A push button drawn in its own text and background colours, lit in the
/// hover colours while the mouse is over it. The button never captures the
/// mouse for hovering: a 10 ms timer notices when the cursor has left.
/// Sends wxEVT_BUTTON with its id when clicked (mouse, space or Enter).
/// UI thread only.
class CColorButton : public wxControl
{
public:
    CColorButton(wxWindow* parent, wxWindowID id, const wxString& label);
    ~CColorButton() override;

    /// Stores the four colours; the button repaints.
    void SetColors(const wxColour& text, const wxColour& background, const wxColour& hoverText,
                   const wxColour& hoverBackground);
    bool IsHovered() const { return m_bHovered; }
    bool IsPressed() const { return m_bPressed; }
    const wxColour& FillColour() const { return m_bHovered ? m_hoverBackground : m_background; }
    bool IsHoverTimerRunning() const { return m_timer.IsRunning(); }

    bool AcceptsFocus() const override { return IsEnabled(); }

    static constexpr int kHoverTimerId = 1;
    static constexpr int kHoverIntervalMs = 10;

protected:
    wxSize DoGetBestClientSize() const override;

private:
    void Click();
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnHoverTimer(wxTimerEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnFocusChanged(wxFocusEvent& event);

    wxColour m_text{*wxBLACK};
    wxColour m_background{*wxWHITE};
    wxColour m_hoverText{*wxBLACK};
    wxColour m_hoverBackground{*wxWHITE};
    wxTimer m_timer;
    bool m_bHovered = false;
    bool m_bPressed = false;   ///< mouse button or space bar held down on it
};
