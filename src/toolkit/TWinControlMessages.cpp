// TWinControl's message handling: painting (its own window, then the window-less children), reflection of
// child notifications, mouse routing to window-less children with enter/leave tracking, keys and cursors.
#include "toolkit/TWinControl.h"

namespace tk {

namespace {
TControl*& MouseControl() {
    static TControl* control = nullptr;
    return control;
}
TControl*& CaptureControl() {
    static TControl* control = nullptr;
    return control;
}

const char* CursorResource(TCursor cursor) {
    switch (cursor) {
    case crHandPoint: return win::IDC_HAND;
    case crIBeam: return win::IDC_IBEAM;
    default: return win::IDC_ARROW;
    }
}
} // namespace

void ForgetMouseTarget(TControl* control) {
    if (MouseControl() == control)
        MouseControl() = nullptr;
    if (CaptureControl() == control)
        CaptureControl() = nullptr;
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case win::WM_PAINT: WMPaint(m); return;
    case win::WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case win::WM_COMMAND:
    case win::WM_CTLCOLORBTN:
    case win::WM_CTLCOLOREDIT:
    case win::WM_CTLCOLORSTATIC:
    case win::WM_CTLCOLORLISTBOX:
    case win::WM_CTLCOLORSCROLLBAR:
    case win::WM_HSCROLL:
    case win::WM_VSCROLL:
    case win::WM_NOTIFY: ReflectToChild(m); return;
    case win::WM_DRAWITEM: ReflectDrawItem(m); return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: CtlColor(m); return;
    case win::WM_SETCURSOR: WMSetCursor(m); return;
    case win::WM_MOUSELEAVE: TrackMouseOver(nullptr); break;
    case win::WM_WINDOWPOSCHANGED: UpdateBoundsFromWindow(); break;
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN: WMKeyDown(m); return;
    case win::WM_KEYUP: WMKeyUp(m); return;
    case win::WM_CHAR: WMChar(m); return;
    case win::WM_SETFOCUS: WMSetFocus(m); break;
    case win::WM_KILLFOCUS: WMKillFocus(m); break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED: Broadcast(m); return;
    case CM_RECREATEWND: CMRecreateWnd(); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(); return;
    case CM_COLORCHANGED: CMColorChanged(); return;
    case CM_FONTCHANGED: CMFontChanged(); return;
    case win::WM_MOUSEMOVE:
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
    case win::WM_RBUTTONDBLCLK:
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
    case win::WM_MBUTTONDBLCLK:
    case win::WM_MOUSEWHEEL: WMMouse(m); return;
    }
    TControl::WndProc(m);
}

// A key the form or the OnKeyDown handler takes ends here; otherwise the (possibly changed) key goes on.
void TWinControl::WMKeyDown(TMessage& m) {
    auto key = static_cast<win::WORD>(m.WParam);
    if (m.Msg == win::WM_KEYDOWN && DialogKey(key))
        return;
    if (DoKeyDown(key, KeyboardShiftState()))
        return;
    m.WParam = key;
    TControl::WndProc(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
    if (OnKeyUp) {
        auto key = static_cast<win::WORD>(m.WParam);
        OnKeyUp(this, key, KeyboardShiftState());
        if (key == 0)
            return;
        m.WParam = key;
    }
    TControl::WndProc(m);
}

void TWinControl::WMChar(TMessage& m) {
    auto key = static_cast<char32_t>(m.WParam);
    if (DoKeyPress(key))
        return;
    m.WParam = key;
    TControl::WndProc(m);
}

void TWinControl::WMMouse(TMessage& m) {
    if (m.Msg == win::WM_MOUSEMOVE)
        TrackMouseOver(ControlAtPos({win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)}, false));
    if (RouteMouseToChild(m))
        return;
    if (m.Msg == win::WM_MOUSEMOVE && MouseControl() == nullptr)
        TrackMouseOver(this);
    TControl::WndProc(m);
}

void TWinControl::CMVisibleChanged() {
    if (m_handle)
        win::SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                              (Visible() ? win::SWP_SHOWWINDOW : win::SWP_HIDEWINDOW));
}

void TWinControl::CMEnabledChanged() {
    if (m_handle)
        win::EnableWindow(m_handle, Enabled() ? win::TRUE : win::FALSE);
    Invalidate();
}

