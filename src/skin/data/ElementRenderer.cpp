#include "skin/data/ElementRenderer.h"

#include <algorithm>

namespace skin {

namespace {

// The image selected into a memory context for the duration of one rendering.
class SourceContext {
public:
    SourceContext(win::HDC like, const TSkinBitmap& image)
        : m_dc(win::CreateCompatibleDC(like)),
          m_old(m_dc ? win::SelectObject(m_dc, image.Handle()) : nullptr) {}
    ~SourceContext() {
        if (m_dc) {
            win::SelectObject(m_dc, m_old);
            win::DeleteDC(m_dc);
        }
    }
    SourceContext(const SourceContext&) = delete;
    SourceContext& operator=(const SourceContext&) = delete;
    win::HDC Get() const { return m_dc; }

private:
    win::HDC m_dc;
    win::HGDIOBJ m_old;
};

struct Span {
    int at;
    int length;
};

// One axis of the nine-part slicing: where the three parts lie in the source frame and in the destination.
struct Axis {
    Span source[3];
    Span dest[3];
};

Axis SliceAxis(int sourceAt, int sourceLength, int destAt, int destLength, int before, int after) {
    before = std::clamp(before, 0, sourceLength);
    after = std::clamp(after, 0, sourceLength - before);
    if (destLength < before + after)
        before = after = 0;
    const int sourceMiddle = sourceLength - before - after;
    const int destMiddle = destLength - before - after;
    return Axis{
        {{sourceAt, before}, {sourceAt + before, sourceMiddle}, {sourceAt + before + sourceMiddle, after}},
        {{destAt, before}, {destAt + before, destMiddle}, {destAt + before + destMiddle, after}}};
}

void Tile(win::HDC dc, const Span& dx, const Span& dy, win::HDC src, const Span& sx, const Span& sy) {
    for (int y = 0; y < dy.length; y += sy.length) {
        const int h = std::min(sy.length, dy.length - y);
        for (int x = 0; x < dx.length; x += sx.length) {
            const int w = std::min(sx.length, dx.length - x);
            win::BitBlt(dc, dx.at + x, dy.at + y, w, h, src, sx.at, sy.at, win::SRCCOPY);
        }
    }
}

} // namespace

void ElementRenderer::Render(win::HDC dc, const win::RECT& dest, const TSkinBitmap& image,
                             const win::RECT& edges, int frame, const Slicing& slicing) {
    const int destWidth = dest.right - dest.left, destHeight = dest.bottom - dest.top;
    if (!dc || image.Empty() || destWidth <= 0 || destHeight <= 0)
        return;
    const int frames = std::max(1, slicing.frameCount);
    const int k = std::clamp(frame, 1, frames) - 1;
    int frameX = 0, frameY = 0, frameWidth = image.Width(), frameHeight = image.Height();
    if (slicing.framesStacked) {
        frameHeight /= frames;
        frameY = k * frameHeight;
    } else {
        frameWidth /= frames;
        frameX = k * frameWidth;
    }
    if (frameWidth <= 0 || frameHeight <= 0)
        return;

    const Axis across = SliceAxis(frameX, frameWidth, dest.left, destWidth, edges.left, edges.right);
    const Axis down = SliceAxis(frameY, frameHeight, dest.top, destHeight, edges.top, edges.bottom);
    SourceContext source(dc, image);
    if (!source.Get())
        return;
    const int oldMode = win::SetStretchBltMode(dc, win::COLORONCOLOR);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Span& dx = across.dest[column];
            const Span& dy = down.dest[row];
            const Span& sx = across.source[column];
            const Span& sy = down.source[row];
            if (dx.length <= 0 || dy.length <= 0 || sx.length <= 0 || sy.length <= 0)
                continue;
            const bool middle = row == 1 && column == 1;
            if (middle && !slicing.stretchMiddle)
                Tile(dc, dx, dy, source.Get(), sx, sy);
            else if (dx.length == sx.length && dy.length == sy.length)
                win::BitBlt(dc, dx.at, dy.at, dx.length, dy.length, source.Get(), sx.at, sy.at, win::SRCCOPY);
            else
                win::StretchBlt(dc, dx.at, dy.at, dx.length, dy.length, source.Get(), sx.at, sy.at, sx.length,
                                sy.length, win::SRCCOPY);
        }
    }
    if (oldMode != 0)
        win::SetStretchBltMode(dc, oldMode);
}

void ElementRenderer::Render(win::HDC dc, const win::RECT& dest, const TDataSkinObject& element, int frame,
                             bool framesStacked, bool stretchMiddle) {
    Render(dc, dest, element.Image, element.Margins, frame,
           Slicing{element.FrameCount, framesStacked, stretchMiddle});
}

} // namespace skin
