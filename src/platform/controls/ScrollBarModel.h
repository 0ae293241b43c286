// The state and geometry of scroll bars: the two standard bars of a window (SB_HORZ, SB_VERT, in its
// non-client area) and the bar of a "scrollbar" control (SB_CTL, its whole client area).
#pragma once

#include "platform/controls/ControlsInternal.h"

namespace win::controls {

// Parts along a bar, numbered as the scroll codes they send.
enum ScrollPart {
    kPartNone = -1,
    kPartArrowUp = 0,
    kPartArrowDown = 1,
    kPartPageUp = 2,
    kPartPageDown = 3,
    kPartThumb = 5
};

struct ScrollData {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    UINT disabledArrows = ESB_ENABLE_BOTH;
    bool tracking = false;
    int pressedPart = kPartNone;
};

// A bar laid out along its axis: offsets from its start, in pixels.
struct ScrollLayout {
    RECT rect; // window coordinates (SB_HORZ, SB_VERT) or client coordinates (SB_CTL)
    bool vertical = false;
    bool visible = false;
    bool enabled = false; // there is something to scroll and the bar is not disabled
    int length = 0;
    int arrow = 0;
    int thumbTop = 0; // 0 and 0 when there is no thumb
    int thumbBottom = 0;
};

class ScrollBarModel {
public:
    static ScrollData* Find(HWND hwnd, int bar);
    static ScrollData& Get(HWND hwnd, int bar);
    static void Drop(HWND hwnd);

    static ScrollLayout Layout(HWND hwnd, int bar);
    // The screen point a layout's coordinates are measured from: the client corner of a scroll-bar
    // control, the window corner for a window's own bars.
    static POINT ScreenOrigin(HWND hwnd, int bar);
    static int PartAt(const ScrollLayout& layout, int offset);
    // The position a thumb whose top is at `thumbTop` stands for.
    static int PosForThumb(HWND hwnd, int bar, const ScrollLayout& layout, int thumbTop);
    static int MaxPos(const ScrollData& d) {
        long long m = static_cast<long long>(d.max) - (d.page > 0 ? static_cast<long long>(d.page) - 1 : 0);
        return static_cast<int>(std::max<long long>(d.min, m));
    }
    static bool HasRange(const ScrollData& d) {
        long long range = static_cast<long long>(d.max) - d.min + 1;
        return d.page > 0 ? range > static_cast<long long>(d.page) : d.max > d.min;
    }
    static bool IsControl(HWND hwnd);
    static void MarkControl(HWND hwnd);
};

class ScrollBarPainter {
public:
    // Draws the bar into `dc`, whose origin is the window's (SB_HORZ, SB_VERT) or the client's (SB_CTL).
    static void Draw(HWND hwnd, HDC dc, int bar);
    // Draws the window's standard bars now, over its non-client area.
    static void RedrawWindowBars(HWND hwnd);
    static void Redraw(HWND hwnd, int bar);
};

class ScrollTracker {
public:
    // The system's scroll loop: a press on the bar at a screen point, until the button is released.
    static void Track(HWND hwnd, int bar, POINT screen);
};

} // namespace win::controls
