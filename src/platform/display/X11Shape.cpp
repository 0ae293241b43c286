#include "platform/display/X11Shape.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <climits>

namespace win::display {

namespace {

short ToShort(long v) {
    return static_cast<short>(std::clamp<long>(v, SHRT_MIN, SHRT_MAX));
}

unsigned short ToExtent(long v) {
    return static_cast<unsigned short>(std::clamp<long>(v, 0, USHRT_MAX));
}

} // namespace

bool SetX11WindowShape(SDL_Window* window, const std::vector<RECT>* parts) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    ::Display* display = info.info.x11.display;
    const ::Window xwindow = info.info.x11.window;
    int eventBase = 0, errorBase = 0;
    if (!display || !XShapeQueryExtension(display, &eventBase, &errorBase))
        return false;
    if (!parts) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        rects.reserve(parts->size());
        for (const RECT& r : *parts)
            if (r.right > r.left && r.bottom > r.top)
                rects.push_back(XRectangle{ToShort(r.left), ToShort(r.top), ToExtent(r.right - r.left),
                                           ToExtent(r.bottom - r.top)});
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(),
                                static_cast<int>(rects.size()), ShapeSet, Unsorted);
    }
    XFlush(display);
    return true;
}

} // namespace win::display
