// The scroll bars of a control (a memo, a list, a grid) in the skin's look. The control keeps its real bars
// and all its scrolling; each bar is covered by a TWScrollbar overlay that follows it (appearing when the
// control gains the bar), shows the part the system is scrolling with, and passes presses on to it. The
// control's border is redrawn in the skin's colours, and the corner between two bars in its face colour.
#pragma once

#include "skin/controls/TSkinControl.h"
#include "skin/controls/TWScrollbar.h"

#include <memory>

namespace skin {

class TSkinScrollbar : public TSkinControl {
    TK_CLASS(TSkinScrollbar, TSkinControl)
public:
    explicit TSkinScrollbar(tk::TComponent* owner);
    ~TSkinScrollbar() override;

    void AttachToControl(tk::TControl* control, const SkinnerContext& context) override;
    void AttachToWindow(win::HWND hwnd, const SkinnerContext& context) override;
    // The control with its bars: overlays instead of a recoloured face.
    virtual void AttachWithScrollBars(tk::TControl* control, const SkinnerContext& context);
    void Detach() override;
    void SkinChanged() override;

    // TWScrollbar::wbHorizontal or wbVertical; null once the overlays have gone.
    TWScrollbar* Overlay(int which) const;
    // Where the corner between two showing bars is, in the control's window coordinates (empty otherwise).
    win::RECT CornerRect() const;

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void OnAttached() override;
    void OnDrawingSwitched(bool on) override;
    // Scroll boxes keep their own border.
    virtual bool DrawsBorder() const;

    void PositionOverlays();
    void RedrawOverlays();

private:
    void OnScroll(int which, win::WPARAM wParam);
    void PaintNonClient();
    void AskForRenewal();
    void DropOverlays();

    std::unique_ptr<TWScrollbar> m_bars[2];
    bool m_border = false;
    SkinnerOwner* m_frame = nullptr;
};

} // namespace skin