void TWinControl::CMColorChanged() {
    if (m_brush) {
        win::DeleteObject(m_brush);
        m_brush = nullptr;
    }
    Invalidate();
    for (TControl* child : m_controls)
        child->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged() {
    if (m_handle)
        win::SendMessageA(m_handle, win::WM_SETFONT, reinterpret_cast<win::WPARAM>(Font()->Handle()), 1);
    FontChanged();
    for (TControl* child : m_controls)
        child->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::WMPaint(TMessage& m) {
    bool native = m_defWndProc != &win::DefWindowProcA;
    if (native && !std::any_of(m_controls.begin(), m_controls.end(),
                               [](TControl* c) { return !dynamic_cast<TWinControl*>(c); })) {
        DefaultHandler(m);
        return;
    }
    if (m.WParam) {
        auto dc = reinterpret_cast<win::HDC>(m.WParam);
        PaintWindow(dc);
        PaintControls(dc);
        return;
    }
    win::PAINTSTRUCT ps{};
    win::HDC dc = win::BeginPaint(m_handle, &ps);
    if (!dc)
        return;
    PaintWindow(dc);
    PaintControls(dc);
    win::EndPaint(m_handle, &ps);
}

void TWinControl::PaintControls(win::HDC dc, TControl* first) {
    bool started = first == nullptr;
    win::RECT clip{};
    win::GetClipBox(dc, &clip);
    for (TControl* c : m_controls) {
        if (!started) {
            started = c == first;
            if (!started)
                continue;
        }
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        win::RECT r = c->BoundsRect();
        if (r.right <= clip.left || r.left >= clip.right || r.bottom <= clip.top || r.top >= clip.bottom)
            continue;
        int saved = win::SaveDC(dc);
        win::OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        win::IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(dc), 0);
        win::RestoreDC(dc, saved);
    }
}

win::HBRUSH TWinControl::Brush() {
    if (!m_brush)
        m_brush = win::CreateSolidBrush(ColorToRGB(Color()));
    return m_brush;
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    if (m_defWndProc != &win::DefWindowProcA) {
        DefaultHandler(m);
        return;
    }
    auto dc = reinterpret_cast<win::HDC>(m.WParam);
    win::RECT r = ClientRect();
    win::FillRect(dc, &r, Brush());
    m.Result = 1;
}

void TWinControl::CtlColor(TMessage& m) {
    auto dc = reinterpret_cast<win::HDC>(m.WParam);
    win::SetTextColor(dc, ColorToRGB(Font()->Color()));
    win::SetBkColor(dc, ColorToRGB(Color()));
    m.Result = reinterpret_cast<win::LRESULT>(Brush());
}

// WM_NOTIFY names its sender in the header; the others carry the child's window in lParam.
void TWinControl::ReflectToChild(TMessage& m) {
    auto child = reinterpret_cast<win::HWND>(m.LParam);
    if (m.Msg == win::WM_NOTIFY)
        child = m.LParam ? reinterpret_cast<const win::NMHDR*>(m.LParam)->hwndFrom : nullptr;
    if (TWinControl* control = FindControl(child); control && control != this) {
        m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
        return;
    }
    DefaultHandler(m);
}

void TWinControl::ReflectDrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const win::DRAWITEMSTRUCT*>(m.LParam);
    if (item && item->CtlType != win::ODT_MENU)
        if (TWinControl* control = FindControl(item->hwndItem); control && control != this) {
            m.Result = control->Perform(CN_BASE + win::WM_DRAWITEM, m.WParam, m.LParam);
            return;
        }
    DefaultHandler(m);
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
    win::POINT p{win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)};
    TControl* target = CaptureControl();
    if (target && target->Parent() != this)
        target = nullptr;
    if (!target)
        target = ControlAtPos(p, false);
    if (!target)
        return false;
    bool down =
        m.Msg == win::WM_LBUTTONDOWN || m.Msg == win::WM_RBUTTONDOWN || m.Msg == win::WM_LBUTTONDBLCLK;
    bool up = m.Msg == win::WM_LBUTTONUP || m.Msg == win::WM_RBUTTONUP;
    if (down) {
        CaptureControl() = target;
        win::SetCapture(m_handle);
    }
    // The release ends the capture before the control hears of it: its click may open a modal window, which
    // must get the next press itself.
    if (up && CaptureControl() == target) {
        CaptureControl() = nullptr;
        if (win::GetCapture() == m_handle)
            win::ReleaseCapture();
    }
    win::POINT local{p.x - target->Left(), p.y - target->Top()};
    m.Result = target->Perform(
        m.Msg, m.WParam, win::MAKELPARAM(static_cast<win::WORD>(local.x), static_cast<win::WORD>(local.y)));
    return true;
}

void TWinControl::TrackMouseOver(TControl* over) {
    TControl*& current = MouseControl();
    if (over == current)
        return;
    TControl* previous = current;
    current = over;
    if (previous)
        previous->Perform(CM_MOUSELEAVE);
    if (over) {
        over->Perform(CM_MOUSEENTER);
        win::TRACKMOUSEEVENT tme{};
        tme.cbSize = sizeof tme;
        tme.dwFlags = win::TME_LEAVE;
        tme.hwndTrack = m_handle;
        win::TrackMouseEvent(&tme);
    }
}

void TWinControl::WMSetCursor(TMessage& m) {
    if (win::LOWORD(static_cast<win::DWORD_PTR>(m.LParam)) == win::HTCLIENT &&
        reinterpret_cast<win::HWND>(m.WParam) == m_handle) {
        win::POINT p{};
        win::GetCursorPos(&p);
        p = ScreenToClient(p);
        TControl* over = ControlAtPos(p, true);
        TCursor cursor = over ? over->Cursor() : Cursor();
        if (cursor != crDefault) {
            win::SetCursor(win::LoadCursorA(nullptr, CursorResource(cursor)));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage&) {
    Perform(CM_ENTER);
    if (OnEnter)
        OnEnter(this);
    TMessage changed{CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(static_cast<TWinControl*>(this)), 0};
    RootControl()->WindowProc(changed);
}

void TWinControl::WMKillFocus(TMessage&) {
    Perform(CM_EXIT);
    if (OnExit)
        OnExit(this);
}

// Return, Escape and Tab belong to the form (default and cancel buttons, moving the focus) unless the focused
// window asks for every key itself.
bool TWinControl::DialogKey(win::WORD key) {
    if (key != win::VK_RETURN && key != win::VK_ESCAPE && key != win::VK_TAB)
        return false;
    if (m_handle && (win::SendMessageA(m_handle, win::WM_GETDLGCODE, key, 0) & win::DLGC_WANTALLKEYS))
        return false;
    if (key == win::VK_TAB && m_handle &&
        (win::SendMessageA(m_handle, win::WM_GETDLGCODE, key, 0) & win::DLGC_WANTTAB))
        return false;
    TWinControl* root = RootControl();
    return root->Perform(CM_DIALOGKEY, key, 0) != 0;
}

bool TWinControl::DoKeyDown(win::WORD& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char32_t& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
    return key == 0;
}

} // namespace tk
