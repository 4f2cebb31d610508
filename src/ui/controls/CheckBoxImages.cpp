#include "ui/controls/CheckBoxImages.h"

#include <wx/dcmemory.h>
#include <wx/pen.h>

#include <array>

namespace {

wxBitmapBundle Draw(bool ticked)
{
    wxBitmap bitmap(16, 16, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetPen(wxPen(wxColour(64, 64, 64)));
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(1, 1, 14, 14);
        if (ticked) {
            dc.SetPen(wxPen(*wxBLACK, 2));
            dc.DrawLine(4, 8, 7, 11);
            dc.DrawLine(7, 11, 12, 4);
        }
    }
    return wxBitmapBundle(bitmap);
}

} // namespace

const wxBitmapBundle& CheckBoxImage(int image)
{
    static const std::array<wxBitmapBundle, 2> images{Draw(false), Draw(true)};
    return images[image == 1 ? 1 : 0];
}
