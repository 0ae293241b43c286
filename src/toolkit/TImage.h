// A picture area without a window: shows its picture at the top-left, centred or stretched; an empty picture
// leaves the area to its parent's background.
#pragma once

#include "toolkit/TGraphicControl.h"
#include "toolkit/TPicture.h"

namespace tk {

class TImage : public TGraphicControl {
    TK_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);

    TPicture* Picture() { return &m_picture; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v) {
        m_stretch = v;
        Invalidate();
    }
    bool Center() const { return m_center; }
    void SetCenter(bool v) {
        m_center = v;
        Invalidate();
    }
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool v) {
        m_proportional = v;
        Invalidate();
    }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v) {
        m_transparent = v;
        Invalidate();
    }

    // Where the picture goes inside the control.
    win::RECT DestRect() const;

protected:
    void Paint(win::HDC dc) override;
    bool CanAutoSize(int& width, int& height) override;

private:
    TPicture m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_proportional = false;
    bool m_transparent = false;
};

} // namespace tk
