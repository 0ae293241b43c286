#include "platform/controls/ListBox.h"

#include "platform/os/Bytes.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

WindowData<ListBoxState>& States() {
    static WindowData<ListBoxState> d;
    return d;
}

POINT PointOf(LPARAM lp) {
    return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

int VisibleCount(HWND hwnd) {
    return std::max(1, static_cast<int>(ClientRectOf(hwnd).bottom / ListBox::ItemHeight(hwnd)));
}

} // namespace

ListBoxState* ListBox::StateOf(HWND hwnd) {
    return States().Find(hwnd);
}

void ListBox::AttachCombo(HWND list, HWND combo) {
    if (ListBoxState* st = StateOf(list))
        st->combo = combo;
}

int ListBox::ItemHeight(HWND hwnd) {
    ListBoxState* st = StateOf(hwnd);
    HDC dc = GetDC(hwnd);
    if (!dc)
        return 16;
    HGDIOBJ old = SelectObject(dc, st && st->font ? st->font : DefaultGuiFont());
    TEXTMETRICA tm;
    int h = GetTextMetricsA(dc, &tm) ? tm.tmHeight + 2 : 16;
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return std::max(1, h);
}

int ListBox::ItemAt(HWND hwnd, POINT pt) {
    ListBoxState* st = StateOf(hwnd);
    RECT rc = ClientRectOf(hwnd);
    if (!st || !PtInRect(&rc, pt))
        return -1;
    const int index = st->top + pt.y / ItemHeight(hwnd);
    return index < static_cast<int>(st->items.size()) ? index : -1;
}

void ListBox::EnsureVisible(HWND hwnd, int index) {
    ListBoxState* st = StateOf(hwnd);
    if (!st || index < 0)
        return;
    const int visible = VisibleCount(hwnd);
    if (index < st->top)
        st->top = index;
    else if (index >= st->top + visible)
        st->top = index - visible + 1;
    UpdateScrollBar(hwnd);
}

void ListBox::UpdateScrollBar(HWND hwnd) {
    ListBoxState* st = StateOf(hwnd);
    const int count = static_cast<int>(st->items.size());
    const int visible = VisibleCount(hwnd);
    st->top = std::clamp(st->top, 0, std::max(0, count - visible));
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL) && count <= visible)
        return;
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = std::max(0, count - 1);
    si.nPage = static_cast<UINT>(visible);
    si.nPos = st->top;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

