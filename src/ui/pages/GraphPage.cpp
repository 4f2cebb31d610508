#include "ui/pages/GraphPage.h"

#include "ui/frame/ChildView.h"
#include "ui/controls/WxText.h"

#include <wx/dcbuffer.h>
#include <wx/frame.h>

#include <variant>

namespace {

wxColour ToColour(const SRgb& rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

wxRect ToRect(const SGraphRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

void Fill(wxDC& dc, const SGraphRect& rect, const SRgb& colour)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ToColour(colour)));
    dc.DrawRectangle(ToRect(rect));
}

void Text(wxDC& dc, const SGraphText& text)
{
    dc.DrawText(ToWx(text.text), text.at.x, text.at.y);
}

} // namespace

CGraphPage::CGraphPage(wxWindow* parent, CChildView& view)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_pView(&view)
{
    SetLabel("Graph");
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CGraphPage::OnPaint, this);
    Bind(wxEVT_MOTION, &CGraphPage::OnMotion, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh();
        event.Skip();
    });
}

CProgressGraph CGraphPage::Graph() const
{
    const wxSize size = GetClientSize();
    return CProgressGraph(m_pView->Model(), size.x, size.y,
                          [this](const std::string& text) { return GetTextExtent(ToWx(text)).x; });
}

int CGraphPage::HitTestDay(const wxPoint& p) const
{
    return Graph().HitTestDay({p.x, p.y});
}

void CGraphPage::DrawGraph(wxDC& dc) const
{
    const CProgressGraph graph = Graph();
    dc.SetFont(GetFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (const SGraphShape& shape : graph.DrawGraph()) {
        std::visit(
            [&dc](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, SGraphFill>) {
                    Fill(dc, s.rect, s.colour);
                } else if constexpr (std::is_same_v<T, SGraphOutline>) {
                    dc.SetPen(wxPen(ToColour(s.colour)));
                    dc.SetBrush(*wxTRANSPARENT_BRUSH);
                    dc.DrawRectangle(ToRect(s.rect));
                } else if constexpr (std::is_same_v<T, SGraphLine>) {
                    dc.SetPen(wxPen(ToColour(s.colour)));
                    dc.DrawLine(s.from.x, s.from.y, s.to.x, s.to.y);
                } else if constexpr (std::is_same_v<T, SGraphDots>) {
                    dc.SetPen(wxPen(ToColour(s.colour)));
                    for (const int y : s.ys)
                        dc.DrawPoint(s.x, y);
                } else {
                    Text(dc, s);
                }
            },
            shape);
    }
    // The panel is drawn on every paint too, so a repaint does not wipe it.
    const SHoverPanel panel = graph.HoverPanel(m_nPanelDay);
    Fill(dc, panel.rect, kGraphBackground);
    for (const auto& text : panel.texts)
        Text(dc, text);
}

void CGraphPage::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    DrawGraph(dc);
}

void CGraphPage::SetTooltipActive(bool active)
{
    // Every motion over the same point asks again; the tooltip is set once.
    if (active == IsTooltipActive())
        return;
    if (active)
        SetToolTip(ToWx(CProgressGraph::TooltipText(m_nHoverDay)));
    else
        UnsetToolTip();
}

void CGraphPage::OnMotion(wxMouseEvent& event)
{
    event.Skip();
    const CProgressGraph graph = Graph();
    const int hit = graph.HitTestDay({event.GetX(), event.GetY()});
    if (hit == -1 || hit != m_nHoverDay) {
        SetTooltipActive(false);
        if (auto* frame = wxDynamicCast(wxGetTopLevelParent(this), wxFrame); frame && frame->GetStatusBar())
            frame->SetStatusText(wxString(), 0);
    }
    if (hit != m_nPanelDay) {
        m_nPanelDay = hit;
        RefreshRect(ToRect(graph.HoverPanel(hit).rect));
    }
    if (hit != -1) {
        m_nHoverDay = hit;
        SetTooltipActive(true);
    }
}
