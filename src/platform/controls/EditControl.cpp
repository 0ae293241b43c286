#include "platform/controls/EditControl.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win::controls {

namespace {

WindowData<EditState>& States() {
    static WindowData<EditState> d;
    return d;
}

constexpr size_t kMaxLimit = 0x7FFFFFFE;
constexpr UINT kIdSelectAll = EM_SETSEL;

POINT PointOf(LPARAM lp) {
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}
DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}
bool Multi(HWND hwnd) {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}
bool ReadOnly(HWND hwnd) {
    return (StyleOf(hwnd) & ES_READONLY) != 0;
}
bool KeyDown(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// Single-line fields keep only the first line of what they are given, as on Windows.
std::u32string ForField(HWND hwnd, std::u32string s) {
    if (!Multi(hwnd)) {
        size_t nl = s.find_first_of(U"\r\n");
        if (nl != std::u32string::npos)
            s.resize(nl);
    }
    return s;
}

int CopyOut(const std::string& s, LPSTR buffer, int size) {
    if (!buffer || size <= 0)
        return 0;
    size_t n = std::min(s.size(), static_cast<size_t>(size - 1));
    // Never cut a UTF-8 sequence in two.
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace

EditState* EditControl::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

LRESULT EditControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    if (!StateOf(hwnd))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_CHAR: return OnChar(hwnd, static_cast<char32_t>(wParam));
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN: return OnMouseDown(hwnd, PointOf(lParam), false);
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, PointOf(lParam), true);
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd);
    case WM_CAPTURECHANGED: return OnCaptureChanged(hwnd);
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_ENABLE: return OnEnable(hwnd);
    case WM_SIZE: return OnSize(hwnd);
    case WM_SETTEXT: return OnSetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return OnGetText(hwnd, static_cast<int>(wParam), reinterpret_cast<LPSTR>(lParam));
    case WM_GETTEXTLENGTH: return OnGetTextLength(hwnd);
    case WM_SETFONT: return OnSetFont(hwnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd)->font);
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd);
    case WM_CUT: return OnCut(hwnd);
    case WM_COPY: return OnCopy(hwnd);
    case WM_PASTE: return OnPaste(hwnd);
    case WM_CLEAR: return OnClear(hwnd);
    case WM_UNDO:
    case EM_UNDO: return OnUndo(hwnd);
    case WM_CONTEXTMENU: return OnContextMenu(hwnd, lParam);
    case WM_VSCROLL: return OnScroll(hwnd, true, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
    case WM_HSCROLL: return OnScroll(hwnd, false, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
    case WM_MOUSEWHEEL: return OnMouseWheel(hwnd, static_cast<SHORT>(HIWORD(wParam)));
    case EM_GETSEL: return OnGetSel(hwnd, reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
    case EM_SETSEL:
        return OnSetSel(hwnd, static_cast<LONG_PTR>(static_cast<int>(wParam)), static_cast<int>(lParam));
    case EM_REPLACESEL: return OnReplaceSel(hwnd, reinterpret_cast<LPCSTR>(lParam));
    case EM_LIMITTEXT: return OnLimitText(hwnd, wParam);
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(StateOf(hwnd)->model.Limit());
    case EM_GETMODIFY: return StateOf(hwnd)->model.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY: return OnSetModify(hwnd, wParam != 0);
    case EM_CANUNDO: return StateOf(hwnd)->model.CanUndo() ? TRUE : FALSE;
    case EM_SETREADONLY: return OnSetReadOnly(hwnd, wParam != 0);
    case EM_SETPASSWORDCHAR: return OnSetPasswordChar(hwnd, static_cast<char32_t>(wParam));
    case EM_GETLINECOUNT: return static_cast<LRESULT>(StateOf(hwnd)->model.LineCount());
    case EM_LINEINDEX: return OnLineIndex(hwnd, static_cast<int>(wParam));
    case EM_LINELENGTH: return OnLineLength(hwnd, static_cast<int>(wParam));
    case EM_LINEFROMCHAR: return OnLineFromChar(hwnd, static_cast<int>(wParam));
    case EM_GETLINE: return OnGetLine(hwnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(StateOf(hwnd)->firstLine);
    case EM_SCROLLCARET: return OnScrollCaret(hwnd);
    case EM_LINESCROLL: return OnScroll(hwnd, true, 0xFFFF, static_cast<int>(lParam));
    case EM_GETRECT: return OnGetRect(hwnd, reinterpret_cast<RECT*>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT EditControl::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    EditState& st = States().Create(hwnd);
    st.font = DefaultGuiFont();
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (cs && (static_cast<DWORD>(cs->style) & ES_MULTILINE))
        st.model.SetLimit(kMaxLimit);
    if (cs && (static_cast<DWORD>(cs->style) & ES_PASSWORD))
        st.passwordChar = U'*';
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
        st.model.SetText(ForField(hwnd, Utf8ToU32(cs->lpszName)));
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT EditControl::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT EditControl::OnCaptureChanged(HWND hwnd) {
    StateOf(hwnd)->selecting = false;
    return 0;
}

LRESULT EditControl::OnEnable(HWND hwnd) {
    Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnSize(HWND hwnd) {
    EditView::ScrollToCaret(hwnd, *StateOf(hwnd));
    return 0;
}

LRESULT EditControl::OnSetModify(HWND hwnd, bool modified) {
    StateOf(hwnd)->model.SetModified(modified);
    return 0;
}

LRESULT EditControl::OnSetPasswordChar(HWND hwnd, char32_t ch) {
    StateOf(hwnd)->passwordChar = ch;
    Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnScrollCaret(HWND hwnd) {
    EditView::ScrollToCaret(hwnd, *StateOf(hwnd));
    Refresh(hwnd);
    return TRUE;
}

LRESULT EditControl::OnGetRect(HWND hwnd, RECT* rect) {
    if (rect)
        *rect = EditView::TextRect(hwnd);
    return 0;
}

void EditControl::Refresh(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

void EditControl::Changed(HWND hwnd) {
    EditView::ScrollToCaret(hwnd, *StateOf(hwnd));
    NotifyParent(hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        Refresh(hwnd);
    if (IsWindow(hwnd))
        NotifyParent(hwnd, EN_CHANGE);
}

LRESULT EditControl::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { EditView::Paint(hwnd, dc, *StateOf(hwnd)); });
}

bool EditControl::InsertText(HWND hwnd, std::u32string s, bool typed) {
    EditState& st = *StateOf(hwnd);
    const DWORD style = StyleOf(hwnd);
    if (style & ES_READONLY)
        return false;
    s = ForField(hwnd, std::move(s));
    for (char32_t& c : s) {
        if ((style & ES_UPPERCASE) && c < 0x80)
            c = static_cast<char32_t>(std::toupper(static_cast<int>(c)));
        else if ((style & ES_LOWERCASE) && c < 0x80)
            c = static_cast<char32_t>(std::tolower(static_cast<int>(c)));
    }
    if (typed && (style & ES_NUMBER) &&
        std::any_of(s.begin(), s.end(), [](char32_t c) { return c < U'0' || c > U'9'; })) {
        MessageBeep(0);
        return false;
    }
    bool truncated = false;
    const bool changed = st.model.ReplaceSelection(s, true, &truncated);
    if (changed)
        Changed(hwnd);
    if (truncated && IsWindow(hwnd))
        NotifyParent(hwnd, EN_MAXTEXT);
    return changed;
}

LRESULT EditControl::OnChar(HWND hwnd, char32_t ch) {
    EditState& st = *StateOf(hwnd);
    switch (ch) {
    case 1: // Ctrl+A
        st.model.Select(0, st.model.Text().size());
        Refresh(hwnd);
        return 0;
    case 3: return OnCopy(hwnd);
    case 0x16: return OnPaste(hwnd);
    case 0x18: return OnCut(hwnd);
    case 0x1A: return OnUndo(hwnd);
    case 8:
        if (!ReadOnly(hwnd) && st.model.DeleteBackward())
            Changed(hwnd);
        return 0;
    case U'\r':
    case U'\n':
        if (Multi(hwnd))
            InsertText(hwnd, U"\r\n", true);
        return 0;
    case U'\t':
        if (Multi(hwnd))
            InsertText(hwnd, U"\t", true);
        return 0;
    default: break;
    }
    if (ch < 0x20 || ch == 0x7F || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return 0;
    InsertText(hwnd, std::u32string(1, ch), true);
    return 0;
}

LRESULT EditControl::OnKeyDown(HWND hwnd, WPARAM vk, LPARAM flags) {
    EditState& st = *StateOf(hwnd);
    EditModel& m = st.model;
    const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    const size_t caret = m.Caret();
    const size_t line = m.LineOf(caret);
    switch (vk) {
    case VK_LEFT: {
        size_t to = caret;
        if (!shift && m.HasSelection())
            to = m.SelStart();
        else if (caret > 0)
            to = caret -
                 ((caret >= 2 && m.Text()[caret - 1] == U'\n' && m.Text()[caret - 2] == U'\r') ? 2 : 1);
        m.MoveCaret(to, shift);
        break;
    }
    case VK_RIGHT: {
        size_t to = caret;
        if (!shift && m.HasSelection())
            to = m.SelEnd();
        else if (caret < m.Text().size())
            to = caret +
                 ((m.Text()[caret] == U'\r' && caret + 1 < m.Text().size() && m.Text()[caret + 1] == U'\n')
                      ? 2
                      : 1);
        m.MoveCaret(to, shift);
        break;
    }
    case VK_HOME: m.MoveCaret(ctrl || !Multi(hwnd) ? 0 : m.LineStart(line), shift); break;
    case VK_END: m.MoveCaret(ctrl || !Multi(hwnd) ? m.Text().size() : m.LineEnd(line), shift); break;
    case VK_UP:
    case VK_DOWN: {
        if (!Multi(hwnd))
            return 0;
        if ((vk == static_cast<WPARAM>(VK_UP) && line == 0) ||
            (vk == static_cast<WPARAM>(VK_DOWN) && line + 1 >= m.LineCount())) {
            m.MoveCaret(vk == static_cast<WPARAM>(VK_UP) ? m.LineStart(0) : m.LineEnd(line), shift);
            break;
        }
        POINT p = EditView::CaretPoint(hwnd, st);
        p.y += (vk == static_cast<WPARAM>(VK_UP) ? -1 : 1) * EditView::LineHeight(hwnd);
        const size_t target = vk == static_cast<WPARAM>(VK_UP) ? line - 1 : line + 1;
        if (target < st.firstLine)
            st.firstLine = target;
        POINT q = p;
        q.y = EditView::TextRect(hwnd).top +
              static_cast<int>(static_cast<long long>(target) - static_cast<long long>(st.firstLine)) *
                  EditView::LineHeight(hwnd);
        m.MoveCaret(EditView::PosFromPoint(hwnd, st, q), shift);
        break;
    }
    case VK_DELETE:
        if (shift)
            return OnCut(hwnd);
        if (!ReadOnly(hwnd) && m.DeleteForward())
            Changed(hwnd);
        return 0;
    case VK_INSERT:
        if (ctrl)
            return OnCopy(hwnd);
        if (shift)
            return OnPaste(hwnd);
        return 0;
    default: return DefWindowProcA(hwnd, WM_KEYDOWN, vk, flags);
    }
    EditView::ScrollToCaret(hwnd, st);
    Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnMouseDown(HWND hwnd, POINT pt, bool dbl) {
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    EditState* st = StateOf(hwnd);
    if (!st || !IsWindow(hwnd))
        return 0;
    const size_t pos = EditView::PosFromPoint(hwnd, *st, pt);
    if (dbl) {
        size_t a, b;
        st->model.WordAt(pos, &a, &b);
        st->model.Select(a, b);
    } else {
        st->model.MoveCaret(pos, KeyDown(VK_SHIFT));
        st->selecting = true;
        SetCapture(hwnd);
    }
    EditView::ScrollToCaret(hwnd, *st);
    Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnMouseMove(HWND hwnd, POINT pt) {
    EditState& st = *StateOf(hwnd);
    if (!st.selecting || GetCapture() != hwnd)
        return 0;
    const size_t pos = EditView::PosFromPoint(hwnd, st, pt);
    if (pos != st.model.Caret()) {
        st.model.MoveCaret(pos, true);
        EditView::ScrollToCaret(hwnd, st);
        Refresh(hwnd);
    }
    return 0;
}

LRESULT EditControl::OnMouseUp(HWND hwnd) {
    EditState& st = *StateOf(hwnd);
    if (st.selecting) {
        st.selecting = false;
        if (GetCapture() == hwnd)
            ReleaseCapture();
    }
    return 0;
}

LRESULT EditControl::OnFocus(HWND hwnd, bool gained) {
    StateOf(hwnd)->focused = gained;
    Refresh(hwnd);
    if (IsWindow(hwnd))
        NotifyParent(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

LRESULT EditControl::OnSetText(HWND hwnd, LPCSTR text) {
    EditState& st = *StateOf(hwnd);
    st.model.SetText(ForField(hwnd, Utf8ToU32(text ? text : "")));
    st.model.SetModified(false);
    st.scrollX = 0;
    st.firstLine = 0;
    Changed(hwnd);
    return TRUE;
}

LRESULT EditControl::OnGetText(HWND hwnd, int size, LPSTR buffer) {
    return CopyOut(U32ToUtf8(StateOf(hwnd)->model.Text()), buffer, size);
}

LRESULT EditControl::OnGetTextLength(HWND hwnd) {
    return static_cast<LRESULT>(U32ToUtf8(StateOf(hwnd)->model.Text()).size());
}

LRESULT EditControl::OnGetSel(HWND hwnd, DWORD* start, DWORD* end) {
    const EditModel& m = StateOf(hwnd)->model;
    const auto a = static_cast<DWORD>(m.SelStart()), b = static_cast<DWORD>(m.SelEnd());
    if (start)
        *start = a;
    if (end)
        *end = b;
    return MAKELRESULT(static_cast<WORD>(std::min<DWORD>(a, 0xFFFF)),
                       static_cast<WORD>(std::min<DWORD>(b, 0xFFFF)));
}

LRESULT EditControl::OnSetSel(HWND hwnd, LONG_PTR start, LONG_PTR end) {
    EditState& st = *StateOf(hwnd);
    const size_t n = st.model.Text().size();
    if (start < 0) {
        st.model.MoveCaret(st.model.Caret(), false);
    } else {
        const size_t a = std::min(static_cast<size_t>(start), n);
        const size_t b = end < 0 ? n : std::min(static_cast<size_t>(end), n);
        st.model.Select(a, b);
    }
    EditView::ScrollToCaret(hwnd, st);
    Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnReplaceSel(HWND hwnd, LPCSTR text) {
    EditState& st = *StateOf(hwnd);
    bool truncated = false;
    if (st.model.ReplaceSelection(ForField(hwnd, Utf8ToU32(text ? text : "")), true, &truncated))
        Changed(hwnd);
    if (truncated && IsWindow(hwnd))
        NotifyParent(hwnd, EN_MAXTEXT);
    return 0;
}

LRESULT EditControl::OnLimitText(HWND hwnd, WPARAM limit) {
    StateOf(hwnd)->model.SetLimit(limit == 0 || limit > kMaxLimit ? kMaxLimit : static_cast<size_t>(limit));
    return 0;
}

LRESULT EditControl::OnSetReadOnly(HWND hwnd, bool readOnly) {
    const DWORD style = StyleOf(hwnd);
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(readOnly ? style | ES_READONLY : style & ~ES_READONLY));
    Refresh(hwnd);
    return TRUE;
}

LRESULT EditControl::OnLineIndex(HWND hwnd, LONG_PTR line) {
    const EditModel& m = StateOf(hwnd)->model;
    if (line < 0)
        line = static_cast<LONG_PTR>(m.LineOf(m.Caret()));
    if (static_cast<size_t>(line) >= m.LineCount())
        return -1;
    return static_cast<LRESULT>(m.LineStart(static_cast<size_t>(line)));
}

LRESULT EditControl::OnLineLength(HWND hwnd, LONG_PTR pos) {
    const EditModel& m = StateOf(hwnd)->model;
    const size_t line = pos < 0 ? m.LineOf(m.Caret()) : m.LineOf(static_cast<size_t>(pos));
    return static_cast<LRESULT>(m.LineEnd(line) - m.LineStart(line));
}

LRESULT EditControl::OnLineFromChar(HWND hwnd, LONG_PTR pos) {
    const EditModel& m = StateOf(hwnd)->model;
    return static_cast<LRESULT>(m.LineOf(pos < 0 ? m.Caret() : static_cast<size_t>(pos)));
}

LRESULT EditControl::OnGetLine(HWND hwnd, WPARAM line, LPSTR buffer) {
    const EditModel& m = StateOf(hwnd)->model;
    if (!buffer || line >= m.LineCount())
        return 0;
    // The first WORD of the buffer holds its size in bytes; the line is not terminated.
    WORD size = 0;
    std::memcpy(&size, buffer, sizeof size);
    const std::string s = U32ToUtf8(m.Text().substr(m.LineStart(line), m.LineEnd(line) - m.LineStart(line)));
    const size_t n = std::min<size_t>(s.size(), size);
    std::memcpy(buffer, s.data(), n);
    return static_cast<LRESULT>(n);
}

LRESULT EditControl::OnCopy(HWND hwnd) {
    EditState& st = *StateOf(hwnd);
    if (st.model.HasSelection() && !st.passwordChar)
        SetClipboardText(U32ToUtf8(st.model.SelectedText()));
    return 0;
}

LRESULT EditControl::OnCut(HWND hwnd) {
    if (ReadOnly(hwnd) || StateOf(hwnd)->passwordChar)
        return 0;
    OnCopy(hwnd);
    return OnClear(hwnd);
}

LRESULT EditControl::OnPaste(HWND hwnd) {
    const std::string text = GetClipboardText();
    if (!text.empty())
        InsertText(hwnd, Utf8ToU32(text), false);
    return 0;
}

LRESULT EditControl::OnClear(HWND hwnd) {
    EditState& st = *StateOf(hwnd);
    if (!ReadOnly(hwnd) && st.model.HasSelection() && st.model.ReplaceSelection(U"", false))
        Changed(hwnd);
    return 0;
}

LRESULT EditControl::OnUndo(HWND hwnd) {
    if (ReadOnly(hwnd) || !StateOf(hwnd)->model.Undo())
        return FALSE;
    Changed(hwnd);
    return TRUE;
}

LRESULT EditControl::OnContextMenu(HWND hwnd, LPARAM lParam) {
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    EditState* st = StateOf(hwnd);
    if (!st)
        return 0;
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1 || (pt.x == -1 && pt.y == -1)) {
        pt = EditView::CaretPoint(hwnd, *st);
        ClientToScreen(hwnd, &pt);
    }
    const bool ro = ReadOnly(hwnd), sel = st->model.HasSelection(), pw = st->passwordChar != 0;
    HMENU menu = CreatePopupMenu();
    auto flag = [](bool on) { return on ? MF_ENABLED : MF_GRAYED; };
    AppendMenuA(menu, MF_STRING | flag(!ro && st->model.CanUndo()), WM_UNDO, "撤消(&U)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | flag(!ro && sel && !pw), WM_CUT, "剪切(&T)");
    AppendMenuA(menu, MF_STRING | flag(sel && !pw), WM_COPY, "复制(&C)");
    AppendMenuA(menu, MF_STRING | flag(!ro && !GetClipboardText().empty()), WM_PASTE, "粘贴(&P)");
    AppendMenuA(menu, MF_STRING | flag(!ro && sel), WM_CLEAR, "删除(&D)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu,
                MF_STRING |
                    flag(st->model.Text().size() > 0 &&
                         !(st->model.SelStart() == 0 && st->model.SelEnd() == st->model.Text().size())),
                kIdSelectAll, "全选(&A)");
    const UINT cmd = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, hwnd, nullptr));
    DestroyMenu(menu);
    if (!IsWindow(hwnd))
        return 0;
    if (cmd == kIdSelectAll)
        SendMessageA(hwnd, EM_SETSEL, 0, -1);
    else if (cmd)
        SendMessageA(hwnd, cmd, 0, 0);
    return 0;
}

LRESULT EditControl::OnScroll(HWND hwnd, bool vertical, WORD code, int thumb) {
    EditState& st = *StateOf(hwnd);
    if (!Multi(hwnd))
        return 0;
    if (vertical) {
        const long long lines = static_cast<long long>(st.model.LineCount());
        const long long page = static_cast<long long>(EditView::VisibleLines(hwnd));
        long long first = static_cast<long long>(st.firstLine);
        switch (code) {
        case SB_LINEUP: --first; break;
        case SB_LINEDOWN: ++first; break;
        case SB_PAGEUP: first -= page; break;
        case SB_PAGEDOWN: first += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: first = thumb; break;
        case SB_TOP: first = 0; break;
        case SB_BOTTOM: first = lines; break;
        case 0xFFFF: first += thumb; break; // EM_LINESCROLL
        default: return 0;
        }
        st.firstLine =
            static_cast<size_t>(std::clamp<long long>(first, 0, std::max<long long>(0, lines - page)));
    } else {
        const int step = EditView::LineHeight(hwnd);
        switch (code) {
        case SB_LINELEFT: st.scrollX -= step; break;
        case SB_LINERIGHT: st.scrollX += step; break;
        case SB_PAGELEFT: st.scrollX -= EditView::TextRect(hwnd).right / 2; break;
        case SB_PAGERIGHT: st.scrollX += EditView::TextRect(hwnd).right / 2; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: st.scrollX = thumb; break;
        case SB_LEFT: st.scrollX = 0; break;
        default: return 0;
        }
        st.scrollX = std::max(0, st.scrollX);
    }
    EditView::UpdateScrollBars(hwnd, st);
    Refresh(hwnd);
    NotifyParent(hwnd, vertical ? EN_VSCROLL : EN_HSCROLL);
    return 0;
}

LRESULT EditControl::OnMouseWheel(HWND hwnd, int delta) {
    if (!Multi(hwnd))
        return DefWindowProcA(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    const int lines = -delta * 3 / WHEEL_DELTA;
    return OnScroll(hwnd, true, 0xFFFF, lines);
}

LRESULT EditControl::OnSetFont(HWND hwnd, HFONT font, bool redraw) {
    StateOf(hwnd)->font = font;
    EditView::ScrollToCaret(hwnd, *StateOf(hwnd));
    if (redraw)
        Refresh(hwnd);
    return 0;
}

LRESULT EditControl::OnGetDlgCode(HWND hwnd) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (Multi(hwnd))
        code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return EditControl::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
