#pragma once

#include "reports/ProgressGraph.h"

#include <wx/panel.h>

class CChildView;

/// Tab 4, "Graph": paints the progress graph that the core computes, and
/// while the mouse is on a day's point shows that day's details in the panel
/// beside the chart with the "Day xxx" tooltip. Painted double-buffered from
/// the current day list on every paint. UI thread only.
class CGraphPage : public wxPanel
{
public:
    CGraphPage(wxWindow* parent, CChildView& view);

    /// The graph for the page's current client size and font.
    CProgressGraph Graph() const;
    /// Paints the chart and the detail panel of PanelDay() on `dc`.
    void DrawGraph(wxDC& dc) const;
    /// The day whose point is within one pixel of `p` (client pixels), or -1.
    int HitTestDay(const wxPoint& p) const;

    /// The last day the mouse was on (-1 before any); kept when the mouse
    /// leaves the point, as the tooltip relies on it.
    int HoverDay() const { return m_nHoverDay; }
    /// The day whose details the panel shows, -1 for an empty panel.
    int PanelDay() const { return m_nPanelDay; }
    bool IsTooltipActive() const { return GetToolTip() != nullptr; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void SetTooltipActive(bool active);

    CChildView* m_pView;   ///< outlives the page
    int m_nHoverDay = -1;
    int m_nPanelDay = -1;
};
