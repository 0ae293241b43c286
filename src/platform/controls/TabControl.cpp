#include "platform/controls/TabControl.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kPadding = 6;      // text to tab edge
constexpr int kMaxItems = 10000; // more tabs than anyone can click
constexpr int kMaxText = 4096;
constexpr int kButtonGap = 3;

WindowData<TabState>& States() {
    static WindowData<TabState> d;
    return d;
}

TabState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

bool Buttons(HWND hwnd) {
    return (CommonControl::StyleOf(hwnd) & (TCS_BUTTONS | TCS_FLATBUTTONS)) != 0;
}

bool Bottom(HWND hwnd) {
    return (CommonControl::StyleOf(hwnd) & TCS_BOTTOM) != 0;
}

bool ValidIndex(const TabState& s, WPARAM index) {
    return index < s.items.size();
}

std::string Clipped(const char* text) {
    if (!text)
        return {};
    size_t n = 0;
    while (n < static_cast<size_t>(kMaxText) && text[n])
        ++n;
    return std::string(text, n);
}

} // namespace

LRESULT TabControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam);
    case WM_SETFOCUS: return OnFocus(hwnd, true);
    case WM_KILLFOCUS: return OnFocus(hwnd, false);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_ENABLE:
    case WM_SIZE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETFONT:
        StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(StateOf(hwnd).items.size());
    case TCM_INSERTITEMA: return OnInsertItem(hwnd, wParam, reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_SETITEMA: return OnSetItem(hwnd, wParam, reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_GETITEMA: return OnGetItem(hwnd, wParam, reinterpret_cast<TCITEMA*>(lParam));
    case TCM_DELETEITEM: return OnDeleteItem(hwnd, wParam);
    case TCM_DELETEALLITEMS: return OnDeleteAll(hwnd);
    case TCM_GETITEMRECT: return OnGetItemRect(hwnd, wParam, reinterpret_cast<LPRECT>(lParam));
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS: return StateOf(hwnd).selected;
    case TCM_SETCURSEL: return OnSetCurSel(hwnd, wParam);
    case TCM_HITTEST: return OnHitTest(hwnd, reinterpret_cast<TCHITTESTINFO*>(lParam));
    case TCM_ADJUSTRECT: return OnAdjustRect(hwnd, wParam != 0, reinterpret_cast<LPRECT>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT TabControl::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

// Returns the new tab's index, -1 on failure. The first tab becomes the selected one.
LRESULT TabControl::OnInsertItem(HWND hwnd, WPARAM index, const TCITEMA* item) {
    TabState& s = StateOf(hwnd);
    if (!item || static_cast<INT_PTR>(index) < 0 || s.items.size() >= static_cast<size_t>(kMaxItems))
        return -1;
    const size_t at = std::min<size_t>(index, s.items.size());
    TabItem t;
    if (item->mask & TCIF_TEXT)
        t.text = Clipped(item->pszText);
    if (item->mask & TCIF_PARAM)
        t.param = item->lParam;
    if (item->mask & TCIF_IMAGE)
        t.image = item->iImage;
    s.items.insert(s.items.begin() + static_cast<std::ptrdiff_t>(at), std::move(t));
    if (s.selected < 0 && s.items.size() == 1)
        s.selected = 0;
    else if (s.selected >= static_cast<int>(at))
        ++s.selected;
    InvalidateRect(hwnd, nullptr, FALSE);
    return static_cast<LRESULT>(at);
}

LRESULT TabControl::OnSetItem(HWND hwnd, WPARAM index, const TCITEMA* item) {
    TabState& s = StateOf(hwnd);
    if (!item || !ValidIndex(s, index))
        return FALSE;
    TabItem& t = s.items[index];
    if (item->mask & TCIF_TEXT)
        t.text = Clipped(item->pszText);
    if (item->mask & TCIF_PARAM)
        t.param = item->lParam;
    if (item->mask & TCIF_IMAGE)
        t.image = item->iImage;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT TabControl::OnGetItem(HWND hwnd, WPARAM index, TCITEMA* item) {
    const TabState& s = StateOf(hwnd);
    if (!item || !ValidIndex(s, index))
        return FALSE;
    const TabItem& t = s.items[index];
    if (item->mask & TCIF_TEXT)
        CommonControl::CopyText(t.text, item->pszText, item->cchTextMax);
    if (item->mask & TCIF_PARAM)
        item->lParam = t.param;
    if (item->mask & TCIF_IMAGE)
        item->iImage = t.image;
    return TRUE;
}

// Deleting the selected tab leaves none selected, as on Windows.
LRESULT TabControl::OnDeleteItem(HWND hwnd, WPARAM index) {
    TabState& s = StateOf(hwnd);
    if (!ValidIndex(s, index))
        return FALSE;
    s.items.erase(s.items.begin() + static_cast<std::ptrdiff_t>(index));
    const int i = static_cast<int>(index);
    if (i == s.selected)
        s.selected = -1;
    else if (i < s.selected)
        --s.selected;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT TabControl::OnDeleteAll(HWND hwnd) {
    TabState& s = StateOf(hwnd);
    s.items.clear();
    s.selected = -1;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT TabControl::OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out) {
    const TabState& s = StateOf(hwnd);
    if (!out || !ValidIndex(s, index))
        return FALSE;
    return ItemRect(hwnd, s, static_cast<int>(index), out) ? TRUE : FALSE;
}

// A negative index selects none, as in Wine; one past the tabs fails.
LRESULT TabControl::OnSetCurSel(HWND hwnd, WPARAM index) {
    TabState& s = StateOf(hwnd);
    const bool none = static_cast<INT_PTR>(index) < 0;
    if (!none && !ValidIndex(s, index))
        return -1;
    const int old = s.selected;
    s.selected = none ? -1 : static_cast<int>(index);
    InvalidateRect(hwnd, nullptr, FALSE);
    return old;
}

LRESULT TabControl::OnHitTest(HWND hwnd, TCHITTESTINFO* info) {
    if (!info)
        return -1;
    const int i = HitTest(hwnd, StateOf(hwnd), info->pt);
    info->flags = i >= 0 ? TCHT_ONITEMLABEL : TCHT_NOWHERE;
    return i;
}

// From the window's rectangle to the page area inside the frame (larger: the other way).
LRESULT TabControl::OnAdjustRect(HWND hwnd, bool larger, LPRECT rect) {
    if (!rect)
        return 0;
    const TabState& s = StateOf(hwnd);
    const int row = RowHeight(hwnd, s) + 2;
    const int edge = Buttons(hwnd) ? 0 : 4;
    const int sign = larger ? -1 : 1;
    rect->left += sign * edge;
    rect->right -= sign * edge;
    if (Bottom(hwnd)) {
        rect->top += sign * edge;
        rect->bottom -= sign * (row + edge);
    } else {
        rect->top += sign * (row + edge);
        rect->bottom -= sign * edge;
    }
    return 0;
}

int TabControl::RowHeight(HWND hwnd, const TabState& s) {
    return CommonControl::LineHeight(hwnd, CommonControl::FontOf(s.font)) + (Buttons(hwnd) ? 8 : 6);
}

std::vector<RECT> TabControl::ItemRects(HWND hwnd, const TabState& s) {
    const RECT rc = ClientRectOf(hwnd);
    const int row = RowHeight(hwnd, s);
    const bool buttons = Buttons(hwnd);
    const int top = Bottom(hwnd) ? rc.bottom - row - 2 : 2;
    std::vector<RECT> out;
    out.reserve(s.items.size());
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = dc ? SelectObject(dc, CommonControl::FontOf(s.font)) : nullptr;
    int x = buttons ? 0 : 2;
    for (const TabItem& item : s.items) {
        SIZE size{};
        if (dc && !item.text.empty())
            GetTextExtentPoint32A(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
        const int w = std::max<int>(size.cx + 2 * kPadding, 2 * kPadding + 8);
        out.push_back(RECT{x, top, x + w, top + row});
        x = std::min(x + w + (buttons ? kButtonGap : 0), 1 << 24);
    }
    if (dc) {
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
    }
    return out;
}

bool TabControl::ItemRect(HWND hwnd, const TabState& s, int index, RECT* out) {
    if (index < 0 || index >= static_cast<int>(s.items.size()))
        return false;
    *out = ItemRects(hwnd, s)[static_cast<size_t>(index)];
    return true;
}

int TabControl::HitTest(HWND hwnd, const TabState& s, POINT pt) {
    const std::vector<RECT> rects = ItemRects(hwnd, s);
    for (size_t i = 0; i < rects.size(); ++i)
        if (CommonControl::Inside(rects[i], pt))
            return static_cast<int>(i);
    return -1;
}

bool TabControl::SelectByUser(HWND hwnd, int index) {
    TabState& s = StateOf(hwnd);
    if (index < 0 || index >= static_cast<int>(s.items.size()) || index == s.selected)
        return false;
    if (CommonControl::Notify(hwnd, TCN_SELCHANGING) != 0 || !IsWindow(hwnd))
        return false;
    TabState& after = StateOf(hwnd);
    if (index >= static_cast<int>(after.items.size()))
        return false;
    after.selected = index;
    InvalidateRect(hwnd, nullptr, FALSE);
    CommonControl::Notify(hwnd, TCN_SELCHANGE);
    return true;
}

LRESULT TabControl::OnMouseDown(HWND hwnd, POINT pt) {
    const int i = HitTest(hwnd, StateOf(hwnd), pt);
    if (i < 0)
        return 0;
    if (!(CommonControl::StyleOf(hwnd) & TCS_FOCUSNEVER) && GetFocus() != hwnd)
        SetFocus(hwnd);
    if (IsWindow(hwnd))
        SelectByUser(hwnd, i);
    return 0;
}

LRESULT TabControl::OnKeyDown(HWND hwnd, WPARAM vk) {
    const TabState& s = StateOf(hwnd);
    if (vk == static_cast<WPARAM>(VK_LEFT))
        SelectByUser(hwnd, s.selected - 1);
    else if (vk == static_cast<WPARAM>(VK_RIGHT))
        SelectByUser(hwnd, s.selected + 1);
    return 0;
}

LRESULT TabControl::OnFocus(HWND hwnd, bool gained) {
    StateOf(hwnd).focused = gained;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT TabControl::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void TabControl::DrawTab(HWND hwnd, HDC dc, const TabState& s, int index, RECT r) {
    const bool selected = index == s.selected;
    const bool bottom = Bottom(hwnd);
    if (Buttons(hwnd)) {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (selected ? DFCS_PUSHED : 0));
    } else {
        if (selected) {
            InflateRect(&r, 2, 0);
            if (bottom)
                r.bottom += 2;
            else
                r.top -= 2;
        }
        // The frame's line under the selected tab is covered by the tab, which joins its page.
        RECT face = r;
        if (selected) {
            if (bottom)
                face.top -= 2;
            else
                face.bottom += 2;
        }
        FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
        RECT edge = face;
        DrawEdge(dc, &edge, EDGE_RAISED, (bottom ? BF_BOTTOM : BF_TOP) | BF_LEFT | BF_RIGHT | BF_SOFT);
        // Rounded corners: the pixel at each outer corner shows the background.
        HBRUSH bg = GetSysColorBrush(COLOR_BTNFACE);
        const int cy = bottom ? face.bottom - 1 : face.top;
        RECT c1{face.left, cy, face.left + 1, cy + 1};
        RECT c2{face.right - 1, cy, face.right, cy + 1};
        FillRect(dc, &c1, bg);
        FillRect(dc, &c2, bg);
    }
    RECT text = r;
    if (!Buttons(hwnd) && selected)
        OffsetRect(&text, 0, bottom ? 1 : -1);
    if (Buttons(hwnd) && selected)
        OffsetRect(&text, 1, 1);
    const std::string& label = s.items[static_cast<size_t>(index)].text;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (selected && s.focused) {
        RECT f = text;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

void TabControl::Draw(HWND hwnd, HDC dc) {
    const TabState& s = StateOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    FillRect(dc, &rc, ControlBrush(hwnd, dc, WM_CTLCOLORSTATIC));
    SelectObject(dc, CommonControl::FontOf(s.font));
    if (!Buttons(hwnd)) {
        const int row = RowHeight(hwnd, s) + 2;
        RECT page = rc;
        if (Bottom(hwnd))
            page.bottom -= row;
        else
            page.top += row;
        FillRect(dc, &page, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &page, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    const std::vector<RECT> rects = ItemRects(hwnd, s);
    for (size_t i = 0; i < rects.size() && rects[i].left < rc.right; ++i)
        if (static_cast<int>(i) != s.selected)
            DrawTab(hwnd, dc, s, static_cast<int>(i), rects[i]);
    // The selected tab last, over its neighbours.
    if (s.selected >= 0 && s.selected < static_cast<int>(rects.size()))
        DrawTab(hwnd, dc, s, s.selected, rects[static_cast<size_t>(s.selected)]);
    RestoreDC(dc, saved);
}

LRESULT TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return TabControl::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
