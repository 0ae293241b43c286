#include "skin/controls/TSkinTabSheet.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>
#include <cstdint>

namespace skin {

TK_IMPLEMENT_CLASS(TSkinTabSheet, TSkinControl, nullptr)

TSkinTabSheet::TSkinTabSheet(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TSkinTabSheet::Skinned() const {
    return Skin() && HasImage(Skin()->TabPane.get());
}

bool TSkinTabSheet::BeforeMessage(tk::TMessage& message) {
    if (!Skinned())
        return TSkinControl::BeforeMessage(message);
    // Only the background: the page's own paint still draws its window-less controls (labels) over it.
    switch (message.Msg) {
    case win::WM_ERASEBKGND: OnEraseBackground(message); return false;
    default: return TSkinControl::BeforeMessage(message);
    }
}

// The background was drawn at erase time; drawing it again after the page's paint would cover its labels.
void TSkinTabSheet::AfterMessage(tk::TMessage& message) {
    if (message.Msg != win::WM_PAINT)
        TSkinControl::AfterMessage(message);
}

void TSkinTabSheet::OnEraseBackground(tk::TMessage& message) {
    PaintWindow(reinterpret_cast<win::HDC>(message.WParam));
    message.Result = 1;
}

tk::TColor TSkinTabSheet::RecolourColour() const {
    if (!Skinned())
        return FaceColour();
    const TDataSkinObject& pane = *Skin()->TabPane;
    const int frameWidth = pane.Image.Width() / std::max(1, pane.FrameCount);
    const int middleWidth = std::max(0, frameWidth - pane.LeftWidth() - pane.RightWidth());
    const int middleHeight = std::max(0, pane.Image.Height() - pane.TopHeight() - pane.BottomHeight());
    const std::uint32_t pixel =
        pane.Image.Pixel(std::min(frameWidth - 1, pane.LeftWidth() + middleWidth / 2),
                         std::min(pane.Image.Height() - 1, pane.TopHeight() + middleHeight / 2));
    return static_cast<tk::TColor>(ColourFromPixel(pixel));
}

// The pane is drawn larger than the page by its margins, so only its middle falls on the page.
void TSkinTabSheet::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    const TDataSkinObject& pane = *Skin()->TabPane;
    const int saved = win::SaveDC(dc);
    win::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    const win::RECT wide{rect.left - pane.LeftWidth(), rect.top - pane.TopHeight(),
                         rect.right + pane.RightWidth(), rect.bottom + pane.BottomHeight()};
    DrawElementFrame(dc, wide, pane, 1);
    win::RestoreDC(dc, saved);
}

} // namespace skin
