// The base of every visible control: a place inside a parent, a caption, a font and colour that may follow
// the parent's, visibility and enabled state, a cursor, click and mouse events, and a replaceable message
// hook (WindowProc) that every message of the control passes through, so that others (the skin engine) can
// watch or answer any of them.
#pragma once

#include "toolkit/Messages.h"
#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"
#include "toolkit/TFont.h"

#include <functional>
#include <optional>
#include <string>

namespace tk {

class TWinControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;
// The cursor a name stands for ("crHandPoint"), case-insensitive.
std::optional<TCursor> CursorFromName(std::string_view name);

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
    TK_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    win::RECT BoundsRect() const { return {m_left, m_top, m_left + m_width, m_top + m_height}; }
    virtual win::RECT ClientRect() const { return {0, 0, m_width, m_height}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    virtual win::POINT ClientToScreen(win::POINT p) const;
    virtual win::POINT ScreenToClient(win::POINT p) const;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    TFont* Font() { return &m_font; }
    const TFont* Font() const { return &m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool v);
    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool v);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to the form visible too.
    virtual bool Showing() const;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool v) { m_showHint = v; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);

    // Every message of the control goes through WindowProc, which starts as WndProc. Replacing it lets
    // another object see each message first; it restores the saved value when done.
    std::function<void(TMessage&)> WindowProc;
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void BringToFront();
    void SendToBack();

    virtual void Click();
    // The mouse-down handling a skin calls when it keeps the press message from the control.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // True while the pointer is over the control (between CM_MOUSEENTER and CM_MOUSELEAVE).
    bool MouseInControl() const { return m_mouseInControl; }

    // Published properties shared by many descendants, which list them in their own tables.
    static PropertyInfo CaptionProperty();
    static PropertyInfo FontProperty();
    static PropertyInfo ColorProperty();
    static PropertyInfo ParentFontProperty();
    static PropertyInfo ParentColorProperty();
    static PropertyInfo AutoSizeProperty();
    static PropertyInfo OnClickProperty();
    static PropertyInfo OnDblClickProperty();
    static PropertyInfo OnMouseDownProperty();
    static PropertyInfo OnMouseUpProperty();
    static PropertyInfo OnMouseMoveProperty();
    // The published mouse events in their usual order: OnClick, OnDblClick (when the class has it),
    // OnMouseDown, OnMouseUp, OnMouseMove.
    enum class DoubleClick { Published, Absent };
    static void AddMouseEventProperties(std::vector<PropertyInfo>& p, DoubleClick doubleClick);

protected:
    virtual void WndProc(TMessage& message);
    // What happens to a message no handler took: nothing for window-less controls, the window's own procedure
    // for windowed ones.
    virtual void DefaultHandler(TMessage& message);

    // Window-less controls and custom windows click on a release inside them; native buttons click through
    // their own notification instead.
    virtual bool ClicksOnMouseUp() const { return true; }
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    // The size the control takes with AutoSize set; false when it has none to offer.
    virtual bool CanAutoSize(int& width, int& height) { return false; }
    void AdjustSize();
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void VisibleChanging() {}
    // Where the window-less control is painted through its parent's device context.
    virtual void Paint(win::HDC dc) {}
    void Loaded() override;

    // Sets the flag alone, for constructors of controls that start hidden (forms).
    void InitVisible(bool visible) { m_visible = visible; }
    // Records text the window changed by itself (typing into an edit), without sending it back.
    void StoreCaption(std::string text) { m_caption = std::move(text); }

    bool m_mouseInControl = false;
    bool m_pressed = false;

private:
    friend class TWinControl;

    TWinControl* m_parent = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    std::string m_caption;
    TFont m_font;
    TColor m_color = clBtnFace;
    TCursor m_cursor = crDefault;
    bool m_parentFont = true;
    bool m_parentColor = false;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_showHint = false;
    bool m_autoSize = false;
    std::string m_hint;

    void MouseMessage(TMessage& message);
    void WMMouseDown(TMessage& message);
    void WMMouseUpOrMove(TMessage& message);
    void WMSetText(const char* text);
    void CMTextChanged();
    void CMMouseEnter();
    void CMMouseLeave();
    void ApplyParentFont();
    void ApplyParentColor();
};

TShiftState KeysToShiftState(win::WPARAM keys);
TShiftState KeyboardShiftState();

} // namespace tk
