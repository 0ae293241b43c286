#include "toolkit/TImage.h"

#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
void DefineImageProperties(std::vector<PropertyInfo>& p) {
    p.push_back(ObjectProperty<TImage>("Picture", &TImage::Picture));
    p.push_back(BooleanProperty<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch));
    p.push_back(BooleanProperty<TImage>("Center", &TImage::Center, &TImage::SetCenter));
    p.push_back(BooleanProperty<TImage>("Proportional", &TImage::Proportional, &TImage::SetProportional));
    p.push_back(BooleanProperty<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent));
    p.push_back(TControl::AutoSizeProperty());
    TControl::AddMouseEventProperties(p, TControl::DoubleClick::Published);
}
} // namespace

TK_IMPLEMENT_CLASS(TImage, TGraphicControl, DefineImageProperties)

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    m_picture.OnChange = [this](TPicture&) {
        AdjustSize();
        Invalidate();
    };
}

win::RECT TImage::DestRect() const {
    int pw = m_picture.Width(), ph = m_picture.Height();
    int w = pw, h = ph;
    if (m_stretch || (m_proportional && (pw > Width() || ph > Height()))) {
        w = Width();
        h = Height();
        if (m_proportional && pw > 0 && ph > 0) {
            if (static_cast<long long>(Width()) * ph > static_cast<long long>(Height()) * pw)
                w = static_cast<int>(static_cast<long long>(Height()) * pw / ph);
            else
                h = static_cast<int>(static_cast<long long>(Width()) * ph / pw);
        }
    }
    int x = 0, y = 0;
    if (m_center) {
        x = (Width() - w) / 2;
        y = (Height() - h) / 2;
    }
    return {x, y, x + w, y + h};
}

void TImage::Paint(win::HDC dc) {
    const TBitmap* bitmap = m_picture.Bitmap();
    if (bitmap->Empty())
        return;
    win::RECT dest = DestRect();
    win::RECT source{0, 0, bitmap->Width(), bitmap->Height()};
    if (m_transparent)
        bitmap->DrawTransparent(dc, dest, source, bitmap->CornerColour());
    else
        bitmap->Draw(dc, dest, source);
}

bool TImage::CanAutoSize(int& width, int& height) {
    if (m_picture.Empty())
        return false;
    width = m_picture.Width();
    height = m_picture.Height();
    return true;
}

} // namespace tk
