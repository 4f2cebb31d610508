#include "ui/controls/ColorStatic.h"

#include <wx/settings.h>

CColorStatic::CColorStatic(wxWindow* parent, const wxString& label, long style)
    : wxStaticText(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, style)
{
    SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    SetBkColor(wxNullColour);
}

void CColorStatic::SetBkColor(const wxColour& colour)
{
    SetBackgroundColour(colour.IsOk() ? colour : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    Refresh();
}
