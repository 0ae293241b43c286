#include "toolkit/TControl.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TApplication.h"
#include "toolkit/TWinControl.h"

namespace tk {

namespace {
void DefineControlProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TControl>("Left", &TControl::Left, &TControl::SetLeft));
    p.push_back(IntegerProperty<TControl>("Top", &TControl::Top, &TControl::SetTop));
    p.push_back(IntegerProperty<TControl>("Width", &TControl::Width, &TControl::SetWidth));
    p.push_back(IntegerProperty<TControl>("Height", &TControl::Height, &TControl::SetHeight));
    p.push_back(BooleanProperty<TControl>("Visible", &TControl::Visible, &TControl::SetVisible));
    p.push_back(BooleanProperty<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled));
    PropertyInfo cursor = IntegerProperty<TControl>("Cursor", &TControl::Cursor, &TControl::SetCursor);
    cursor.integerFromName = [](std::string_view name) -> std::optional<std::int64_t> {
        if (auto c = CursorFromName(name))
            return *c;
        return std::nullopt;
    };
    p.push_back(cursor);
    p.push_back(StringProperty<TControl>("Hint", &TControl::Hint, &TControl::SetHint));
    p.push_back(BooleanProperty<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint));
}
} // namespace

TK_IMPLEMENT_CLASS(TControl, TComponent, DefineControlProperties)

std::optional<TCursor> CursorFromName(std::string_view name) {
    struct Named {
        const char* name;
        TCursor cursor;
    };
    static constexpr Named kCursors[] = {
        {"crDefault", 0},     {"crNone", -1},     {"crArrow", -2},    {"crCross", -3},     {"crIBeam", -4},
        {"crSizeNESW", -6},   {"crSizeNS", -7},   {"crSizeNWSE", -8}, {"crSizeWE", -9},    {"crUpArrow", -10},
        {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13},  {"crHSplit", -14},   {"crVSplit", -15},
        {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},      {"crAppStart", -19}, {"crHelp", -20},
        {"crHandPoint", -21}, {"crSizeAll", -22},
    };
    for (const Named& n : kCursors)
        if (SameText(n.name, name))
            return n.cursor;
    return std::nullopt;
}

