// shape_probe WINDOW X Y: says whether the point (X, Y) of the X window WINDOW (its id, decimal or 0x hex)
// belongs to the window on the desktop, by its bounding shape: "inside" or "outside". Exit 2 when the window
// cannot be read.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: shape_probe WINDOW X Y\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "shape_probe: no X display\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    int count = 0, ordering = 0;
    XRectangle* parts = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
    bool inside = false;
    for (int i = 0; i < count; ++i)
        inside = inside || (x >= parts[i].x && x < parts[i].x + parts[i].width && y >= parts[i].y &&
                            y < parts[i].y + parts[i].height);
    if (parts)
        XFree(parts);
    XCloseDisplay(display);
    if (count == 0) {
        std::fprintf(stderr, "shape_probe: window %s has no readable shape\n", argv[1]);
        return 2;
    }
    std::puts(inside ? "inside" : "outside");
    return 0;
}
