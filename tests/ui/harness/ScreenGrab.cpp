// Kept apart: Xlib's macros (None, Status, Bool) must not meet other headers.
#include "harness/ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

struct SDisplayCloser
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// wx's own screen DC can hand back pixels from before the latest paint, so
// the tests ask the X server directly, on a connection of their own.
Display* TestDisplay()
{
    static std::unique_ptr<Display, SDisplayCloser> display(XOpenDisplay(nullptr));
    return display.get();
}

int Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const unsigned long max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

} // namespace

wxImage GrabScreen(const wxRect& rect)
{
    wxImage image(rect.width, rect.height, true);
    Display* display = TestDisplay();
    if (!display || rect.width <= 0 || rect.height <= 0)
        return image;
    XSync(display, False);
    const wxRect screen(0, 0, DisplayWidth(display, DefaultScreen(display)),
                        DisplayHeight(display, DefaultScreen(display)));
    const wxRect part = rect.Intersect(screen);
    if (part.IsEmpty())
        return image;
    XImage* shot = XGetImage(display, DefaultRootWindow(display), part.x, part.y, static_cast<unsigned>(part.width),
                             static_cast<unsigned>(part.height), AllPlanes, ZPixmap);
    if (!shot)
        return image;
    for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.SetRGB(part.x - rect.x + x, part.y - rect.y + y,
                         static_cast<unsigned char>(Channel(pixel, shot->red_mask)),
                         static_cast<unsigned char>(Channel(pixel, shot->green_mask)),
                         static_cast<unsigned char>(Channel(pixel, shot->blue_mask)));
        }
    }
    XDestroyImage(shot);
    return image;
}
