#include "platform/controls/StatusBar.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kGap = 2; // between parts
constexpr int kMaxText = 4096;

WindowData<StatusState>& States() {
    static WindowData<StatusState> d;
    return d;
}

StatusState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
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

LRESULT StatusBar::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: LayOut(hwnd); return 0;
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        LayOut(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_SETCURSOR: return OnSetCursor(hwnd, wParam, lParam);
    case WM_SETFONT:
        StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam);
        LayOut(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case WM_SETTEXT:
        OnSetText(hwnd, 0, reinterpret_cast<const char*>(lParam));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case SB_SETTEXTA: return OnSetText(hwnd, wParam, reinterpret_cast<const char*>(lParam));
    case SB_GETTEXTA: return OnGetText(hwnd, wParam, reinterpret_cast<char*>(lParam), false);
    case SB_GETTEXTLENGTHA: return OnGetText(hwnd, wParam, nullptr, true);
    case SB_SETPARTS: return OnSetParts(hwnd, wParam, reinterpret_cast<const int*>(lParam));
    case SB_GETPARTS: return OnGetParts(hwnd, wParam, reinterpret_cast<int*>(lParam));
    case SB_SETMINHEIGHT: StateOf(hwnd).minHeight = std::clamp(static_cast<int>(wParam), 0, 1000); return 0;
    case SB_SIMPLE: return OnSimple(hwnd, wParam != 0);
    case SB_ISSIMPLE: return StateOf(hwnd).simpleMode ? TRUE : FALSE;
    case SB_GETRECT: return OnGetRect(hwnd, wParam, reinterpret_cast<LPRECT>(lParam));
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT StatusBar::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

int StatusBar::NaturalHeight(HWND hwnd, const StatusState& s) {
    return std::max(s.minHeight, CommonControl::LineHeight(hwnd, CommonControl::FontOf(s.font)) + 8);
}

void StatusBar::LayOut(HWND hwnd) {
    StatusState& s = StateOf(hwnd);
    const DWORD style = CommonControl::StyleOf(hwnd);
    HWND parent = GetParent(hwnd);
    if (s.laying || !parent || (style & (CCS_NOPARENTALIGN | CCS_NORESIZE)))
        return;
    RECT pc;
    GetClientRect(parent, &pc);
    const int height = NaturalHeight(hwnd, s);
    const bool top = (style & CCS_BOTTOM) == CCS_TOP;
    const int y = top ? pc.top : pc.bottom - height;
    RECT now;
    GetWindowRect(hwnd, &now);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
    if (now.left == pc.left && now.top == y && now.right == pc.right && now.bottom == y + height)
        return;
    s.laying = true;
    SetWindowPos(hwnd, nullptr, pc.left, y, pc.right - pc.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (StatusState* after = States().Find(hwnd))
        after->laying = false;
}

LRESULT StatusBar::OnSetText(HWND hwnd, WPARAM which, const char* text) {
    StatusState& s = StateOf(hwnd);
    const WPARAM part = which & 0xFF;
    const WPARAM type = which & 0xFF00;
    StatusPart* target = nullptr;
    if (part == SB_SIMPLEID)
        target = &s.simple;
    else if (part < s.parts.size())
        target = &s.parts[part];
    if (!target)
        return FALSE;
    target->text = Clipped(text);
    target->type = type;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

// LOWORD: the text's length, HIWORD: its SBT_* type. The buffer must hold the text and its NUL
// (SB_GETTEXTLENGTH tells how long), as on Windows.
LRESULT StatusBar::OnGetText(HWND hwnd, WPARAM which, char* buffer, bool lengthOnly) {
    const StatusState& s = StateOf(hwnd);
    const WPARAM part = which & 0xFF;
    const StatusPart* source = nullptr;
    if (part == SB_SIMPLEID)
        source = &s.simple;
    else if (part < s.parts.size())
        source = &s.parts[part];
    if (!source)
        return 0;
    const auto length = static_cast<WORD>(source->text.size());
    if (!lengthOnly && buffer)
        CommonControl::CopyText(source->text, buffer, static_cast<int>(source->text.size()) + 1);
    return static_cast<LRESULT>(MAKELONG(length, static_cast<WORD>(source->type)));
}

LRESULT StatusBar::OnSetParts(HWND hwnd, WPARAM count, const int* rights) {
    if (!rights || count == 0 || count > static_cast<WPARAM>(kStatusBarMaxParts))
        return FALSE;
    StatusState& s = StateOf(hwnd);
    s.parts.resize(count);
    for (size_t i = 0; i < count; ++i)
        s.parts[i].right = rights[i];
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT StatusBar::OnGetParts(HWND hwnd, WPARAM count, int* rights) {
    const StatusState& s = StateOf(hwnd);
    if (rights)
        for (size_t i = 0; i < std::min<size_t>(count, s.parts.size()); ++i)
            rights[i] = s.parts[i].right;
    return static_cast<LRESULT>(s.parts.size());
}

LRESULT StatusBar::OnGetRect(HWND hwnd, WPARAM part, LPRECT out) {
    if (!out)
        return FALSE;
    return PartRect(hwnd, StateOf(hwnd), static_cast<int>(std::min<WPARAM>(part, 0x7FFFFFFF)), out) ? TRUE
                                                                                                    : FALSE;
}

LRESULT StatusBar::OnSimple(HWND hwnd, bool simple) {
    StateOf(hwnd).simpleMode = simple;
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

bool StatusBar::HasGrip(HWND hwnd) {
    if (!(CommonControl::StyleOf(hwnd) & SBARS_SIZEGRIP))
        return false;
    HWND top = GetAncestor(hwnd, GA_ROOT);
    return top && !IsZoomed(top);
}

RECT StatusBar::GripRect(HWND hwnd) {
    const RECT rc = ClientRectOf(hwnd);
    const int size = std::min<int>(rc.bottom - rc.top, GetSystemMetrics(SM_CXVSCROLL));
    return RECT{rc.right - size, rc.bottom - size, rc.right, rc.bottom};
}

bool StatusBar::PartRect(HWND hwnd, const StatusState& s, int part, RECT* out) {
    const RECT rc = ClientRectOf(hwnd);
    const int end = rc.right - (HasGrip(hwnd) ? GripRect(hwnd).right - GripRect(hwnd).left : 0);
    if (s.simpleMode) {
        if (part != 0 && part != static_cast<int>(SB_SIMPLEID))
            return false;
        *out = RECT{rc.left, rc.top + kGap, end, rc.bottom};
        return true;
    }
    if (part < 0 || part >= static_cast<int>(s.parts.size()))
        return false;
    int left = rc.left;
    for (int i = 0; i <= part; ++i) {
        const int right = s.parts[static_cast<size_t>(i)].right;
        const int r = right < 0 ? end : std::clamp(right, left, std::max(left, end));
        *out = RECT{left, rc.top + kGap, r, rc.bottom};
        left = r + kGap;
    }
    return true;
}

LRESULT StatusBar::OnMouseDown(HWND hwnd, POINT pt) {
    if (!HasGrip(hwnd) || !CommonControl::Inside(GripRect(hwnd), pt))
        return 0;
    HWND top = GetAncestor(hwnd, GA_ROOT);
    ClientToScreen(hwnd, &pt);
    if (top && top != hwnd)
        SendMessageA(top, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, MAKELPARAM(pt.x, pt.y));
    return 0;
}

LRESULT StatusBar::OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    if (LOWORD(lParam) == HTCLIENT && HasGrip(hwnd) && CommonControl::Inside(GripRect(hwnd), p)) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZENWSE));
        return TRUE;
    }
    return DefWindowProcA(hwnd, WM_SETCURSOR, wParam, lParam);
}

LRESULT StatusBar::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void StatusBar::DrawPart(HDC dc, const RECT& r, const StatusPart& part) {
    RECT box = r;
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(dc, &box, (part.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    RECT text = box;
    InflateRect(&text, -2, 0);
    text.left += 1;
    // Tabs split the text into left, centred and right-aligned pieces.
    const std::string& t = part.text;
    const size_t tab1 = t.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? std::string::npos : t.find('\t', tab1 + 1);
    auto piece = [&](size_t from, size_t to, UINT align) {
        if (from >= t.size() || to <= from)
            return;
        RECT copy = text;
        DrawTextA(dc, t.c_str() + from, static_cast<int>(to - from), &copy,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    };
    piece(0, std::min(tab1, t.size()), DT_LEFT);
    if (tab1 != std::string::npos)
        piece(tab1 + 1, std::min(tab2, t.size()), DT_CENTER);
    if (tab2 != std::string::npos)
        piece(tab2 + 1, t.size(), DT_RIGHT);
}

void StatusBar::Draw(HWND hwnd, HDC dc) {
    const StatusState& s = StateOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, CommonControl::FontOf(s.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT r;
    if (s.simpleMode) {
        if (PartRect(hwnd, s, 0, &r))
            DrawPart(dc, r, s.simple);
    } else {
        for (int i = 0; i < static_cast<int>(s.parts.size()); ++i)
            if (PartRect(hwnd, s, i, &r) && r.right > r.left)
                DrawPart(dc, r, s.parts[static_cast<size_t>(i)]);
    }
    if (HasGrip(hwnd)) {
        RECT grip = GripRect(hwnd);
        DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    RestoreDC(dc, saved);
}

LRESULT StatusBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StatusBar::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
