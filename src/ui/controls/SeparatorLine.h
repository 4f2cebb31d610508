#pragma once

#include <wx/control.h>

/// A rule or bar: horizontal when at least as wide as tall. Thickness 2
/// (or the etched style 0) draws two one-pixel lines; any other thickness
/// a bar of thickness + 1 lines. UI thread only.
class CSeparatorLine : public wxControl
{
public:
    explicit CSeparatorLine(wxWindow* parent, int thickness = 2);

    int m_nStyle = 1;                 ///< 0 etched, else drawn in m_lineColour
    wxColour m_lineColour = *wxBLACK;
    int m_nThickness = 2;             ///< pixels
    int m_nInset = 0;                 ///< pixels left free at both ends

    bool AcceptsFocus() const override;

protected:
    wxSize DoGetBestClientSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
};
