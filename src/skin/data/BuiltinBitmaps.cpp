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

void DrawMenuGlyphs(TSkinBitmap& b) {
    b.SetSize(64, 16, 0xFFFFFF, 1);
    // Check mark, two pixels thick: down from (4,7) to (6,9), then up to (11,4).
    for (int i = 0; i <= 2; ++i) {
        Dot(b, 4 + i, 7 + i);
        Dot(b, 4 + i, 8 + i);
        Dot(b, 4 + i, 9 + i);
    }
    for (int i = 0; i <= 5; ++i) {
        Dot(b, 7 + i, 8 - i);
        Dot(b, 7 + i, 9 - i);
        Dot(b, 7 + i, 10 - i);
    }
    // Radio bullet: a filled disc of radius 3 centred at (7.5, 7.5).
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = x - 7.5, dy = y - 7.5;
            if (dx * dx + dy * dy <= 9.5)
                Dot(b, 16 + x, y);
        }
    // Submenu arrow: a triangle pointing right.
    for (int i = 0; i < 4; ++i)
        for (int y = 4 + i; y <= 11 - i; ++y)
            Dot(b, 32 + 6 + i, y);
    // Indeterminate: a short bar.
    for (int x = 4; x <= 11; ++x) {
        Dot(b, 48 + x, 7);
        Dot(b, 48 + x, 8);
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
