#pragma once

#include <wx/stattext.h>

/// A static text with its own colours: the button-text colour on a
/// background of the owner's choosing (the nutrition panel's white).
/// UI thread only.
class CColorStatic : public wxStaticText
{
public:
    CColorStatic(wxWindow* parent, const wxString& label, long style = 0);

    /// wxNullColour means the system's button face.
    void SetBkColor(const wxColour& colour);
};