LRESULT ListBox::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    ListBoxState* st = StateOf(hwnd);
    if (!st)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: return OnSize(hwnd);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, PointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd, PointOf(lParam));
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_VSCROLL: return OnScroll(hwnd, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
    case WM_MOUSEWHEEL: return OnMouseWheel(hwnd, static_cast<SHORT>(HIWORD(wParam)));
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_SETFONT: return OnSetFont(hwnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(st->font);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LB_ADDSTRING: return OnAdd(hwnd, -1, reinterpret_cast<LPCSTR>(lParam));
    case LB_INSERTSTRING: return OnAdd(hwnd, static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam));
    case LB_DELETESTRING: return OnDelete(hwnd, wParam);
    case LB_RESETCONTENT: return OnReset(hwnd);
    case LB_SETCURSEL: return OnSetCurSel(hwnd, wParam);
    case LB_GETCURSEL: return st->cursel;
    case LB_GETCOUNT: return static_cast<LRESULT>(st->items.size());
    case LB_GETTEXT: return OnGetText(hwnd, wParam, reinterpret_cast<LPSTR>(lParam));
    case LB_GETTEXTLEN: return OnGetTextLen(hwnd, wParam);
    case LB_GETTOPINDEX: return st->top;
    case LB_SETTOPINDEX: return OnSetTopIndex(hwnd, wParam);
    case LB_GETITEMDATA: return OnGetItemData(hwnd, wParam);
    case LB_SETITEMDATA: return OnSetItemData(hwnd, wParam, static_cast<ULONG_PTR>(lParam));
    case LB_GETITEMHEIGHT: return ItemHeight(hwnd);
    case LB_FINDSTRING: return OnFind(hwnd, wParam, reinterpret_cast<LPCSTR>(lParam), false);
    case LB_FINDSTRINGEXACT: return OnFind(hwnd, wParam, reinterpret_cast<LPCSTR>(lParam), true);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ListBox::OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Create(hwnd).font = DefaultGuiFont();
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT ListBox::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT ListBox::OnSize(HWND hwnd) {
    UpdateScrollBar(hwnd);
    return 0;
}

LRESULT ListBox::OnMouseWheel(HWND hwnd, int delta) {
    return OnScroll(hwnd, delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

LRESULT ListBox::OnGetTextLen(HWND hwnd, WPARAM index) {
    const ListBoxState* st = StateOf(hwnd);
    return index < st->items.size() ? static_cast<LRESULT>(st->items[index].text.size()) : LB_ERR;
}

LRESULT ListBox::OnGetItemData(HWND hwnd, WPARAM index) {
    const ListBoxState* st = StateOf(hwnd);
    return index < st->items.size() ? static_cast<LRESULT>(st->items[index].data) : LB_ERR;
}

LRESULT ListBox::OnFocus(HWND hwnd, bool gained) {
    StateOf(hwnd)->focused = gained;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ListBox::OnSetFont(HWND hwnd, HFONT font, bool redraw) {
    StateOf(hwnd)->font = font;
    if (redraw)
        InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ListBox::OnReset(HWND hwnd) {
    ListBoxState& st = *StateOf(hwnd);
    st.items.clear();
    st.cursel = -1;
    st.top = 0;
    UpdateScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ListBox::OnSetTopIndex(HWND hwnd, WPARAM index) {
    ListBoxState& st = *StateOf(hwnd);
    if (index >= std::max<size_t>(st.items.size(), 1))
        return LB_ERR;
    st.top = static_cast<int>(index);
    UpdateScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return LB_OKAY;
}

LRESULT ListBox::OnSetItemData(HWND hwnd, WPARAM index, ULONG_PTR data) {
    ListBoxState& st = *StateOf(hwnd);
    if (index >= st.items.size())
        return LB_ERR;
    st.items[index].data = data;
    return LB_OKAY;
}

LRESULT ListBox::OnAdd(HWND hwnd, int at, LPCSTR text) {
    ListBoxState& st = *StateOf(hwnd);
    ListItem item;
    item.text = text ? text : "";
    int index;
    const int count = static_cast<int>(st.items.size());
    if (at == -1 && (GetWindowLongA(hwnd, GWL_STYLE) & LBS_SORT)) {
        auto it = std::upper_bound(
            st.items.begin(), st.items.end(), item,
            [](const ListItem& a, const ListItem& b) { return AsciiLower(a.text) < AsciiLower(b.text); });
        index = static_cast<int>(it - st.items.begin());
    } else if (at < 0) {
        index = count;
    } else if (at > count) {
        return LB_ERR;
    } else {
        index = at;
    }
    st.items.insert(st.items.begin() + index, std::move(item));
    if (st.cursel >= index)
        ++st.cursel;
    UpdateScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return index;
}

LRESULT ListBox::OnDelete(HWND hwnd, WPARAM index) {
    ListBoxState& st = *StateOf(hwnd);
    if (index >= st.items.size())
        return LB_ERR;
    st.items.erase(st.items.begin() + static_cast<std::ptrdiff_t>(index));
    if (st.cursel == static_cast<int>(index))
        st.cursel = -1;
    else if (st.cursel > static_cast<int>(index))
        --st.cursel;
    UpdateScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return static_cast<LRESULT>(st.items.size());
}

LRESULT ListBox::OnSetCurSel(HWND hwnd, WPARAM index) {
    ListBoxState& st = *StateOf(hwnd);
    const auto i = static_cast<int>(static_cast<INT_PTR>(index));
    if (i < -1 || i >= static_cast<int>(st.items.size())) {
        st.cursel = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
        return LB_ERR;
    }
    st.cursel = i;
    EnsureVisible(hwnd, i);
    InvalidateRect(hwnd, nullptr, FALSE);
    return i == -1 ? LB_ERR : i;
}

LRESULT ListBox::OnGetText(HWND hwnd, WPARAM index, LPSTR buffer) {
    ListBoxState& st = *StateOf(hwnd);
    if (index >= st.items.size() || !buffer)
        return LB_ERR;
    const std::string& s = st.items[index].text;
    std::memcpy(buffer, s.c_str(), s.size() + 1);
    return static_cast<LRESULT>(s.size());
}

LRESULT ListBox::OnFind(HWND hwnd, WPARAM start, LPCSTR text, bool exact) {
    ListBoxState& st = *StateOf(hwnd);
    const int count = static_cast<int>(st.items.size());
    if (!text || count == 0)
        return LB_ERR;
    const std::string key = AsciiLower(text);
    int from = static_cast<int>(static_cast<INT_PTR>(start));
    from = from < -1 || from >= count ? -1 : from;
    for (int k = 1; k <= count; ++k) {
        const int i = (from + k) % count;
        const std::string item = AsciiLower(st.items[static_cast<size_t>(i)].text);
        if (exact ? item == key : item.compare(0, key.size(), key) == 0)
            return i;
    }
    return LB_ERR;
}

void ListBox::Select(HWND hwnd, int index, bool notify) {
    ListBoxState& st = *StateOf(hwnd);
    if (index < 0 || index >= static_cast<int>(st.items.size()) || index == st.cursel)
        return;
    st.cursel = index;
    EnsureVisible(hwnd, index);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    if (notify && !st.combo && (GetWindowLongA(hwnd, GWL_STYLE) & LBS_NOTIFY))
        NotifyParent(hwnd, LBN_SELCHANGE);
}

LRESULT ListBox::OnMouseDown(HWND hwnd, POINT pt) {
    ListBoxState& st = *StateOf(hwnd);
    if (st.combo) {
        // The drop-down list holds the capture: a press outside it closes it without a choice.
        if (ItemAt(hwnd, pt) < 0) {
            RECT rc = ClientRectOf(hwnd);
            if (!PtInRect(&rc, pt))
                ComboListDone(st.combo, false);
        }
        return 0;
    }
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    if (!IsWindow(hwnd))
        return 0;
    st.tracking = true;
    SetCapture(hwnd);
    Select(hwnd, ItemAt(hwnd, pt), true);
    return 0;
}

LRESULT ListBox::OnMouseMove(HWND hwnd, POINT pt) {
    ListBoxState& st = *StateOf(hwnd);
    if (st.combo || st.tracking)
        Select(hwnd, ItemAt(hwnd, pt), !st.combo);
    return 0;
}

LRESULT ListBox::OnMouseUp(HWND hwnd, POINT pt) {
    ListBoxState& st = *StateOf(hwnd);
    if (st.combo) {
        const int index = ItemAt(hwnd, pt);
        if (index >= 0) {
            Select(hwnd, index, false);
            ComboListDone(st.combo, true);
        }
        return 0;
    }
    if (st.tracking) {
        st.tracking = false;
        if (GetCapture() == hwnd)
            ReleaseCapture();
    }
    return 0;
}

LRESULT ListBox::OnKeyDown(HWND hwnd, WPARAM vk) {
    ListBoxState& st = *StateOf(hwnd);
    const int count = static_cast<int>(st.items.size());
    if (count == 0)
        return 0;
    const int page = VisibleCount(hwnd);
    int to = st.cursel;
    switch (vk) {
    case VK_UP: to = std::max(0, st.cursel - 1); break;
    case VK_DOWN: to = std::min(count - 1, st.cursel + 1); break;
    case VK_PRIOR: to = std::max(0, st.cursel - page); break;
    case VK_NEXT: to = std::min(count - 1, std::max(0, st.cursel) + page); break;
    case VK_HOME: to = 0; break;
    case VK_END: to = count - 1; break;
    default: return 0;
    }
    Select(hwnd, to, true);
    return 0;
}

LRESULT ListBox::OnScroll(HWND hwnd, WORD code, int thumb) {
    ListBoxState& st = *StateOf(hwnd);
    const int page = VisibleCount(hwnd);
    switch (code) {
    case SB_LINEUP: --st.top; break;
    case SB_LINEDOWN: ++st.top; break;
    case SB_PAGEUP: st.top -= page; break;
    case SB_PAGEDOWN: st.top += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: st.top = thumb; break;
    case SB_TOP: st.top = 0; break;
    case SB_BOTTOM: st.top = static_cast<int>(st.items.size()); break;
    default: return 0;
    }
    UpdateScrollBar(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ListBox::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void ListBox::Draw(HWND hwnd, HDC dc) {
    ListBoxState& st = *StateOf(hwnd);
    const int saved = SaveDC(dc);
    SelectObject(dc, st.font ? st.font : DefaultGuiFont());
    HBRUSH bg = st.combo ? ControlBrush(st.combo, dc, WM_CTLCOLORLISTBOX)
                         : ControlBrush(hwnd, dc, WM_CTLCOLORLISTBOX);
    const COLORREF text = GetTextColor(dc);
    RECT rc = ClientRectOf(hwnd);
    FillRect(dc, &rc, bg);
    const int h = ItemHeight(hwnd);
    SetBkMode(dc, TRANSPARENT);
    for (int i = st.top; i < static_cast<int>(st.items.size()); ++i) {
        RECT r{0, (i - st.top) * h, rc.right, (i - st.top + 1) * h};
        if (r.top >= rc.bottom)
            break;
        const bool selected = i == st.cursel;
        if (selected)
            FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        RECT t = r;
        t.left += 2;
        const std::string& s = st.items[static_cast<size_t>(i)].text;
        DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (selected && st.focused && !st.combo)
            DrawFocusRect(dc, &r);
    }
    RestoreDC(dc, saved);
}

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ListBox::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
