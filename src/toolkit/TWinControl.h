// A control with a window of its own. The window is made on demand, from a window class named after the
// control's class ("TPanel", "TButton"), and every message it receives goes through the control's WindowProc.
// The control is stored as a window property under the toolkit's control atom, so that anyone holding a
// window handle can find the control behind it. A windowed control holds the other controls placed inside it
// and paints the window-less ones itself.
#pragma once

#include "toolkit/TControl.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

struct TCreateParams {
    std::string Caption;
    win::DWORD Style = 0;
    win::DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    win::HWND WndParent = nullptr;
    win::UINT ClassStyle = 0;
    // The window procedure messages end up in when the control does not take them.
    win::WNDPROC DefaultWndProc = nullptr;
    std::string WinClassName;
};

using TKeyEvent = std::function<void(TObject* Sender, win::WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

class TWinControl : public TControl {
    TK_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    win::HWND Handle();
    bool HandleAllocated() const { return m_handle != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes a new one (after a change of styles).
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(index); }
    // The topmost visible child at a client point, window-less or not; null when none.
    TControl* ControlAtPos(win::POINT p, bool allowDisabled, bool allowWindowed = false) const;

    void SetBounds(int left, int top, int width, int height) override;
    win::RECT ClientRect() const override;
    win::POINT ClientToScreen(win::POINT p) const override;
    win::POINT ScreenToClient(win::POINT p) const override;
    void Invalidate() override;
    void Update() override;
    bool Showing() const override;

    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool v) { m_tabStop = v; }
    int TabOrder() const;
    void SetTabOrder(int order);
    // The windowed children in tab order (which need not be the order in which they lie above each other).
    std::vector<TWinControl*> TabList() const;
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Sends the message to every child control (not deeper) until one sets a result.
    void Broadcast(TMessage& message);
    // The outermost parent: the form the control sits on, or the control itself.
    TWinControl* RootControl();

    // The control a window belongs to, through the window property; null for windows the toolkit did not
    // make.
    static TWinControl* FindControl(win::HWND hwnd);
    // The name of the toolkit's control atom: "ControlOfs" + instance handle + thread id, 8 hex digits each.
    static const std::string& ControlAtomName();
    static win::ATOM ControlAtom();

    static PropertyInfo TabStopProperty();
    static PropertyInfo TabOrderProperty();
    static PropertyInfo OnKeyDownProperty();
    static PropertyInfo OnKeyUpProperty();
    static PropertyInfo OnKeyPressProperty();
    static PropertyInfo OnEnterProperty();
    static PropertyInfo OnExitProperty();

    // Paints the window-less children (from `first` on, all when null) into a context of this window; for
    // whoever paints the window in the control's place.
    void PaintControls(win::HDC dc, TControl* first = nullptr);

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes the window class an enhancement of a native one ("button", "edit"): its procedure becomes the
    // default handler and its class styles are kept.
    void CreateSubClass(TCreateParams& params, const char* nativeClass);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Runs once the window exists: the font, the text and the windowed children.
    virtual void CreateHandleDone() {}

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // Paints the control's own window content (after the background); window-less children come after.
    virtual void PaintWindow(win::HDC dc) {}

    virtual bool DoKeyDown(win::WORD& key, TShiftState shift);
    virtual bool DoKeyPress(char32_t& key);

private:
    friend class TControl;

    win::HWND m_handle = nullptr;
    win::HBRUSH m_brush = nullptr;
    std::unique_ptr<win::ObjectInstance> m_instance;
    win::WNDPROC m_defWndProc = nullptr;
    std::vector<TControl*> m_controls; // z-order, bottom first
    std::vector<TWinControl*> m_tabList;
    bool m_tabStop = false;
    bool m_destroyingHandle = false;

    static win::LRESULT CALLBACK InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                             win::LPARAM lParam);
    win::LRESULT MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void AttachWindow(win::HWND hwnd);
    win::HWND PrecedingWindow() const;
    void CMRecreateWnd();
    void WMSetFocus(TMessage& m);
    void WMKillFocus(TMessage& m);
    bool DialogKey(win::WORD key);

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void ChangeZOrder(TControl* control, bool toFront);

    void WMPaint(TMessage& m);
    void WMEraseBkgnd(TMessage& m);
    void ReflectToChild(TMessage& m);
    void ReflectDrawItem(TMessage& m);
    bool RouteMouseToChild(TMessage& m);
    void TrackMouseOver(TControl* over);
    void UpdateBoundsFromWindow();
    void WMSetCursor(TMessage& m);
    void WMKeyDown(TMessage& m);
    void WMKeyUp(TMessage& m);
    void WMChar(TMessage& m);
    void WMMouse(TMessage& m);
    void CMVisibleChanged();
    void CMEnabledChanged();
    void CMColorChanged();
    void CMFontChanged();
    void CtlColor(TMessage& m);
    win::HBRUSH Brush();
};

// Where an exception escaping a message handler goes: the application's default error box once there is an
// application; by default it is rethrown.
void SetExceptionHandler(std::function<void(std::exception_ptr)> handler);
void HandleToolkitException(std::exception_ptr error);
// Drops a control that is going away from the pointer bookkeeping.
void ForgetMouseTarget(TControl* control);

} // namespace tk
