#include "skin/controls/TSkinProgress.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>

namespace skin {

TK_IMPLEMENT_CLASS(TSkinProgress, TSkinControl, nullptr)

TSkinProgress::TSkinProgress(tk::TComponent* owner) : TSkinControl(owner) {
}

win::RECT TSkinProgress::FilledPart(const win::RECT& inner, int low, int high, int position, bool vertical) {
    if (high <= low || inner.right <= inner.left || inner.bottom <= inner.top)
        return {inner.left, inner.top, inner.left, inner.top};
    const long long range = static_cast<long long>(high) - low;
    const long long done = std::clamp<long long>(static_cast<long long>(position) - low, 0, range);
    win::RECT part = inner;
    if (vertical)
        part.top = inner.bottom - static_cast<int>((inner.bottom - inner.top) * done / range);
    else
        part.right = inner.left + static_cast<int>((inner.right - inner.left) * done / range);
    return part;
}

bool TSkinProgress::BeforeMessage(tk::TMessage& message) {
    if (Skin() && HasImage(Skin()->Progress.get()) && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinProgress::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skin() || !HasImage(Skin()->Progress.get()))
        return;
    const TDataSkinBorder& bar = *Skin()->Progress;
    FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    DrawElementFrame(dc, rect, bar, 1);
    const TDataSkinObject* chunk = Skin()->ProgressChunk.get();
    if (!HasImage(chunk))
        return;
    const win::RECT inner{rect.left + bar.LeftWidth(), rect.top + bar.TopHeight(),
                          rect.right - bar.RightWidth(), rect.bottom - bar.BottomHeight()};
    const auto low = static_cast<int>(win::SendMessageA(Window(), win::PBM_GETRANGE, 1, 0));
    const auto high = static_cast<int>(win::SendMessageA(Window(), win::PBM_GETRANGE, 0, 0));
    const auto position = static_cast<int>(win::SendMessageA(Window(), win::PBM_GETPOS, 0, 0));
    const bool vertical = (WindowStyle() & win::PBS_VERTICAL) != 0;
    const win::RECT filled = FilledPart(inner, low, high, position, vertical);
    if (filled.right <= filled.left || filled.bottom <= filled.top)
        return;
    if (WindowStyle() & win::PBS_SMOOTH)
        DrawElementFrame(dc, filled, *chunk, 1);
    else
        DrawChunks(dc, filled, *chunk, vertical);
}

// The chunk image is one block: blocks are laid side by side from where the bar starts, each stretched only
// across the bar, and the last one is cut where the position ends. Stretching one chunk over the whole filled
// part would smear its gap into a band.
void TSkinProgress::DrawChunks(win::HDC dc, const win::RECT& filled, const TDataSkinObject& chunk,
                               bool vertical) {
    const int frames = std::max(1, chunk.FrameCount);
    const int step = vertical ? chunk.Image.Height() : chunk.Image.Width() / frames;
    if (step <= 0)
        return;
    const int saved = win::SaveDC(dc);
    win::IntersectClipRect(dc, filled.left, filled.top, filled.right, filled.bottom);
    if (vertical) {
        for (int bottom = filled.bottom; bottom > filled.top; bottom -= step)
            DrawElementFrame(dc, win::RECT{filled.left, bottom - step, filled.right, bottom}, chunk, 1);
    } else {
        for (int left = filled.left; left < filled.right; left += step)
            DrawElementFrame(dc, win::RECT{left, filled.top, left + step, filled.bottom}, chunk, 1);
    }
    win::RestoreDC(dc, saved);
}

} // namespace skin
