#include "skin/controls/TSkinSizer.h"

#include "skin/controls/SkinPainting.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinSizer, TSkinScrollbarH, nullptr)

TSkinSizer::TSkinSizer(tk::TComponent* owner) : TSkinScrollbarH(owner) {
}

bool TSkinSizer::IsGrip() const {
    return (WindowStyle() & (win::SBS_SIZEBOX | win::SBS_SIZEGRIP)) != 0;
}

void TSkinSizer::Draw(win::HDC dc, const win::RECT& rect) {
    if (IsGrip() && Skin())
        FillSolid(dc, rect, FaceColour());
}

} // namespace skin
