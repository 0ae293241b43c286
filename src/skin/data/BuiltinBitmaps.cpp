#include "skin/data/BuiltinBitmaps.h"

#include <cmath>

namespace skin {

namespace {

// A groove across the channel: shadow above, highlight below, as a sunken line reads on a light face.
constexpr std::uint32_t kGroove[4] = {0x5080BC, 0x716F64, 0xC4DAF4, 0xFFFFFF};

void DrawTrack(TSkinBitmap& bitmap, bool vertical) {
    bitmap.SetSize(vertical ? 4 : 16, vertical ? 16 : 4, 0, 24);
    for (int along = 0; along < 16; ++along)
        for (int across = 0; across < 4; ++across) {
            std::uint32_t p = kGroove[across];
            // Round the two ends a little so a short channel does not look cut off.
            if ((along == 0 || along == 15) && (across == 0 || across == 3))
                p = 0xB0C8E8;
            if (vertical)
                bitmap.SetPixel(3 - across, along, p);
            else
                bitmap.SetPixel(along, across, p);
        }
}

void Dot(TSkinBitmap& b, int x, int y) {
    b.SetPixel(x, y, 0);
}

// A window outline in the 16 x 16 cell at `left`: a two-pixel top edge (the caption) over one-pixel sides.
void WindowOutline(TSkinBitmap& b, int left, int x0, int y0, int x1, int y1) {
    for (int x = x0; x <= x1; ++x) {
        Dot(b, left + x, y0);
        Dot(b, left + x, y0 + 1);
        Dot(b, left + x, y1);
    }
    for (int y = y0; y <= y1; ++y) {
        Dot(b, left + x0, y);
        Dot(b, left + x1, y);
    }
}

// The window glyphs of the skinned system menu, by image index: restore, maximise, minimise, close.
void DrawMenuGlyphs(TSkinBitmap& b) {
    b.SetSize(64, 16, 0xFFFFFF, 1);
    // Restore: a window behind, up and right, and one in front.
    WindowOutline(b, 0, 6, 3, 12, 8);
    for (int x = 4; x <= 8; ++x)
        for (int y = 8; y <= 11; ++y)
            b.SetPixel(x, y, 0xFFFFFF);
    WindowOutline(b, 0, 3, 6, 9, 12);
    // Maximise: one large window.
    WindowOutline(b, 16, 3, 3, 12, 12);
    // Minimise: a bar along the bottom.
    for (int x = 4; x <= 10; ++x) {
        Dot(b, 32 + x, 11);
        Dot(b, 32 + x, 12);
    }
    // Close: a cross two pixels thick.
    for (int i = 0; i <= 7; ++i) {
        Dot(b, 48 + 4 + i, 4 + i);
        Dot(b, 48 + 5 + i, 4 + i);
        Dot(b, 48 + 11 - i, 4 + i);
        Dot(b, 48 + 12 - i, 4 + i);
    }
}

} // namespace

bool LoadBuiltinBitmap(std::string_view name, TSkinBitmap& bitmap) {
    if (name == "TRACK")
        DrawTrack(bitmap, false);
    else if (name == "TRACKVERT")
        DrawTrack(bitmap, true);
    else if (name == "MORAPLEMENU")
        DrawMenuGlyphs(bitmap);
    else {
        bitmap.Clear();
        return false;
    }
    return true;
}

} // namespace skin
