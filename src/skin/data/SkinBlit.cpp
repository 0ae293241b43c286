#include "skin/data/SkinBlit.h"

#include <algorithm>

namespace skin {

namespace {

int Width(const win::RECT& r) {
    return r.right - r.left;
}
int Height(const win::RECT& r) {
    return r.bottom - r.top;
}

// The fixed edges of one axis: both are dropped when they do not fit together.
void Split(int length, int first, int last, int& outFirst, int& outLast) {
    first = std::max(first, 0);
    last = std::max(last, 0);
    if (static_cast<long long>(first) + last > length)
        first = last = 0;
    outFirst = first;
    outLast = last;
}

} // namespace

void FillPart(TSkinBitmap& dest, const win::RECT& part, std::uint32_t pixel) {
    const int x0 = std::max<int>(part.left, 0), x1 = std::min<int>(part.right, dest.Width());
    const int y0 = std::max<int>(part.top, 0), y1 = std::min<int>(part.bottom, dest.Height());
    for (int y = y0; y < y1; ++y)
        std::fill(dest.Row(y) + x0, dest.Row(y) + std::max(x0, x1), pixel & 0xFFFFFF);
}

void BlitPart(TSkinBitmap& dest, const win::RECT& to, const TSkinBitmap& src, const win::RECT& from,
              bool tile, bool transparent) {
    const int dw = Width(to), dh = Height(to), sw = Width(from), sh = Height(from);
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    const int y0 = std::max<int>(to.top, 0), y1 = std::min<int>(to.bottom, dest.Height());
    const int x0 = std::max<int>(to.left, 0), x1 = std::min<int>(to.right, dest.Width());
    for (int y = y0; y < y1; ++y) {
        const int dy = y - to.top;
        const int sy = from.top + (tile ? dy % sh : static_cast<int>(static_cast<long long>(dy) * sh / dh));
        if (sy < 0 || sy >= src.Height())
            continue;
        const std::uint32_t* in = src.Row(sy);
        std::uint32_t* out = dest.Row(y);
        for (int x = x0; x < x1; ++x) {
            const int dx = x - to.left;
            const int sx =
                from.left + (tile ? dx % sw : static_cast<int>(static_cast<long long>(dx) * sw / dw));
            if (sx < 0 || sx >= src.Width())
                continue;
            const std::uint32_t p = in[sx] & 0xFFFFFF;
            if (!(transparent && p == kMagentaPixel))
                out[x] = p;
        }
    }
}

void DrawElementFrame(TSkinBitmap& dest, const win::RECT& to, const TDataSkinObject& element, int frame,
                      bool transparent) {
    if (element.Image.Empty())
        return;
    const int count = element.FrameCount > 0 ? element.FrameCount : 1;
    const int fw = element.Image.Width() / count;
    if (fw <= 0)
        return;
    frame = std::clamp(frame, 1, count);
    const win::RECT src{(frame - 1) * fw, 0, frame * fw, element.Image.Height()};
    int sl, sr, st, sb, dl, dr, dt, db;
    Split(Width(src), element.Margins.left, element.Margins.right, sl, sr);
    Split(Height(src), element.Margins.top, element.Margins.bottom, st, sb);
    Split(Width(to), sl, sr, dl, dr);
    Split(Height(to), st, sb, dt, db);
    if (dl != sl || dr != sr)
        sl = sr = 0;
    if (dt != st || db != sb)
        st = sb = 0;
    const int sxs[4] = {src.left, src.left + sl, src.right - sr, src.right};
    const int sys[4] = {src.top, src.top + st, src.bottom - sb, src.bottom};
    const int dxs[4] = {to.left, to.left + dl, to.right - dr, to.right};
    const int dys[4] = {to.top, to.top + dt, to.bottom - db, to.bottom};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const bool middle = row == 1 || col == 1;
            BlitPart(dest, {dxs[col], dys[row], dxs[col + 1], dys[row + 1]}, element.Image,
                     {sxs[col], sys[row], sxs[col + 1], sys[row + 1]}, middle && element.Tile == 1,
                     transparent);
        }
}

void DrawGlyphCentred(TSkinBitmap& dest, const win::RECT& area, const TDataSkinObject& element, int frame,
                      bool transparent) {
    if (element.Image.Empty())
        return;
    const int count = element.FrameCount > 0 ? element.FrameCount : 1;
    const int fw = element.Image.Width() / count, fh = element.Image.Height();
    if (fw <= 0)
        return;
    frame = std::clamp(frame, 1, count);
    const int x = area.left + (Width(area) - fw) / 2, y = area.top + (Height(area) - fh) / 2;
    BlitPart(dest, {x, y, x + fw, y + fh}, element.Image, {(frame - 1) * fw, 0, frame * fw, fh}, false,
             transparent);
}

} // namespace skin