PropertyInfo TControl::CaptionProperty() {
    return StringProperty<TControl>("Caption", &TControl::Caption, &TControl::SetCaption);
}
PropertyInfo TControl::FontProperty() {
    return ObjectProperty<TControl>("Font", static_cast<TFont* (TControl::*)()>(&TControl::Font));
}
PropertyInfo TControl::ColorProperty() {
    return ColourProperty<TControl>("Color", &TControl::Color, &TControl::SetColor);
}
PropertyInfo TControl::ParentFontProperty() {
    return BooleanProperty<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
}
PropertyInfo TControl::ParentColorProperty() {
    return BooleanProperty<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
}
PropertyInfo TControl::AutoSizeProperty() {
    return BooleanProperty<TControl>("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize);
}
PropertyInfo TControl::OnClickProperty() {
    return EventProperty<TControl>("OnClick", &TControl::OnClick);
}
PropertyInfo TControl::OnDblClickProperty() {
    return EventProperty<TControl>("OnDblClick", &TControl::OnDblClick);
}
PropertyInfo TControl::OnMouseDownProperty() {
    return EventProperty<TControl>("OnMouseDown", &TControl::OnMouseDown);
}
PropertyInfo TControl::OnMouseUpProperty() {
    return EventProperty<TControl>("OnMouseUp", &TControl::OnMouseUp);
}
PropertyInfo TControl::OnMouseMoveProperty() {
    return EventProperty<TControl>("OnMouseMove", &TControl::OnMouseMove);
}
void TControl::AddMouseEventProperties(std::vector<PropertyInfo>& p, DoubleClick doubleClick) {
    p.push_back(OnClickProperty());
    if (doubleClick == DoubleClick::Published)
        p.push_back(OnDblClickProperty());
    p.push_back(OnMouseDownProperty());
    p.push_back(OnMouseUpProperty());
    p.push_back(OnMouseMoveProperty());
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    m_font.OnChange = [this](TFont&) {
        m_parentFont = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl() {
    // Nothing may call back into this object through the hook once it is going.
    WindowProc = [](TMessage&) {};
    ForgetMouseTarget(this);
    if (Application)
        Application->Hints().ControlGone(this);
    if (m_parent)
        SetParent(nullptr);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* winParent = dynamic_cast<TWinControl*>(parent))
        SetParent(winParent);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == m_parent)
        return;
    if (parent == this)
        throw ComponentError("a control cannot be its own parent");
    if (m_parent) {
        Invalidate();
        m_parent->RemoveControl(this);
    }
    m_parent = parent;
    if (m_parent) {
        m_parent->InsertControl(this);
        ApplyParentFont();
        ApplyParentColor();
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    Invalidate();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    Invalidate();
}

void TControl::SetClientSize(int width, int height) {
    win::RECT client = ClientRect();
    SetBounds(m_left, m_top, m_width + width - client.right, m_height + height - client.bottom);
}

win::POINT TControl::ClientToScreen(win::POINT p) const {
    if (!m_parent)
        return p;
    return m_parent->ClientToScreen({p.x + m_left, p.y + m_top});
}

win::POINT TControl::ScreenToClient(win::POINT p) const {
    if (!m_parent)
        return p;
    win::POINT q = m_parent->ScreenToClient(p);
    return {q.x - m_left, q.y - m_top};
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    // Through the message, so that the window's own text and anyone hooked on the control see the change.
    Perform(win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(caption.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool v) {
    if (v == m_parentFont)
        return;
    m_parentFont = v;
    ApplyParentFont();
}

void TControl::ApplyParentFont() {
    if (!m_parentFont || !m_parent || m_font.SameAs(*m_parent->Font()))
        return;
    m_font.Assign(*m_parent->Font());
    m_parentFont = true; // Assign's change notice cleared it
}

void TControl::SetColor(TColor colour) {
    if (colour == m_color)
        return;
    m_color = colour;
    m_parentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    if (v == m_parentColor)
        return;
    m_parentColor = v;
    ApplyParentColor();
}

void TControl::ApplyParentColor() {
    if (!m_parentColor || !m_parent || m_color == m_parent->Color())
        return;
    m_color = m_parent->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor != m_cursor) {
        m_cursor = cursor;
        Perform(CM_CURSORCHANGED);
    }
}

void TControl::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    VisibleChanging();
    if (!visible)
        Invalidate();
    m_visible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (visible)
        Invalidate();
}

bool TControl::Showing() const {
    return m_visible && m_parent && m_parent->Showing();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAutoSize(bool v) {
    if (v != m_autoSize) {
        m_autoSize = v;
        AdjustSize();
    }
}

void TControl::AdjustSize() {
    if (!m_autoSize || IsLoading())
        return;
    int width = m_width;
    int height = m_height;
    if (CanAutoSize(width, height))
        SetBounds(m_left, m_top, width, height);
}

void TControl::Loaded() {
    TComponent::Loaded();
    AdjustSize();
}

win::LRESULT TControl::Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (WindowProc)
        WindowProc(message);
    return message.Result;
}

void TControl::Invalidate() {
    if (m_parent && m_visible && m_parent->HandleAllocated()) {
        win::RECT r = BoundsRect();
        win::InvalidateRect(m_parent->Handle(), &r, win::TRUE);
    }
}

void TControl::Update() {
    if (m_parent)
        m_parent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (m_parent)
        m_parent->ChangeZOrder(this, true);
}

void TControl::SendToBack() {
    if (m_parent)
        m_parent->ChangeZOrder(this, false);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    DoMouseDown(button, shift, x, y);
}

void TControl::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::DoMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TControl::MouseMessage(TMessage& m) {
    int x = win::GET_X_LPARAM(m.LParam);
    int y = win::GET_Y_LPARAM(m.LParam);
    TShiftState shift = KeysToShiftState(m.WParam);
    switch (m.Msg) {
    case win::WM_LBUTTONDOWN:
        m_pressed = true;
        DoMouseDown(TMouseButton::mbLeft, shift, x, y);
        break;
    case win::WM_LBUTTONDBLCLK:
        m_pressed = true;
        DoMouseDown(TMouseButton::mbLeft, shift | ssDouble, x, y);
        if (OnDblClick)
            OnDblClick(this);
        break;
    case win::WM_RBUTTONDOWN: DoMouseDown(TMouseButton::mbRight, shift, x, y); break;
    case win::WM_LBUTTONUP: {
        bool wasPressed = m_pressed;
        m_pressed = false;
        DoMouseUp(TMouseButton::mbLeft, shift, x, y);
        win::RECT client = ClientRect();
        if (wasPressed && ClicksOnMouseUp() && x >= 0 && y >= 0 && x < client.right && y < client.bottom)
            Click();
        break;
    }
    case win::WM_RBUTTONUP: DoMouseUp(TMouseButton::mbRight, shift, x, y); break;
    case win::WM_MOUSEMOVE: DoMouseMove(shift, x, y); break;
    }
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDOWN: WMMouseDown(m); break;
    case win::WM_LBUTTONUP:
    case win::WM_RBUTTONUP:
    case win::WM_MOUSEMOVE: WMMouseUpOrMove(m); break;
    case win::WM_SETTEXT: WMSetText(reinterpret_cast<const char*>(m.LParam)); break;
    case CM_TEXTCHANGED: CMTextChanged(); break;
    case CM_MOUSEENTER: CMMouseEnter(); break;
    case CM_MOUSELEAVE: CMMouseLeave(); break;
    case CM_FONTCHANGED: FontChanged(); break;
    case CM_PARENTFONTCHANGED: ApplyParentFont(); break;
    case CM_PARENTCOLORCHANGED: ApplyParentColor(); break;
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED: Invalidate(); break;
    case win::WM_PAINT: Paint(reinterpret_cast<win::HDC>(m.WParam)); break;
    }
    DefaultHandler(m);
}

void TControl::WMMouseDown(TMessage& m) {
    if (Application)
        Application->Hints().CancelHint();
    if (m_enabled)
        MouseMessage(m);
}

void TControl::WMMouseUpOrMove(TMessage& m) {
    if (m_enabled)
        MouseMessage(m);
}

void TControl::WMSetText(const char* text) {
    m_caption = text ? text : "";
}

void TControl::CMTextChanged() {
    TextChanged();
    AdjustSize();
    Invalidate();
}

void TControl::CMMouseEnter() {
    m_mouseInControl = true;
    if (Application)
        Application->Hints().MouseEntered(this);
}

void TControl::CMMouseLeave() {
    m_mouseInControl = false;
    if (Application)
        Application->Hints().MouseLeft(this);
}

void TControl::DefaultHandler(TMessage&) {
}

TShiftState KeysToShiftState(win::WPARAM keys) {
    TShiftState s = 0;
    if (keys & win::MK_SHIFT)
        s |= ssShift;
    if (keys & win::MK_CONTROL)
        s |= ssCtrl;
    if (keys & win::MK_LBUTTON)
        s |= ssLeft;
    if (keys & win::MK_RBUTTON)
        s |= ssRight;
    if (keys & win::MK_MBUTTON)
        s |= ssMiddle;
    if (win::GetKeyState(win::VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (win::GetKeyState(win::VK_SHIFT) < 0)
        s |= ssShift;
    if (win::GetKeyState(win::VK_CONTROL) < 0)
        s |= ssCtrl;
    if (win::GetKeyState(win::VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

} // namespace tk
