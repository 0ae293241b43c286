#include "skin/controls/TSkinGroupBox.h"

#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TFont.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinGroupBox, TSkinControl, nullptr)

TSkinGroupBox::TSkinGroupBox(tk::TComponent* owner) : TSkinControl(owner) {
}

void TSkinGroupBox::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skin())
        return;
    const win::HFONT font = FontHandle();
    const int top = rect.top + MeasureCaption(dc, "0", font, 0, 0x7FFF).cy / 2;
    // The control's own etched frame lies within two pixels of where the outline goes.
    if (!Transparent()) {
        const win::RECT edge{rect.left, top - 1, rect.right, rect.bottom};
        FrameSolid(dc, edge, FaceColour(), 0);
        FrameSolid(dc, edge, FaceColour(), 1);
    }
    win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, tk::ColorToRGB(Skin()->SkinColours[scButtonShadow]));
    const win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    const win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::NULL_BRUSH));
    win::RoundRect(dc, rect.left, top, rect.right, rect.bottom, 5, 5);
    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldPen);
    win::DeleteObject(pen);

    const std::string caption = CaptionText();
    if (caption.empty())
        return;
    const win::SIZE text = MeasureCaption(dc, caption, font, 0, 0x7FFF);
    const bool fromRight =
        (static_cast<win::DWORD>(win::GetWindowLongA(Window(), win::GWL_EXSTYLE)) & win::WS_EX_RIGHT) != 0;
    const int left = fromRight ? rect.right - kCaptionIndent - text.cx : rect.left + kCaptionIndent;
    const win::RECT place{left, rect.top, left + text.cx, rect.top + text.cy};
    FillSolid(dc, place, FaceColour());
    DrawCaption(dc, place, caption, font,
                WindowDisabled() ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour(), win::DT_LEFT);
}

} // namespace skin
