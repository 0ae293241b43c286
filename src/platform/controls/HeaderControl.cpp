#include "platform/controls/HeaderControl.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kDividerGrab = 3; // pixels either side of a divider that grab it
constexpr int kMaxItems = 10000;
constexpr int kMaxText = 4096;
constexpr int kMaxWidth = 1 << 20;

WindowData<HeaderState>& States() {
    static WindowData<HeaderState> d;
    return d;
}

HeaderState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

bool ValidIndex(const HeaderState& s, WPARAM index) {
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

void Apply(HeaderItem& item, const HDITEMA& from) {
    if (from.mask & HDI_WIDTH)
        item.width = std::clamp(from.cxy, 0, kMaxWidth);
    if (from.mask & HDI_TEXT)
        item.text = Clipped(from.pszText);
    if (from.mask & HDI_FORMAT)
        item.format = from.fmt;
    if (from.mask & HDI_LPARAM)
        item.param = from.lParam;
}

} // namespace

LRESULT HeaderControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, CommonControl::PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd, CommonControl::PointOf(lParam));
    case WM_CAPTURECHANGED: return OnCaptureChanged(hwnd);
    case WM_SETCURSOR: return OnSetCursor(hwnd, wParam, lParam);
    case WM_ENABLE:
    case WM_SIZE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETFONT:
        StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case HDM_GETITEMCOUNT: return static_cast<LRESULT>(StateOf(hwnd).items.size());
    case HDM_INSERTITEMA: return OnInsertItem(hwnd, wParam, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_DELETEITEM: return OnDeleteItem(hwnd, wParam);
    case HDM_GETITEMA: return OnGetItem(hwnd, wParam, reinterpret_cast<HDITEMA*>(lParam));
    case HDM_SETITEMA: return OnSetItem(hwnd, wParam, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_GETITEMRECT: return OnGetItemRect(hwnd, wParam, reinterpret_cast<LPRECT>(lParam));
    case HDM_LAYOUT: return OnLayout(hwnd, reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST: return OnHitTest(hwnd, reinterpret_cast<HDHITTESTINFO*>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT HeaderControl::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT HeaderControl::OnInsertItem(HWND hwnd, WPARAM index, const HDITEMA* item) {
    HeaderState& s = StateOf(hwnd);
    if (!item || static_cast<INT_PTR>(index) < 0 || s.items.size() >= static_cast<size_t>(kMaxItems))
        return -1;
    EndTrack(hwnd, false);
    const size_t at = std::min<size_t>(index, s.items.size());
    HeaderItem h;
    Apply(h, *item);
    s.items.insert(s.items.begin() + static_cast<std::ptrdiff_t>(at), std::move(h));
    InvalidateRect(hwnd, nullptr, FALSE);
    return static_cast<LRESULT>(at);
}

LRESULT HeaderControl::OnDeleteItem(HWND hwnd, WPARAM index) {
    HeaderState& s = StateOf(hwnd);
    if (!ValidIndex(s, index))
        return FALSE;
    EndTrack(hwnd, false);
    s.pressed = -1;
    s.items.erase(s.items.begin() + static_cast<std::ptrdiff_t>(index));
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT HeaderControl::OnGetItem(HWND hwnd, WPARAM index, HDITEMA* item) {
    const HeaderState& s = StateOf(hwnd);
    if (!item || !ValidIndex(s, index))
        return FALSE;
    const HeaderItem& h = s.items[index];
    if (item->mask & HDI_WIDTH)
        item->cxy = h.width;
    if (item->mask & HDI_TEXT)
        CommonControl::CopyText(h.text, item->pszText, item->cchTextMax);
    if (item->mask & HDI_FORMAT)
        item->fmt = h.format;
    if (item->mask & HDI_LPARAM)
        item->lParam = h.param;
    return TRUE;
}

LRESULT HeaderControl::OnSetItem(HWND hwnd, WPARAM index, const HDITEMA* item) {
    HeaderState& s = StateOf(hwnd);
    if (!item || !ValidIndex(s, index))
        return FALSE;
    Apply(s.items[index], *item);
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

bool HeaderControl::ItemRect(const HeaderState& s, HWND hwnd, int index, RECT* out) {
    if (index < 0 || index >= static_cast<int>(s.items.size()))
        return false;
    const RECT rc = ClientRectOf(hwnd);
    long long x = 0;
    for (int i = 0; i < index; ++i)
        x += s.items[static_cast<size_t>(i)].width;
    const int left = static_cast<int>(std::min<long long>(x, kMaxWidth * 16LL));
    *out = RECT{left, 0, left + s.items[static_cast<size_t>(index)].width, rc.bottom};
    return true;
}

LRESULT HeaderControl::OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out) {
    if (!out || index > static_cast<WPARAM>(kMaxItems))
        return FALSE;
    return ItemRect(StateOf(hwnd), hwnd, static_cast<int>(index), out) ? TRUE : FALSE;
}

// Places the header along the top of prc and takes its height from prc, as a list view asks it to.
LRESULT HeaderControl::OnLayout(HWND hwnd, HDLAYOUT* layout) {
    if (!layout || !layout->prc || !layout->pwpos)
        return FALSE;
    const int height = CommonControl::LineHeight(hwnd, CommonControl::FontOf(StateOf(hwnd).font)) + 6;
    RECT& r = *layout->prc;
    WINDOWPOS& wp = *layout->pwpos;
    wp.hwnd = hwnd;
    wp.hwndInsertAfter = nullptr;
    wp.x = r.left;
    wp.y = r.top;
    wp.cx = r.right - r.left;
    wp.cy = height;
    wp.flags = SWP_NOZORDER;
    r.top += height;
    return TRUE;
}

int HeaderControl::HitTest(HWND hwnd, const HeaderState& s, POINT pt, bool* divider) {
    *divider = false;
    const RECT rc = ClientRectOf(hwnd);
    if (pt.y < rc.top || pt.y >= rc.bottom)
        return -1;
    // Dividers first, last title first, so that a zero-width title's divider can still be grabbed.
    long long right = 0;
    std::vector<long long> rights;
    rights.reserve(s.items.size());
    for (const HeaderItem& h : s.items)
        rights.push_back(right += h.width);
    for (int i = static_cast<int>(s.items.size()) - 1; i >= 0; --i)
        if (pt.x >= rights[static_cast<size_t>(i)] - kDividerGrab &&
            pt.x <= rights[static_cast<size_t>(i)] + kDividerGrab) {
            *divider = true;
            return i;
        }
    long long left = 0;
    for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
        if (pt.x >= left && pt.x < rights[static_cast<size_t>(i)])
            return i;
        left = rights[static_cast<size_t>(i)];
    }
    return -1;
}

LRESULT HeaderControl::OnHitTest(HWND hwnd, HDHITTESTINFO* info) {
    if (!info)
        return -1;
    bool divider = false;
    const int i = HitTest(hwnd, StateOf(hwnd), info->pt, &divider);
    info->iItem = i;
    info->flags = i < 0 ? HHT_NOWHERE : divider ? HHT_ONDIVIDER : HHT_ONHEADER;
    return i;
}

LRESULT HeaderControl::NotifyItem(HWND hwnd, UINT code, int index, int width) {
    HDITEMA item;
    item.mask = HDI_WIDTH;
    item.cxy = width;
    NMHEADERA nm;
    nm.iItem = index;
    nm.iButton = 0;
    nm.pitem = &item;
    return CommonControl::Notify(hwnd, code, &nm.hdr);
}

LRESULT HeaderControl::OnMouseDown(HWND hwnd, POINT pt) {
    HeaderState& s = StateOf(hwnd);
    bool divider = false;
    const int i = HitTest(hwnd, s, pt, &divider);
    if (i < 0)
        return 0;
    if (divider) {
        if (NotifyItem(hwnd, HDN_BEGINTRACK, i, s.items[static_cast<size_t>(i)].width) != 0 ||
            !IsWindow(hwnd))
            return 0;
        HeaderState& after = StateOf(hwnd);
        RECT r;
        if (!ItemRect(after, hwnd, i, &r))
            return 0;
        after.tracking = i;
        after.trackOffset = pt.x - r.right;
        SetCapture(hwnd);
        return 0;
    }
    if (CommonControl::StyleOf(hwnd) & HDS_BUTTONS) {
        s.pressed = i;
        s.pressedIn = true;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

LRESULT HeaderControl::OnMouseMove(HWND hwnd, POINT pt) {
    HeaderState& s = StateOf(hwnd);
    if (GetCapture() != hwnd)
        return 0;
    if (s.tracking >= 0 && s.tracking < static_cast<int>(s.items.size())) {
        RECT r;
        ItemRect(s, hwnd, s.tracking, &r);
        const int width = std::clamp(pt.x - s.trackOffset - static_cast<int>(r.left), 0, kMaxWidth);
        if (width != s.items[static_cast<size_t>(s.tracking)].width) {
            const int index = s.tracking;
            if (NotifyItem(hwnd, HDN_TRACK, index, width) != 0 || !IsWindow(hwnd))
                return 0;
            HeaderState& after = StateOf(hwnd);
            if (index < static_cast<int>(after.items.size()))
                after.items[static_cast<size_t>(index)].width = width;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    }
    if (s.pressed >= 0) {
        RECT r;
        const bool in = ItemRect(s, hwnd, s.pressed, &r) && CommonControl::Inside(r, pt);
        if (in != s.pressedIn) {
            s.pressedIn = in;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
    }
    return 0;
}

void HeaderControl::EndTrack(HWND hwnd, bool notify) {
    HeaderState& s = StateOf(hwnd);
    const int index = s.tracking;
    if (index < 0)
        return;
    s.tracking = -1;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (!notify || !IsWindow(hwnd) || index >= static_cast<int>(StateOf(hwnd).items.size()))
        return;
    const int width = StateOf(hwnd).items[static_cast<size_t>(index)].width;
    NotifyItem(hwnd, HDN_ENDTRACK, index, width);
    if (IsWindow(hwnd))
        NotifyItem(hwnd, HDN_ITEMCHANGEDA, index, width);
}

LRESULT HeaderControl::OnMouseUp(HWND hwnd, POINT pt) {
    HeaderState& s = StateOf(hwnd);
    if (s.tracking >= 0) {
        EndTrack(hwnd, true);
        return 0;
    }
    if (s.pressed < 0)
        return 0;
    const int index = s.pressed;
    RECT r;
    const bool in = ItemRect(s, hwnd, index, &r) && CommonControl::Inside(r, pt);
    s.pressed = -1;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
    if (in && IsWindow(hwnd))
        NotifyItem(hwnd, HDN_ITEMCLICK, index, StateOf(hwnd).items[static_cast<size_t>(index)].width);
    return 0;
}

LRESULT HeaderControl::OnCaptureChanged(HWND hwnd) {
    HeaderState& s = StateOf(hwnd);
    if (s.tracking >= 0) {
        s.tracking = -1;
    }
    if (s.pressed >= 0) {
        s.pressed = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

LRESULT HeaderControl::OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    bool divider = false;
    const HeaderState& s = StateOf(hwnd);
    if (LOWORD(lParam) == HTCLIENT && (s.tracking >= 0 || (HitTest(hwnd, s, p, &divider) >= 0 && divider))) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        return TRUE;
    }
    return DefWindowProcA(hwnd, WM_SETCURSOR, wParam, lParam);
}

LRESULT HeaderControl::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void HeaderControl::Draw(HWND hwnd, HDC dc) {
    const HeaderState& s = StateOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, CommonControl::FontOf(s.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    int x = 0;
    for (int i = 0; i < static_cast<int>(s.items.size()) && x < rc.right; ++i) {
        const HeaderItem& h = s.items[static_cast<size_t>(i)];
        RECT r{x, rc.top, x + h.width, rc.bottom};
        x = r.right;
        if (h.width <= 0)
            continue;
        const bool pressed = i == s.pressed && s.pressedIn;
        RECT box = r;
        if (pressed) {
            FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
        } else {
            DrawEdge(dc, &box, EDGE_RAISED, BF_RECT | BF_SOFT);
        }
        RECT text = r;
        InflateRect(&text, -6, 0);
        if (pressed)
            OffsetRect(&text, 1, 1);
        const int justify = h.format & HDF_JUSTIFYMASK;
        const UINT align = justify == HDF_RIGHT ? DT_RIGHT : justify == HDF_CENTER ? DT_CENTER : DT_LEFT;
        DrawTextA(dc, h.text.c_str(), static_cast<int>(h.text.size()), &text,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    // The room after the last title is an empty raised box, as on Windows.
    if (x < rc.right) {
        RECT rest{x, rc.top, rc.right, rc.bottom};
        DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    RestoreDC(dc, saved);
}

LRESULT HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return HeaderControl::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
