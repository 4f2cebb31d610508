#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

/// What the X server shows in `rect` (screen pixels), read straight from
/// the root window; the part outside the screen stays black.
wxImage GrabScreen(const wxRect& rect);
