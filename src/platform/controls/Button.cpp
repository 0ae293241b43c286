#include "platform/controls/Button.h"

#include <vector>

namespace win::controls {

namespace {

WindowData<ButtonState>& States() {
    static WindowData<ButtonState> d;
    return d;
}

POINT PointOf(LPARAM lp) {
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

bool Inside(HWND hwnd, POINT pt) {
    RECT rc = ClientRectOf(hwnd);
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

} // namespace

ButtonState* Button::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

LRESULT Button::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!StateOf(hwnd) && msg != WM_NCCREATE && msg != WM_CREATE)
        States().Create(hwnd);
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, wParam, lParam);
    case WM_CREATE: return OnCreate(hwnd);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, PointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd, PointOf(lParam));
    case WM_CAPTURECHANGED: return OnCaptureChanged(hwnd);
    case WM_MOUSELEAVE: return OnMouseLeave(hwnd);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, lParam);
    case WM_KEYUP: return OnKeyUp(hwnd, wParam);
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_ENABLE: return OnEnable(hwnd);
    case WM_SETTEXT: return OnSetText(hwnd, wParam, lParam);
    case WM_SETFONT: return OnSetFont(hwnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd)->font);
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd);
    case WM_NCHITTEST: return OnNcHitTest(hwnd, wParam, lParam);
    case BM_GETCHECK: return static_cast<LRESULT>(StateOf(hwnd)->check);
    case BM_SETCHECK: return OnSetCheck(hwnd, wParam);
    case BM_GETSTATE: return OnGetState(hwnd);
    case BM_SETSTATE: return OnSetState(hwnd, wParam != 0);
    case BM_SETSTYLE: return OnSetStyle(hwnd, static_cast<DWORD>(wParam), LOWORD(lParam) != 0);
    case BM_CLICK: return OnClickMessage(hwnd);
    case BM_GETIMAGE: return reinterpret_cast<LRESULT>(StateOf(hwnd)->image);
    case BM_SETIMAGE: return OnSetImage(hwnd, reinterpret_cast<HANDLE>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT Button::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Create(hwnd);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT Button::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT Button::OnMouseLeave(HWND hwnd) {
    StateOf(hwnd)->hot = false;
    return 0;
}

LRESULT Button::OnEnable(HWND hwnd) {
    Repaint(hwnd);
    return 0;
}

LRESULT Button::OnSetText(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProcA(hwnd, WM_SETTEXT, wParam, lParam);
    Repaint(hwnd);
    return r;
}

LRESULT Button::OnCreate(HWND hwnd) {
    StateOf(hwnd)->font = DefaultGuiFont();
    return 0;
}

LRESULT Button::OnPaint(HWND hwnd, HDC given) {
    ButtonState& st = *StateOf(hwnd);
    return PaintWith(hwnd, given, [&](HDC dc) { ButtonPainter::Paint(hwnd, dc, st); });
}

void Button::SetPushed(HWND hwnd, ButtonState& st, bool pushed) {
    if (st.pushed == pushed)
        return;
    st.pushed = pushed;
    Repaint(hwnd);
}

LRESULT Button::OnMouseDown(HWND hwnd, POINT) {
    if (Type(hwnd) == BS_GROUPBOX)
        return 0;
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    if (!IsWindow(hwnd))
        return 0;
    SetCapture(hwnd);
    ButtonState* st = StateOf(hwnd);
    if (!st)
        return 0;
    st->mouseDown = true;
    SetPushed(hwnd, *st, true);
    return 0;
}

LRESULT Button::OnMouseMove(HWND hwnd, POINT pt) {
    ButtonState& st = *StateOf(hwnd);
    if (!st.hot) {
        st.hot = true;
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = hwnd;
        TrackMouseEvent(&tme);
    }
    if (st.mouseDown && GetCapture() == hwnd)
        SetPushed(hwnd, st, Inside(hwnd, pt));
    return 0;
}

LRESULT Button::OnMouseUp(HWND hwnd, POINT pt) {
    ButtonState& st = *StateOf(hwnd);
    if (!st.mouseDown)
        return 0;
    st.mouseDown = false;
    const bool inside = Inside(hwnd, pt);
    SetPushed(hwnd, st, false);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (inside && IsWindow(hwnd))
        Click(hwnd);
    return 0;
}

LRESULT Button::OnCaptureChanged(HWND hwnd) {
    ButtonState& st = *StateOf(hwnd);
    if (st.mouseDown) {
        st.mouseDown = false;
        SetPushed(hwnd, st, false);
    }
    return 0;
}

LRESULT Button::OnKeyDown(HWND hwnd, WPARAM vk, LPARAM flags) {
    ButtonState& st = *StateOf(hwnd);
    if (vk == static_cast<WPARAM>(VK_SPACE) && Type(hwnd) != BS_GROUPBOX && !(flags & (1 << 30)) &&
        !st.mouseDown) {
        st.spaceDown = true;
        SetPushed(hwnd, st, true);
        return 0;
    }
    return DefWindowProcA(hwnd, WM_KEYDOWN, vk, flags);
}

LRESULT Button::OnKeyUp(HWND hwnd, WPARAM vk) {
    ButtonState& st = *StateOf(hwnd);
    if (vk == static_cast<WPARAM>(VK_SPACE) && st.spaceDown) {
        st.spaceDown = false;
        const bool wasPushed = st.pushed;
        SetPushed(hwnd, st, false);
        if (wasPushed)
            Click(hwnd);
    }
    return 0;
}

LRESULT Button::OnFocus(HWND hwnd, bool gained) {
    ButtonState& st = *StateOf(hwnd);
    st.focused = gained;
    if (!gained && (st.spaceDown || st.pushed) && !st.mouseDown) {
        st.spaceDown = false;
        st.pushed = false;
    }
    Repaint(hwnd);
    if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY)
        NotifyParent(hwnd, gained ? BN_SETFOCUS : BN_KILLFOCUS);
    return 0;
}

