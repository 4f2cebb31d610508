#include "ui/controls/SeparatorLine.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

CSeparatorLine::CSeparatorLine(wxWindow* parent, int thickness)
    : wxControl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_nThickness(thickness)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSeparatorLine::OnPaint, this);
}

wxSize CSeparatorLine::DoGetBestClientSize() const
{
    return wxSize(-1, m_nThickness == 2 ? 2 : m_nThickness + 1);
}

bool CSeparatorLine::AcceptsFocus() const
{
    return false;
}

void CSeparatorLine::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const wxSize size = GetClientSize();
    const bool horizontal = size.x >= size.y;
    const int length = (horizontal ? size.x : size.y) - m_nInset;
    const int across = horizontal ? size.y : size.x;
    auto line = [&](int at, const wxColour& colour) {
        dc.SetPen(wxPen(colour));
        if (horizontal)
            dc.DrawLine(m_nInset, at, length, at);
        else
            dc.DrawLine(at, m_nInset, at, length);
    };
    if (m_nStyle == 0 || m_nThickness == 2) {
        const int centre = across / 2 - 1;
        line(centre, m_nStyle == 0 ? wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW) : m_lineColour);
        line(centre + 1, m_nStyle == 0 ? wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT) : m_lineColour);
        return;
    }
    const int centre = (across - m_nThickness - 1) / 2;
    for (int i = 0; i <= m_nThickness; ++i)
        line(centre + i, m_lineColour);
}
