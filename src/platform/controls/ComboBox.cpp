#include "platform/controls/ComboBox.h"
#include "platform/controls/ListBox.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

WindowData<ComboState>& States() {
    static WindowData<ComboState> d;
    return d;
}

constexpr int kEditId = 1001;

DWORD Kind(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 3;
}

int ClosedHeight(HWND hwnd) {
    return ListBox::ItemHeight(ComboBox::StateOf(hwnd)->list) + 6;
}

} // namespace

ComboState* ComboBox::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

void ComboListDone(HWND combo, bool accept) {
    if (ComboBox::StateOf(combo))
        ComboBox::CloseUp(combo, accept);
}

LRESULT ComboBox::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    ComboState* st = StateOf(hwnd);
    if (!st)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: return OnCreate(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY: return OnDestroy(hwnd);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, false);
    case WM_SYSKEYDOWN: return OnSysKeyDown(hwnd, wParam, lParam);
    case WM_CHAR: return OnChar(hwnd, static_cast<char32_t>(wParam));
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_ENABLE: return OnEnable(hwnd);
    case WM_SETFONT: return OnSetFont(hwnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(st->font);
    case WM_GETTEXT: return OnGetText(hwnd, static_cast<int>(wParam), reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH: return OnGetTextLength(hwnd);
    case WM_SETTEXT: return OnSetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_COMMAND: return OnCommand(hwnd, wParam, lParam);
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd);
    case CB_ADDSTRING: return ToList(hwnd, LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING: return ToList(hwnd, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING: return ToList(hwnd, LB_DELETESTRING, wParam, lParam);
    case CB_RESETCONTENT: return OnReset(hwnd);
    case CB_GETCOUNT: return ToList(hwnd, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL: return ToList(hwnd, LB_GETCURSEL, 0, 0);
    case CB_SETCURSEL: return OnSetCurSel(hwnd, wParam);
    case CB_GETLBTEXT: return ToList(hwnd, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN: return ToList(hwnd, LB_GETTEXTLEN, wParam, lParam);
    case CB_GETITEMDATA: return ToList(hwnd, LB_GETITEMDATA, wParam, lParam);
    case CB_SETITEMDATA: return ToList(hwnd, LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRING: return ToList(hwnd, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT: return ToList(hwnd, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: return OnSelectString(hwnd, wParam, reinterpret_cast<LPCSTR>(lParam));
    case CB_SHOWDROPDOWN: return OnShowDropDown(hwnd, wParam != 0);
    case CB_GETDROPPEDSTATE: return st->dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: return OnDroppedRect(hwnd, reinterpret_cast<RECT*>(lParam));
    case CB_LIMITTEXT: return OnLimitText(hwnd, wParam);
    case CB_GETEDITSEL: return OnGetEditSel(hwnd, wParam, lParam);
    case CB_SETEDITSEL: return OnSetEditSel(hwnd, lParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ComboBox::OnDestroy(HWND hwnd) {
    ComboState& st = *StateOf(hwnd);
    if (st.list && IsWindow(st.list))
        DestroyWindow(st.list);
    st.list = nullptr;
    return 0;
}

LRESULT ComboBox::OnReset(HWND hwnd) {
    LRESULT r = ToList(hwnd, LB_RESETCONTENT, 0, 0);
    SyncEdit(hwnd);
    return r;
}

LRESULT ComboBox::OnSelectString(HWND hwnd, WPARAM start, LPCSTR text) {
    LRESULT i = ToList(hwnd, LB_FINDSTRING, start, reinterpret_cast<LPARAM>(text));
    return i == CB_ERR ? CB_ERR : OnSetCurSel(hwnd, static_cast<WPARAM>(i));
}

LRESULT ComboBox::OnShowDropDown(HWND hwnd, bool show) {
    if (show)
        DropDown(hwnd);
    else
        CloseUp(hwnd, false);
    return TRUE;
}

LRESULT ComboBox::OnSetEditSel(HWND hwnd, LPARAM range) {
    ComboState& st = *StateOf(hwnd);
    if (!st.edit)
        return CB_ERR;
    SendMessageA(st.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(range))),
                 static_cast<SHORT>(HIWORD(range)));
    return TRUE;
}

LRESULT ComboBox::OnCreate(HWND hwnd, const CREATESTRUCTA* cs) {
    ComboState& st = *StateOf(hwnd);
    st.droppedHeight = cs ? std::max(cs->cy, 0) : 100;
    st.list = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "ComboLBox", "",
                              WS_POPUP | WS_BORDER | LBS_COMBOBOX | LBS_NOTIFY, 0, 0, 10, 10, hwnd, nullptr,
                              nullptr, nullptr);
    if (!st.list)
        return -1;
    ListBox::AttachCombo(st.list, hwnd);
    const int width = cs ? cs->cx : 100;
    SetWindowPos(hwnd, nullptr, 0, 0, width, ClosedHeight(hwnd), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (Kind(hwnd) == CBS_DROPDOWN || Kind(hwnd) == CBS_SIMPLE) {
        RECT rc = ClientRectOf(hwnd);
        const RECT b = ButtonRect(hwnd);
        st.edit = CreateWindowExA(0, "edit", cs && cs->lpszName ? cs->lpszName : "",
                                  WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 3, 3, std::max<LONG>(1, b.left - 4),
                                  std::max<LONG>(1, rc.bottom - 6), hwnd, reinterpret_cast<HMENU>(kEditId),
                                  nullptr, nullptr);
    }
    return 0;
}

RECT ComboBox::ButtonRect(HWND hwnd) {
    RECT rc = ClientRectOf(hwnd);
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{std::max<LONG>(2, rc.right - 2 - w), 2, std::max<LONG>(2, rc.right - 2),
                std::max<LONG>(2, rc.bottom - 2)};
}

std::string ComboBox::SelectedText(HWND hwnd) {
    ComboState& st = *StateOf(hwnd);
    const LRESULT sel = SendMessageA(st.list, LB_GETCURSEL, 0, 0);
    const LRESULT len = sel < 0 ? LB_ERR : SendMessageA(st.list, LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0);
    if (len < 0)
        return {};
    std::string s(static_cast<size_t>(len) + 1, '\0');
    SendMessageA(st.list, LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(len));
    return s;
}

LRESULT ComboBox::ToList(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ComboState& st = *StateOf(hwnd);
    if (!st.list)
        return CB_ERR;
    LRESULT r = SendMessageA(st.list, msg, wParam, lParam);
    if (msg == LB_DELETESTRING || msg == LB_INSERTSTRING || msg == LB_ADDSTRING)
        InvalidateRect(hwnd, nullptr, FALSE);
    return r;
}

void ComboBox::SyncEdit(HWND hwnd) {
    ComboState& st = *StateOf(hwnd);
    if (st.edit) {
        const std::string text = SelectedText(hwnd);
        SetWindowTextA(st.edit, text.c_str());
        SendMessageA(st.edit, EM_SETSEL, 0, -1);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT ComboBox::OnSetCurSel(HWND hwnd, WPARAM index) {
    LRESULT r = ToList(hwnd, LB_SETCURSEL, index, 0);
    SyncEdit(hwnd);
    return r;
}

void ComboBox::UserSelect(HWND hwnd, int index) {
    ComboState& st = *StateOf(hwnd);
    const int count = static_cast<int>(SendMessageA(st.list, LB_GETCOUNT, 0, 0));
    if (count == 0)
        return;
    index = std::clamp(index, 0, count - 1);
    if (index == SendMessageA(st.list, LB_GETCURSEL, 0, 0))
        return;
    SendMessageA(st.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SyncEdit(hwnd);
    UpdateWindow(hwnd);
    NotifyParent(hwnd, CBN_SELCHANGE);
}

void ComboBox::DropDown(HWND hwnd) {
    ComboState& st = *StateOf(hwnd);
    if (st.dropped || !st.list)
        return;
    NotifyParent(hwnd, CBN_DROPDOWN);
    if (!IsWindow(hwnd) || !StateOf(hwnd))
        return;
    st.selAtDrop = static_cast<int>(SendMessageA(st.list, LB_GETCURSEL, 0, 0));
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int itemH = ListBox::ItemHeight(st.list);
    const int count = static_cast<int>(SendMessageA(st.list, LB_GETCOUNT, 0, 0));
    const int room = std::max(itemH, st.droppedHeight - (wr.bottom - wr.top));
    int h = std::min(std::max(1, count) * itemH, std::max(itemH, room / itemH * itemH)) + 2;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(st.list, GWL_STYLE));
    const bool needBar = count * itemH + 2 > h;
    SetWindowLongA(st.list, GWL_STYLE, static_cast<LONG>(needBar ? style | WS_VSCROLL : style & ~WS_VSCROLL));
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    int y = wr.bottom;
    if (y + h > screenH && wr.top - h >= 0)
        y = wr.top - h;
    st.dropped = true;
    SetWindowPos(st.list, HWND_TOPMOST, wr.left, y, wr.right - wr.left, h,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    ListBox::EnsureVisible(st.list, st.selAtDrop);
    SetCapture(st.list);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ComboBox::CloseUp(HWND hwnd, bool accept) {
    ComboState* st = StateOf(hwnd);
    if (!st || !st->dropped)
        return;
    st->dropped = false;
    if (GetCapture() == st->list)
        ReleaseCapture();
    ShowWindow(st->list, SW_HIDE);
    const int sel = static_cast<int>(SendMessageA(st->list, LB_GETCURSEL, 0, 0));
    if (accept) {
        if (sel != st->selAtDrop) {
            SyncEdit(hwnd);
            NotifyParent(hwnd, CBN_SELCHANGE);
        }
        if (IsWindow(hwnd))
            NotifyParent(hwnd, CBN_SELENDOK);
    } else {
        SendMessageA(st->list, LB_SETCURSEL, static_cast<WPARAM>(st->selAtDrop), 0);
        NotifyParent(hwnd, CBN_SELENDCANCEL);
    }
    if (IsWindow(hwnd)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyParent(hwnd, CBN_CLOSEUP);
    }
}

LRESULT ComboBox::OnMouseDown(HWND hwnd, POINT pt) {
    ComboState& st = *StateOf(hwnd);
    HWND focusTarget = st.edit ? st.edit : hwnd;
    if (GetFocus() != focusTarget)
        SetFocus(focusTarget);
    if (!IsWindow(hwnd) || !StateOf(hwnd))
        return 0;
    RECT b = ButtonRect(hwnd);
    if (Kind(hwnd) == CBS_DROPDOWNLIST || PtInRect(&b, pt)) {
        if (StateOf(hwnd)->dropped)
            CloseUp(hwnd, false);
        else
            DropDown(hwnd);
    }
    return 0;
}

LRESULT ComboBox::OnKeyDown(HWND hwnd, WPARAM vk, bool alt) {
    ComboState& st = *StateOf(hwnd);
    if (vk == static_cast<WPARAM>(VK_F4) || alt) {
        if (st.dropped)
            CloseUp(hwnd, true);
        else
            DropDown(hwnd);
        return 0;
    }
    if (st.dropped) {
        switch (vk) {
        case VK_RETURN: CloseUp(hwnd, true); return 0;
        case VK_ESCAPE: CloseUp(hwnd, false); return 0;
        default: return SendMessageA(st.list, WM_KEYDOWN, vk, 0);
        }
    }
    const int sel = static_cast<int>(SendMessageA(st.list, LB_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageA(st.list, LB_GETCOUNT, 0, 0));
    switch (vk) {
    case VK_UP:
    case VK_LEFT: UserSelect(hwnd, sel < 0 ? 0 : sel - 1); break;
    case VK_DOWN:
    case VK_RIGHT: UserSelect(hwnd, sel + 1); break;
    case VK_HOME: UserSelect(hwnd, 0); break;
    case VK_END: UserSelect(hwnd, count - 1); break;
    default: break;
    }
    return 0;
}

LRESULT ComboBox::OnChar(HWND hwnd, char32_t ch) {
    ComboState& st = *StateOf(hwnd);
    if (Kind(hwnd) != CBS_DROPDOWNLIST || ch < 0x20 || ch > 0x7E)
        return 0;
    const char key[2] = {static_cast<char>(ch), '\0'};
    const LRESULT sel = SendMessageA(st.list, LB_GETCURSEL, 0, 0);
    const LRESULT found =
        SendMessageA(st.list, LB_FINDSTRING, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(key));
    if (found >= 0) {
        if (st.dropped)
            SendMessageA(st.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
        else
            UserSelect(hwnd, static_cast<int>(found));
    }
    return 0;
}

LRESULT ComboBox::OnFocus(HWND hwnd, bool gained) {
    ComboState& st = *StateOf(hwnd);
    st.focused = gained;
    if (!gained)
        CloseUp(hwnd, false);
    if (gained && st.edit) {
        SetFocus(st.edit);
        return 0;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyParent(hwnd, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
    return 0;
}

LRESULT ComboBox::OnGetText(HWND hwnd, int size, LPSTR buffer) {
    ComboState& st = *StateOf(hwnd);
    if (st.edit)
        return GetWindowTextA(st.edit, buffer, size);
    if (!buffer || size <= 0)
        return 0;
    const std::string s = SelectedText(hwnd);
    const size_t n = std::min(s.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT ComboBox::OnGetTextLength(HWND hwnd) {
    ComboState& st = *StateOf(hwnd);
    return st.edit ? GetWindowTextLengthA(st.edit) : static_cast<LRESULT>(SelectedText(hwnd).size());
}

LRESULT ComboBox::OnSetText(HWND hwnd, LPCSTR text) {
    ComboState& st = *StateOf(hwnd);
    if (st.edit)
        return SetWindowTextA(st.edit, text);
    const LRESULT i =
        SendMessageA(st.list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (i < 0)
        return CB_ERR;
    OnSetCurSel(hwnd, static_cast<WPARAM>(i));
    return TRUE;
}

LRESULT ComboBox::OnSetFont(HWND hwnd, HFONT font, bool redraw) {
    ComboState& st = *StateOf(hwnd);
    st.font = font;
    SendMessageA(st.list, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (st.edit)
        SendMessageA(st.edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(hwnd),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (st.edit) {
        const RECT b = ButtonRect(hwnd);
        MoveWindow(st.edit, 3, 3, std::max<LONG>(1, b.left - 4), std::max(1, ClosedHeight(hwnd) - 6), TRUE);
    }
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ComboBox::OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    ComboState& st = *StateOf(hwnd);
    if (st.edit && reinterpret_cast<HWND>(lParam) == st.edit) {
        switch (HIWORD(wParam)) {
        case EN_CHANGE: NotifyParent(hwnd, CBN_EDITCHANGE); break;
        case EN_UPDATE: NotifyParent(hwnd, CBN_EDITUPDATE); break;
        case EN_SETFOCUS: NotifyParent(hwnd, CBN_SETFOCUS); break;
        case EN_KILLFOCUS:
            CloseUp(hwnd, false);
            NotifyParent(hwnd, CBN_KILLFOCUS);
            break;
        default: break;
        }
    }
    return 0;
}

LRESULT ComboBox::OnDroppedRect(HWND hwnd, RECT* rect) {
    if (!rect)
        return CB_ERR;
    GetWindowRect(hwnd, rect);
    rect->bottom = rect->top + StateOf(hwnd)->droppedHeight;
    return TRUE;
}

LRESULT ComboBox::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void ComboBox::Draw(HWND hwnd, HDC dc) {
    ComboState& st = *StateOf(hwnd);
    const int saved = SaveDC(dc);
    SelectObject(dc, st.font ? st.font : DefaultGuiFont());
    const bool enabled = IsWindowEnabled(hwnd) != 0;
    HBRUSH bg = ControlBrush(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    const COLORREF text = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    RECT rc = ClientRectOf(hwnd);
    RECT edge = rc;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(dc, &edge, bg);
    RECT b = ButtonRect(hwnd);
    DrawFrameControl(dc, &b, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (st.dropped ? DFCS_PUSHED | DFCS_FLAT : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
    if (!st.edit) {
        RECT t{edge.left + 1, edge.top + 1, b.left - 1, edge.bottom - 1};
        const bool focusLook = st.focused && !st.dropped;
        if (focusLook)
            FillRect(dc, &t, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, focusLook ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        RECT tt = t;
        tt.left += 2;
        const std::string s = SelectedText(hwnd);
        DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &tt, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (focusLook)
            DrawFocusRect(dc, &t);
    }
    RestoreDC(dc, saved);
}

LRESULT ComboBox::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Create(hwnd).font = DefaultGuiFont();
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT ComboBox::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

// Alt+Down and Alt+Up open and close the list; other Alt keys go to the default procedure.
LRESULT ComboBox::OnSysKeyDown(HWND hwnd, WPARAM vk, LPARAM lParam) {
    if (vk == static_cast<WPARAM>(VK_DOWN) || vk == static_cast<WPARAM>(VK_UP))
        return OnKeyDown(hwnd, vk, true);
    return DefWindowProcA(hwnd, WM_SYSKEYDOWN, vk, lParam);
}

LRESULT ComboBox::OnEnable(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ComboBox::OnGetDlgCode(HWND hwnd) {
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (StateOf(hwnd)->dropped ? DLGC_WANTALLKEYS : 0);
}

LRESULT ComboBox::OnLimitText(HWND hwnd, WPARAM limit) {
    HWND edit = StateOf(hwnd)->edit;
    return edit ? SendMessageA(edit, EM_LIMITTEXT, limit, 0) : FALSE;
}

LRESULT ComboBox::OnGetEditSel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    HWND edit = StateOf(hwnd)->edit;
    return edit ? SendMessageA(edit, EM_GETSEL, wParam, lParam) : CB_ERR;
}

LRESULT ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ComboBox::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls

namespace win {

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
    controls::ComboState* st = IsWindow(combo) ? controls::ComboBox::StateOf(combo) : nullptr;
    if (!st || !info || info->cbSize != sizeof(COMBOBOXINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    RECT rc;
    GetClientRect(combo, &rc);
    info->rcButton = controls::ComboBox::ButtonRect(combo);
    info->rcItem = RECT{3, 3, info->rcButton.left - 1, rc.bottom - 3};
    info->stateButton = st->dropped ? STATE_SYSTEM_PRESSED : 0;
    info->hwndCombo = combo;
    info->hwndItem = st->edit ? st->edit : combo;
    info->hwndList = st->list;
    return TRUE;
}

} // namespace win
