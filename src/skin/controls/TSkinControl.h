// The base of every control skinner: a small object beside one control that sees each of its messages
// first, lets the control do its normal work, and paints the skin over or instead of the control's own
// drawing. A skinner sits on a toolkit control (in place of its WindowProc hook, owned by and freed with the
// control) or on a bare window (its window procedure subclassed, owned by the frame).
//
// Behaviour lives here and in each skinner's message handlers, which turn messages into ControlState flags;
// drawing lives in Draw and in the shared helpers of SkinPainting.h.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/SkinnerContext.h"
#include "skin/controls/SkinnerFrames.h"
#include "skin/data/WindowSubclass.h"

#include "platform/win.h"
#include "toolkit/Messages.h"
#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"

#include <functional>
#include <memory>
#include <string>

namespace tk {
class TControl;
}

namespace skin {

class TSkinCanvas;
class TSkinData;

class TSkinControl : public tk::TComponent {
    TK_CLASS(TSkinControl, tk::TComponent)
public:
    enum LifeState { lsNew = 0, lsLive = 1, lsDead = 6 };
    // A control with this Tag shows its parent's background under the skin.
    static constexpr int kTransparentTag = 5555;

    explicit TSkinControl(tk::TComponent* owner);
    ~TSkinControl() override;

    // `control` should be the skinner's owner: that is how the skinner learns it is freed with its control
    // and must not touch it any more. A second attach does nothing.
    virtual void AttachToControl(tk::TControl* control, const SkinnerContext& context);
    virtual void AttachToWindow(win::HWND hwnd, const SkinnerContext& context);
    // Gives the control its own colours, ParentBackground, message hook and window procedure back, and lets
    // it paint itself again. A second detach does nothing; a dead skinner's control is left alone.
    virtual void Detach();
    // The skin's elements or colours changed: recolour and repaint.
    virtual void SkinChanged();
    // Whether this skinner really draws its control (every skinner here does).
    virtual bool Skins() const { return true; }
    // Draws the skin over the control, into `dc` or (when null) the window's own context.
    void PaintWindow(win::HDC dc);
    // The frame that owns this skinner is going: no more calls back to it.
    void OwnerGone() { m_owner = nullptr; }

    bool Attached() const { return m_attached; }
    // Skin drawing is on (switched by SkinMsgEnable).
    bool DrawingOn() const { return m_drawing; }
    bool Dead() const { return m_life == lsDead; }
    int Life() const { return m_life; }
    win::HWND Window() const { return m_hwnd; }
    tk::TControl* Control() const { return m_control; }
    TSkinData* Skin() const { return m_skin; }
    bool Recolours() const { return m_recolour; }
    const ControlState& Flags() const { return m_flags; }

protected:
    // Before the control's own handling: false when the message is answered here (no default processing,
    // no AfterMessage).
    virtual bool BeforeMessage(tk::TMessage& message);
    // After the control's own handling.
    virtual void AfterMessage(tk::TMessage& message);
    // Draws the skin into `rect` (window coordinates, the whole control); empty in the base.
    virtual void Draw(win::HDC dc, const win::RECT& rect) {}
    // Runs at the end of either attach, with everything in place.
    virtual void OnAttached() {}
    // Skin drawing was switched off or on (SkinMsgEnable); windows of the skinner's own follow it here.
    virtual void OnDrawingSwitched(bool on) {}
    // Group boxes and panels recolour whatever the frame asks.
    virtual bool AlwaysRecolours() const { return false; }

    void DefaultProcessing(tk::TMessage& message);
    // Invalidates the control and paints it at once.
    void Repaint();
    // For AfterMessage of a control of many parts: a pointer message moves `parts` (repainting when what
    // shows changed); any other message goes on to this class's AfterMessage.
    void FollowParts(PartTracker& parts, tk::TMessage& message, const PartTracker::PartAt& partAt);
    // Paints the parent's background under the control rather than the skin's face colour.
    bool Transparent() const;
    bool IsGraphic() const { return m_graphic; }
    win::DWORD WindowStyle() const;
    bool WindowDisabled() const;
    bool HasFocus() const;
    // The "Caption" property, else the window text.
    std::string CaptionText() const;
    win::HFONT FontHandle() const;
    win::COLORREF FontColour() const;
    // The control's size, at (0, 0).
    win::RECT Bounds() const;
    TSkinCanvas* Canvas() const { return m_canvas; }
    tk::TColor FaceColour() const;
    // The colour a recoloured control takes, so that its children drawn in their parent's colour sit on it.
    virtual tk::TColor RecolourColour() const { return FaceColour(); }
    // Marks the control hot (repainting once) and asks for the leave notification.
    void SetHot();
    // IsWindowUnicode of the window, read at attach.
    bool Unicode() const { return m_unicode; }
    // Expires when this skinner is freed; a handler that calls out (a click, a focus change) checks it before
    // touching its members again.
    std::weak_ptr<bool> AliveToken() const { return m_alive; }

    ControlState m_flags;

private:
    struct Hook {
        TSkinControl* skinner;
        void operator()(tk::TMessage& message) const { skinner->Dispatch(message); }
    };

    void StartAttach(const SkinnerContext& context);
    void FinishAttach();
    void Dispatch(tk::TMessage& message);
    win::LRESULT WindowMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void SwitchDrawing(bool on);
    void OnNcDestroy(tk::TMessage& message);
    void Recolour();
    void RestoreLook();
    void Unhook();
    // The control is still there to be touched.
    bool ControlAlive() const;

    TSkinCanvas* m_canvas = nullptr;
    bool m_unicode = false;
    bool m_drawing = false;
    std::string m_caption;
    WindowSubclass m_subclass;
    TSkinData* m_skin = nullptr;
    win::HWND m_hwnd = nullptr;
    std::function<void(tk::TMessage&)> m_savedHook;
    bool m_hooked = false;
    tk::TControl* m_control = nullptr;
    bool m_ownedByControl = false;
    win::RECT m_windowRect{};
    bool m_graphic = false;
    bool m_recolour = false;
    bool m_colourSaved = false;
    tk::TColor m_savedColour = 0;
    bool m_savedParentColour = false;
    bool m_attached = false;
    int m_life = lsNew;
    SkinnerOwner* m_owner = nullptr;
    bool m_parentBackgroundWasOn = false;
    int m_depth = 0;
    bool m_unhookPending = false;
    // Expires when the skinner is freed, which a message handler may cause (a click that closes the form).
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace skin
