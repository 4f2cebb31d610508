#pragma once

#include <wx/bookctrl.h>
#include <wx/control.h>

#include <string>
#include <string_view>
#include <vector>

class CColorTabCtrl;

/// Sent before the selection moves (vetoable) and after it moved; the
/// event's selection is the new tab, its old selection the tab left.
wxDECLARE_EVENT(EVT_COLORTAB_SELCHANGING, wxBookCtrlEvent);
wxDECLARE_EVENT(EVT_COLORTAB_SELCHANGED, wxBookCtrlEvent);

/// A tab's label as drawn: at most its first 127 characters.
std::string TabLabelText(std::string_view text);

/// The main window's tab strip. GTK notebooks cannot be owner-drawn, so the
/// control draws the strip itself: in owner-drawn mode every label is
/// painted in the two colours given to SetColors, otherwise in the system's
/// button colours. The selected tab stands raised above the others. The
/// pages are the owner's children placed in GetDisplayRect(); this control
/// only draws, hit-tests, shows each tab's tooltip and reports selection
/// changes. UI thread only.
class CColorTabCtrl : public wxControl
{
public:
    CColorTabCtrl(wxWindow* parent, wxWindowID id);

    /// Takes effect at the next repaint.
    void SetColors(const wxColour& background, const wxColour& text);
    void SetOwnerDrawn(bool ownerDrawn);
    bool IsOwnerDrawn() const { return m_bOwnerDrawn; }
    const wxColour& TabBackgroundColour() const { return m_background; }
    const wxColour& TabTextColour() const { return m_text; }

    /// Inserts a tab before `index` (at the end when `index` is the count).
    void InsertItem(int index, const std::string& text);
    void SetItemToolTip(int index, const std::string& tip);
    int GetItemCount() const { return static_cast<int>(m_tabs.size()); }
    const std::string& GetItemText(int index) const;
    const std::string& GetItemToolTip(int index) const;
    /// The tab's rectangle in client pixels; the selected tab is drawn a
    /// little larger, but hit-tests by this rectangle too.
    wxRect GetItemRect(int index) const;
    int GetCurSel() const { return m_nSelected; }
    /// The tab under `p` (client pixels), or -1.
    int HitTest(const wxPoint& p) const;
    /// Where the pages go: below the strip, inside the frame, keeping a
    /// margin of kDisplayMargin pixels on the right and at the bottom (as
    /// the platform tab control's display area does).
    wxRect GetDisplayRect() const;
    /// A left-button press at `p` (client pixels): the one path by which
    /// mouse clicks and the Main page's buttons change the selection.
    void ClickAt(const wxPoint& p);

    static constexpr int kDisplayMargin = 5;

protected:
    wxSize DoGetBestClientSize() const override;

private:
    struct STab
    {
        std::string text;
        std::string tip;
    };

    void LayoutTabs();
    int StripHeight() const;
    /// Selects without sending events; returns the previous selection.
    int SetCurSel(int index);
    void ChangeSelectionByUser(int index);
    void UpdateToolTip(int tab);
    void DrawTab(wxDC& dc, int index, bool selected) const;
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnFocusChanged(wxFocusEvent& event);

    std::vector<STab> m_tabs;
    std::vector<wxRect> m_rects;   ///< per tab, client pixels
    int m_nSelected = -1;
    int m_nTipTab = -1;            ///< tab whose tooltip is set, -1 none
    bool m_bOwnerDrawn = false;
    wxColour m_background;
    wxColour m_text;
};
