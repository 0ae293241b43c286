#include "skin/data/ImgUtil.h"

#include "toolkit/TFont.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace skin {

namespace {

int Channel(tk::TColor c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

tk::TColor Rgb(int r, int g, int b) {
    return static_cast<tk::TColor>(r) | (static_cast<tk::TColor>(g) << 8) |
           (static_cast<tk::TColor>(b) << 16);
}

struct RampSlot {
    int lines = 0;
    tk::TColor start = 0;
    tk::TColor end = 0;
    std::vector<tk::TColor> colours;
};

struct RampCache {
    std::array<RampSlot, 16> slots;
    int next = 0;
};

RampCache& Cache() {
    static RampCache cache;
    return cache;
}

void Rotate(TSkinBitmap& bitmap, bool clockwise) {
    if (bitmap.Empty())
        return;
    const int w = bitmap.Width(), h = bitmap.Height();
    TSkinBitmap turned;
    if (!turned.SetSize(h, w, 0, bitmap.PixelFormat()))
        return;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = bitmap.Row(y)[x];
            if (clockwise)
                turned.Row(x)[h - 1 - y] = p;
            else
                turned.Row(w - 1 - x)[y] = p;
        }
    bitmap.Assign(turned);
}

} // namespace

tk::TColor MixColours(tk::TColor colour1, tk::TColor colour2, int weight) {
    const tk::TColor a = tk::ColorToRGB(colour1), b = tk::ColorToRGB(colour2);
    const int scale = weight < 100 ? 100 : 1000;
    int out[3];
    for (int i = 0; i < 3; ++i) {
        const long long v = (static_cast<long long>(Channel(a, 8 * i)) * weight +
                             static_cast<long long>(Channel(b, 8 * i)) * (scale - weight) + scale / 2) /
                            scale;
        // A weight outside 0 ... scale would leave the channel range; clamp rather than wrap.
        out[i] = static_cast<int>(std::clamp<long long>(v, 0, 255));
    }
    return Rgb(out[0], out[1], out[2]);
}

int ColourSaturation(tk::TColor colour) {
    const tk::TColor c = tk::ColorToRGB(colour);
    const int r = Channel(c, 0), g = Channel(c, 8), b = Channel(c, 16);
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi <= 159)
        return 200;
    return static_cast<int>(std::lround(static_cast<double>(hi - lo) * 255.0 / hi));
}

const std::vector<tk::TColor>& GradientRamp(int lines, tk::TColor start, tk::TColor end) {
    RampCache& cache = Cache();
    start = tk::ColorToRGB(start);
    end = tk::ColorToRGB(end);
    lines = std::max(lines, 0);
    for (int i = static_cast<int>(cache.slots.size()) - 1; i >= 0; --i) {
        const RampSlot& slot = cache.slots[i];
        if (!slot.colours.empty() && slot.lines == lines && slot.start == start && slot.end == end)
            return slot.colours;
    }
    RampSlot& slot = cache.slots[cache.next];
    cache.next = (cache.next + 1) % static_cast<int>(cache.slots.size());
    slot.lines = lines;
    slot.start = start;
    slot.end = end;
    slot.colours.assign(static_cast<std::size_t>(std::max(lines, 1)), 0);
    if (lines <= 1) {
        slot.colours[0] =
            Rgb((Channel(start, 0) + Channel(end, 0)) / 2, (Channel(start, 8) + Channel(end, 8)) / 2,
                (Channel(start, 16) + Channel(end, 16)) / 2);
        return slot.colours;
    }
    const int n1 = lines - 1;
    for (int i = 0; i < lines; ++i) {
        int ch[3];
        for (int k = 0; k < 3; ++k) {
            const int s = Channel(start, 8 * k), e = Channel(end, 8 * k);
            // Truncated towards zero, so a falling channel ends one step above `end`, as skins expect.
            ch[k] = s + (i * (e - s) + n1 / 2) / n1;
        }
        slot.colours[i] = Rgb(ch[0], ch[1], ch[2]);
    }
    return slot.colours;
}

void GradientFill(win::HDC dc, const win::RECT& rect, tk::TColor start, bool vertical, tk::TColor end) {
    const int lines = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    if (lines <= 0 || rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    win::RECT clip{};
    win::RECT visible = rect;
    if (win::GetClipBox(dc, &clip) != win::ERROR) {
        visible = {std::max(rect.left, clip.left), std::max(rect.top, clip.top),
                   std::min(rect.right, clip.right), std::min(rect.bottom, clip.bottom)};
        if (visible.right <= visible.left || visible.bottom <= visible.top)
            return;
    }
    const std::vector<tk::TColor> ramp = GradientRamp(lines, start, end);
    const int first = vertical ? visible.top - rect.top : visible.left - rect.left;
    const int last = vertical ? visible.bottom - rect.top : visible.right - rect.left;
    for (int i = std::max(first, 0); i < std::min(last, lines); ++i) {
        win::HBRUSH brush = win::CreateSolidBrush(ramp[static_cast<std::size_t>(i)]);
        const win::RECT line = vertical
                                   ? win::RECT{visible.left, rect.top + i, visible.right, rect.top + i + 1}
                                   : win::RECT{rect.left + i, visible.top, rect.left + i + 1, visible.bottom};
        win::FillRect(dc, &line, brush);
        win::DeleteObject(brush);
    }
}

void ReplaceMagenta(TSkinBitmap& bitmap, tk::TColor colour) {
    bitmap.SetPixelFormat(24);
    const std::uint32_t with = PixelFromColour(tk::ColorToRGB(colour));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if ((bitmap.Row(y)[x] & 0xFFFFFF) == 0xFF00FF)
                bitmap.Row(y)[x] = with;
}

void MirrorHorizontal(TSkinBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        std::reverse(bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
}

void FlipVertical(TSkinBitmap& bitmap) {
    for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + bitmap.Width(), bitmap.Row(bottom));
}

void RotateLeft(TSkinBitmap& bitmap) {
    Rotate(bitmap, false);
}

void RotateRight(TSkinBitmap& bitmap) {
    Rotate(bitmap, true);
}

} // namespace skin
