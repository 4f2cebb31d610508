#pragma once

#include <wx/bmpbndl.h>

/// The grid's two 16 by 16 check-box images (0 empty, 1 ticked), drawn
/// once. UI thread only.
const wxBitmapBundle& CheckBoxImage(int image);