LRESULT Button::OnSetCheck(HWND hwnd, WPARAM check) {
    ButtonState& st = *StateOf(hwnd);
    const DWORD type = Type(hwnd);
    if (check > BST_INDETERMINATE)
        check = BST_CHECKED;
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE)
        check = BST_CHECKED;
    if (IsRadio(type)) {
        // A checked radio button is the group's tab stop.
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE,
                       check ? (style | static_cast<LONG>(WS_TABSTOP))
                             : (style & ~static_cast<LONG>(WS_TABSTOP)));
    }
    if (st.check != check) {
        st.check = check;
        Repaint(hwnd);
    }
    return 0;
}

LRESULT Button::OnGetState(HWND hwnd) {
    const ButtonState& st = *StateOf(hwnd);
    return static_cast<LRESULT>(st.check | (st.pushed ? BST_PUSHED : 0) | (st.focused ? BST_FOCUS : 0));
}

LRESULT Button::OnSetState(HWND hwnd, bool pushed) {
    SetPushed(hwnd, *StateOf(hwnd), pushed);
    return 0;
}

LRESULT Button::OnSetStyle(HWND hwnd, DWORD style, bool redraw) {
    LONG old = GetWindowLongA(hwnd, GWL_STYLE);
    SetWindowLongA(hwnd, GWL_STYLE,
                   static_cast<LONG>((static_cast<DWORD>(old) & ~0xFFFFu) | (style & 0xFFFFu)));
    if (redraw)
        Repaint(hwnd);
    return 0;
}

LRESULT Button::OnClickMessage(HWND hwnd) {
    if (!IsWindowEnabled(hwnd) || !IsWindowVisible(hwnd))
        return 0;
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    if (IsWindow(hwnd))
        SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
    return 0;
}

LRESULT Button::OnGetDlgCode(HWND hwnd) {
    const DWORD type = Type(hwnd);
    if (type == BS_GROUPBOX)
        return DLGC_STATIC;
    if (type == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (type == BS_PUSHBUTTON || type == BS_OWNERDRAW || type == BS_USERBUTTON)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (IsRadio(type))
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
}

LRESULT Button::OnNcHitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    // A group box lets clicks through to what lies inside it.
    if (Type(hwnd) == BS_GROUPBOX)
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT Button::OnSetFont(HWND hwnd, HFONT font, bool redraw) {
    StateOf(hwnd)->font = font;
    if (redraw)
        Repaint(hwnd);
    return 0;
}

LRESULT Button::OnSetImage(HWND hwnd, HANDLE image) {
    ButtonState& st = *StateOf(hwnd);
    HANDLE old = st.image;
    st.image = image;
    Repaint(hwnd);
    return reinterpret_cast<LRESULT>(old);
}

void Button::Click(HWND hwnd) {
    const DWORD type = Type(hwnd);
    ButtonState& st = *StateOf(hwnd);
    switch (type) {
    case BS_AUTOCHECKBOX: SendMessageA(hwnd, BM_SETCHECK, st.check ? BST_UNCHECKED : BST_CHECKED, 0); break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK,
                     st.check == BST_UNCHECKED ? BST_CHECKED
                     : st.check == BST_CHECKED ? BST_INDETERMINATE
                                               : BST_UNCHECKED,
                     0);
        break;
    case BS_AUTORADIOBUTTON: CheckRadioInGroup(hwnd); break;
    default: break;
    }
    if (IsWindow(hwnd))
        NotifyParent(hwnd, BN_CLICKED);
}

void Button::CheckRadioInGroup(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (!parent) {
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        return;
    }
    // Siblings in z-order (creation order); the group runs from a WS_GROUP window to the next one.
    std::vector<HWND> siblings;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        siblings.push_back(c);
    size_t me = 0;
    while (me < siblings.size() && siblings[me] != hwnd)
        ++me;
    if (me == siblings.size())
        return;
    size_t first = me;
    while (first > 0 && !(GetWindowLongA(siblings[first], GWL_STYLE) & WS_GROUP))
        --first;
    size_t last = me + 1;
    while (last < siblings.size() && !(GetWindowLongA(siblings[last], GWL_STYLE) & WS_GROUP))
        ++last;
    for (size_t i = first; i < last; ++i) {
        HWND w = siblings[i];
        if (w == hwnd || !IsWindow(w) ||
            SendMessageA(w, WM_GETDLGCODE, 0, 0) != (DLGC_BUTTON | DLGC_RADIOBUTTON))
            continue;
        if (Type(w) == BS_AUTORADIOBUTTON)
            SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Button::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls

namespace win {

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND b = GetDlgItem(dialog, id);
    if (!b)
        return FALSE;
    SendMessageA(b, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND b = GetDlgItem(dialog, id);
    return b ? static_cast<UINT>(SendMessageA(b, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (firstId > lastId)
        return FALSE;
    for (int id = firstId; id <= lastId; ++id)
        if (HWND b = GetDlgItem(dialog, id))
            SendMessageA(b, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

} // namespace win
