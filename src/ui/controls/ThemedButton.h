#pragma once

#include <wx/control.h>

/// A self-drawn button: push button (kind 0), check box (1), radio button
/// (2) or a flat push button (3). Clicks go to the parent as wxEVT_BUTTON
/// with the control's id. The space bar presses it; on radio buttons the
/// arrow keys move the check through the group (the radio siblings of the
/// same parent). UI thread only.
class CThemedButton : public wxControl
{
public:
    enum EKind { kPush = 0, kCheck = 1, kRadio = 2, kFlat = 3 };

    CThemedButton(wxWindow* parent, wxWindowID id, const wxString& label, EKind kind = kPush);

    bool GetCheck() const { return m_bChecked; }
    /// Repaints only when the state changes.
    void SetCheck(bool checked);
    /// The face colour, also the background fill (the picker sets white).
    void SetFaceColour(const wxColour& colour);

    bool AcceptsFocus() const override { return IsEnabled(); }

protected:
    wxSize DoGetBestClientSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    /// Checks this button (unchecking the group for radio buttons) and tells the parent.
    void Click();
    void SetPressed(bool pressed);

    EKind m_kind;
    bool m_bPressed = false;
    bool m_bChecked = false;
    wxColour m_face;
};

/// The check and radio variant: a CThemedButton of kind 2.
class CThemedCheckButton : public CThemedButton
{
public:
    CThemedCheckButton(wxWindow* parent, wxWindowID id, const wxString& label)
        : CThemedButton(parent, id, label, kRadio)
    {
    }
};
