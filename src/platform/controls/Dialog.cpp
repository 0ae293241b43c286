#include "platform/controls/Dialog.h"

#include <cctype>
#include <vector>

namespace win::controls {

namespace {

WindowData<DialogState>& States() {
    static WindowData<DialogState> d;
    return d;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        out.push_back(c);
    return out;
}

bool Usable(HWND w) {
    return IsWindowVisible(w) && IsWindowEnabled(w);
}
DWORD StyleOf(HWND w) {
    return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE));
}

void FocusControl(HWND control) {
    if (!control)
        return;
    SetFocus(control);
    if (IsWindow(control) && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
        SendMessageA(control, EM_SETSEL, 0, -1);
}

// The accelerator letter of a control's text ("&x"), lower case; 0 when there is none.
char32_t MnemonicOf(HWND w) {
    const std::string text = WindowText(w);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i + 1]);
        return c < 0x80 ? static_cast<char32_t>(std::tolower(c)) : Utf8ToU32(text.substr(i + 1))[0];
    }
    return 0;
}

// A typed letter that names a button of the dialog clicks it.
bool ClickByMnemonic(HWND dialog, char32_t ch) {
    if (ch < 0x20)
        return false;
    const char32_t key = ch < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch;
    for (HWND c : Children(dialog)) {
        if (!Usable(c) || !(SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) || MnemonicOf(c) != key)
            continue;
        SendMessageA(c, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

} // namespace

DialogState* Dialog::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

void Dialog::FocusFirst(HWND hwnd) {
    DialogState* st = StateOf(hwnd);
    if (st && st->defId) {
        HWND def = GetDlgItem(hwnd, st->defId);
        if (def && Usable(def)) {
            SetFocus(def);
            return;
        }
    }
    HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (first)
        FocusControl(first);
    else
        SetFocus(hwnd);
}

LRESULT Dialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: return OnNcCreate(hwnd, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBkgnd(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: return OnCommand(hwnd, LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE: return OnClose(hwnd);
    case WM_ACTIVATE: return OnActivate(hwnd, LOWORD(wParam));
    case WM_SETFOCUS: return OnSetFocus(hwnd);
    case DM_GETDEFID: return OnGetDefId(hwnd);
    case DM_SETDEFID: return OnSetDefId(hwnd, static_cast<int>(wParam));
    case WM_NEXTDLGCTL: return OnNextDlgCtl(hwnd, wParam, LOWORD(lParam) != 0);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT Dialog::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Create(hwnd);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT Dialog::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT Dialog::OnSetFocus(HWND hwnd) {
    FocusFirst(hwnd);
    return 0;
}

LRESULT Dialog::OnGetDefId(HWND hwnd) {
    DialogState* st = StateOf(hwnd);
    return st && st->defId ? MAKELRESULT(static_cast<WORD>(st->defId), DC_HASDEFID) : 0;
}

LRESULT Dialog::OnEraseBkgnd(HWND hwnd, HDC dc) {
    if (!dc)
        return 0;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(hwnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    RECT rc = ClientRectOf(hwnd);
    FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    return 1;
}

LRESULT Dialog::OnCommand(HWND hwnd, WORD id, WORD code) {
    DialogState* st = StateOf(hwnd);
    if (!st || code != BN_CLICKED)
        return 0;
    if (st->messageBox) {
        if (id == IDCANCEL && !GetDlgItem(hwnd, IDCANCEL)) {
            // Escape or closing a box without Cancel: only a box with a lone OK button answers (IDOK).
            if ((st->boxType & MB_TYPEMASK) != MB_OK)
                return 0;
            id = IDOK;
        }
        HWND button = GetDlgItem(hwnd, id);
        if (button && IsWindowEnabled(button))
            EndDialog(hwnd, id);
        return 0;
    }
    if (st->inLoop && (id == IDOK || id == IDCANCEL))
        EndDialog(hwnd, id);
    return 0;
}

LRESULT Dialog::OnClose(HWND hwnd) {
    HWND cancel = GetDlgItem(hwnd, IDCANCEL);
    if (!cancel || IsWindowEnabled(cancel))
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    return 0;
}

LRESULT Dialog::OnActivate(HWND hwnd, WORD state) {
    DialogState* st = StateOf(hwnd);
    if (!st)
        return 0;
    if (state == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(hwnd, f))
            st->savedFocus = f;
        return 0;
    }
    if (st->savedFocus && IsWindow(st->savedFocus) && IsChild(hwnd, st->savedFocus))
        SetFocus(st->savedFocus);
    else
        FocusFirst(hwnd);
    return 0;
}

LRESULT Dialog::OnSetDefId(HWND hwnd, int id) {
    DialogState* st = StateOf(hwnd);
    if (!st)
        return FALSE;
    if (HWND old = GetDlgItem(hwnd, st->defId))
        if (SendMessageA(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    st->defId = id;
    if (HWND now = GetDlgItem(hwnd, id))
        if (SendMessageA(now, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)
            SendMessageA(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    return TRUE;
}

LRESULT Dialog::OnNextDlgCtl(HWND hwnd, WPARAM wParam, bool handle) {
    HWND target = handle ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
    if (target && IsWindow(target) && IsChild(hwnd, target))
        FocusControl(target);
    return 0;
}

} // namespace win::controls

namespace win {

using namespace controls;

LRESULT DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Dialog::Proc(dialog, msg, wParam, lParam);
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog))
        return nullptr;
    const std::vector<HWND> kids = Children(dialog);
    std::vector<HWND> stops;
    for (HWND c : kids)
        if (Usable(c) && (StyleOf(c) & WS_TABSTOP))
            stops.push_back(c);
    if (stops.empty())
        return nullptr;
    if (!control)
        return previous ? stops.back() : stops.front();
    size_t at = stops.size();
    for (size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == control)
            at = i;
    if (at == stops.size()) {
        // A control that is no tab stop: start from its place among all children.
        size_t pos = 0;
        while (pos < kids.size() && kids[pos] != control)
            ++pos;
        for (size_t k = 0; k < kids.size(); ++k) {
            const size_t i =
                previous ? (pos + kids.size() - 1 - k) % kids.size() : (pos + 1 + k) % kids.size();
            for (HWND s : stops)
                if (s == kids[i])
                    return s;
        }
        return stops.front();
    }
    return stops[previous ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size()];
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog))
        return nullptr;
    const std::vector<HWND> kids = Children(dialog);
    size_t me = 0;
    while (me < kids.size() && kids[me] != control)
        ++me;
    if (me == kids.size())
        return GetNextDlgTabItem(dialog, nullptr, FALSE);
    size_t first = me;
    while (first > 0 && !(StyleOf(kids[first]) & WS_GROUP))
        --first;
    size_t last = me + 1;
    while (last < kids.size() && !(StyleOf(kids[last]) & WS_GROUP))
        ++last;
    const size_t n = last - first;
    for (size_t k = 1; k < n; ++k) {
        const size_t off = previous ? (me - first + n - k) % n : (me - first + k) % n;
        HWND c = kids[first + off];
        if (Usable(c))
            return c;
    }
    return control;
}

BOOL IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!IsWindow(dialog) || !msg || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) {
        const LRESULT code =
            SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        if (msg->message == WM_KEYDOWN && !(code & DLGC_WANTMESSAGE)) {
            HWND focus = GetFocus();
            switch (msg->wParam) {
            case VK_TAB:
                if (code & DLGC_WANTTAB)
                    break;
                FocusControl(GetNextDlgTabItem(dialog, focus, shift));
                return TRUE;
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN: {
                if (code & DLGC_WANTARROWS)
                    break;
                const bool back =
                    msg->wParam == static_cast<WPARAM>(VK_LEFT) || msg->wParam == static_cast<WPARAM>(VK_UP);
                HWND next = GetNextDlgGroupItem(dialog, focus, back);
                if (next && next != focus) {
                    SetFocus(next);
                    if (IsWindow(next) && (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
                        SendMessageA(next, BM_CLICK, 0, 0);
                }
                return TRUE;
            }
            case VK_RETURN: {
                const LRESULT fc =
                    focus && IsChild(dialog, focus) ? SendMessageA(focus, WM_GETDLGCODE, 0, 0) : 0;
                int id;
                HWND button;
                if ((fc & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && IsWindowEnabled(focus)) {
                    id = GetDlgCtrlID(focus);
                    button = focus;
                } else {
                    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
                    id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
                    button = GetDlgItem(dialog, id);
                    if (button && !IsWindowEnabled(button))
                        return TRUE;
                }
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
                return TRUE;
            }
            case VK_ESCAPE:
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                return TRUE;
            default: break;
            }
        }
        if (msg->message == WM_CHAR && !(code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) {
            if (msg->wParam == U'\t' || msg->wParam == U'\r' || msg->wParam == U'\x1B')
                return TRUE;
            if (ClickByMnemonic(dialog, static_cast<char32_t>(msg->wParam)))
                return TRUE;
        }
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

INT_PTR RunDialogLoop(HWND dialog) {
    DialogState* st = Dialog::StateOf(dialog);
    if (!IsWindow(dialog) || !st || st->inLoop) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    st->inLoop = true;
    st->ended = false;
    HWND owner = GetWindow(dialog, GW_OWNER);
    const bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner)
        EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    if (IsWindow(dialog)) {
        SetActiveWindow(dialog);
        Dialog::FocusFirst(dialog);
    }
    INT_PTR result = -1;
    MSG m;
    while (IsWindow(dialog)) {
        st = Dialog::StateOf(dialog);
        if (!st || st->ended) {
            if (st)
                result = st->result;
            break;
        }
        const BOOL r = GetMessageA(&m, nullptr, 0, 0);
        if (r == 0) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (r < 0)
            break;
        if (CallMsgFilterA(&m, MSGF_DIALOGBOX))
            continue;
        if (!IsDialogMessageA(dialog, &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    if (disabledOwner && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) {
        if (DialogState* s = Dialog::StateOf(dialog))
            s->inLoop = false;
        if (GetActiveWindow() == dialog && owner && IsWindow(owner))
            SetActiveWindow(owner);
        ShowWindow(dialog, SW_HIDE);
    }
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState* st = Dialog::StateOf(dialog);
    if (!st) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    st->ended = true;
    st->result = result;
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

} // namespace win
