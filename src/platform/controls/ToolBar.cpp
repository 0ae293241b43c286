#include "platform/controls/ToolBar.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kSeparator = 8;
constexpr int kTextPadding = 12;
constexpr int kMaxText = 4096;
constexpr int kMaxButtonSize = 1000;
constexpr int kTop = 2; // the divider and the gap above the buttons

WindowData<ToolBarState>& States() {
    static WindowData<ToolBarState> d;
    return d;
}

ToolBarState& StateOf(HWND hwnd) {
    return CommonControl::StateIn(States(), hwnd);
}

bool Flat(HWND hwnd) {
    return (CommonControl::StyleOf(hwnd) & TBSTYLE_FLAT) != 0;
}

std::string TextOf(INT_PTR iString) {
    // Values below 0x10000 index a string pool, which this toolbar does not keep.
    if (iString <= 0xFFFF)
        return {};
    const auto* text = reinterpret_cast<const char*>(iString);
    size_t n = 0;
    while (n < static_cast<size_t>(kMaxText) && text[n])
        ++n;
    return std::string(text, n);
}

bool Usable(const ToolButton& b) {
    return !(b.style & TBSTYLE_SEP) && (b.state & TBSTATE_ENABLED) && !(b.state & TBSTATE_HIDDEN);
}

} // namespace

LRESULT ToolBar::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY: return OnNcDestroy(hwnd, wParam, lParam);
    case WM_PAINT:
    case WM_PRINTCLIENT: return OnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnMouseDown(hwnd, CommonControl::PointOf(lParam));
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, CommonControl::PointOf(lParam));
    case WM_LBUTTONUP: return OnMouseUp(hwnd, CommonControl::PointOf(lParam));
    case WM_MOUSELEAVE: return OnMouseLeave(hwnd);
    case WM_CAPTURECHANGED: return OnCaptureChanged(hwnd);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_SETFONT:
        StateOf(hwnd).font = reinterpret_cast<HFONT>(wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(StateOf(hwnd).font);
    case TB_BUTTONSTRUCTSIZE: StateOf(hwnd).structSize = static_cast<UINT>(wParam); return 0;
    case TB_ADDBUTTONSA: return OnAddButtons(hwnd, wParam, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_INSERTBUTTONA: return OnInsertButton(hwnd, wParam, reinterpret_cast<const TBBUTTON*>(lParam));
    case TB_DELETEBUTTON: return OnDeleteButton(hwnd, wParam);
    case TB_GETBUTTON: return OnGetButton(hwnd, wParam, reinterpret_cast<TBBUTTON*>(lParam));
    case TB_BUTTONCOUNT: return static_cast<LRESULT>(StateOf(hwnd).buttons.size());
    case TB_COMMANDTOINDEX: return IndexOfCommand(StateOf(hwnd), wParam);
    case TB_ENABLEBUTTON: return OnSetStateBit(hwnd, wParam, TBSTATE_ENABLED, LOWORD(lParam) != 0);
    case TB_CHECKBUTTON: return OnSetStateBit(hwnd, wParam, TBSTATE_CHECKED, LOWORD(lParam) != 0);
    case TB_PRESSBUTTON: return OnSetStateBit(hwnd, wParam, TBSTATE_PRESSED, LOWORD(lParam) != 0);
    case TB_HIDEBUTTON: return OnSetStateBit(hwnd, wParam, TBSTATE_HIDDEN, LOWORD(lParam) != 0);
    case TB_ISBUTTONENABLED: return OnGetStateBit(hwnd, wParam, TBSTATE_ENABLED);
    case TB_ISBUTTONCHECKED: return OnGetStateBit(hwnd, wParam, TBSTATE_CHECKED);
    case TB_ISBUTTONPRESSED: return OnGetStateBit(hwnd, wParam, TBSTATE_PRESSED);
    case TB_ISBUTTONHIDDEN: return OnGetStateBit(hwnd, wParam, TBSTATE_HIDDEN);
    case TB_SETSTATE: return OnSetState(hwnd, wParam, static_cast<BYTE>(LOWORD(lParam)));
    case TB_GETSTATE: {
        const ToolBarState& s = StateOf(hwnd);
        const int i = IndexOfCommand(s, wParam);
        return i < 0 ? -1 : s.buttons[static_cast<size_t>(i)].state;
    }
    case TB_GETITEMRECT: return OnGetItemRect(hwnd, wParam, reinterpret_cast<LPRECT>(lParam));
    case TB_SETBUTTONSIZE: return OnSetButtonSize(hwnd, lParam);
    case TB_GETBUTTONSIZE: {
        const SIZE size = ButtonSize(hwnd, StateOf(hwnd));
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
    }
    case TB_AUTOSIZE: return OnAutoSize(hwnd);
    case TB_SETPARENT: {
        ToolBarState& s = StateOf(hwnd);
        HWND old = s.notify ? s.notify : GetParent(hwnd);
        s.notify = reinterpret_cast<HWND>(wParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case TB_GETHOTITEM: return StateOf(hwnd).hot;
    case TB_SETHOTITEM: return OnSetHotItem(hwnd, wParam);
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ToolBar::OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    States().Drop(hwnd);
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

ToolButton ToolBar::MakeButton(const TBBUTTON& b) {
    ToolButton t;
    t.command = b.idCommand;
    t.state = b.fsState;
    t.style = b.fsStyle;
    t.separatorWidth = (b.fsStyle & TBSTYLE_SEP) ? std::clamp(b.iBitmap, 0, kMaxButtonSize) : 0;
    t.data = b.dwData;
    t.text = TextOf(b.iString);
    return t;
}

// Fails on a structure size other than TBBUTTON's, no buttons, too many, or a null array.
LRESULT ToolBar::OnAddButtons(HWND hwnd, WPARAM count, const TBBUTTON* buttons) {
    ToolBarState& s = StateOf(hwnd);
    if (!buttons || count == 0 || s.structSize != sizeof(TBBUTTON) ||
        count > static_cast<WPARAM>(kToolBarMaxButtons) - s.buttons.size())
        return FALSE;
    for (size_t i = 0; i < count; ++i)
        s.buttons.push_back(MakeButton(buttons[i]));
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT ToolBar::OnInsertButton(HWND hwnd, WPARAM index, const TBBUTTON* button) {
    ToolBarState& s = StateOf(hwnd);
    if (!button || s.structSize != sizeof(TBBUTTON) ||
        s.buttons.size() >= static_cast<size_t>(kToolBarMaxButtons))
        return FALSE;
    const size_t at = std::min<size_t>(index, s.buttons.size());
    s.buttons.insert(s.buttons.begin() + static_cast<std::ptrdiff_t>(at), MakeButton(*button));
    s.hot = s.pressed = -1;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT ToolBar::OnDeleteButton(HWND hwnd, WPARAM index) {
    ToolBarState& s = StateOf(hwnd);
    if (index >= s.buttons.size())
        return FALSE;
    s.buttons.erase(s.buttons.begin() + static_cast<std::ptrdiff_t>(index));
    s.hot = s.pressed = -1;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT ToolBar::OnGetButton(HWND hwnd, WPARAM index, TBBUTTON* out) {
    const ToolBarState& s = StateOf(hwnd);
    if (!out || index >= s.buttons.size())
        return FALSE;
    const ToolButton& b = s.buttons[index];
    *out = TBBUTTON{};
    out->iBitmap = b.separatorWidth;
    out->idCommand = b.command;
    out->fsState = b.state;
    out->fsStyle = b.style;
    out->dwData = b.data;
    return TRUE;
}

int ToolBar::IndexOfCommand(const ToolBarState& s, WPARAM command) {
    for (size_t i = 0; i < s.buttons.size(); ++i)
        if (!(s.buttons[i].style & TBSTYLE_SEP) &&
            static_cast<WPARAM>(static_cast<UINT>(s.buttons[i].command)) ==
                static_cast<WPARAM>(static_cast<UINT>(command)))
            return static_cast<int>(i);
    return -1;
}

LRESULT ToolBar::OnSetStateBit(HWND hwnd, WPARAM command, BYTE bit, bool on) {
    ToolBarState& s = StateOf(hwnd);
    const int i = IndexOfCommand(s, command);
    if (i < 0)
        return FALSE;
    BYTE& state = s.buttons[static_cast<size_t>(i)].state;
    state = on ? static_cast<BYTE>(state | bit) : static_cast<BYTE>(state & ~bit);
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT ToolBar::OnGetStateBit(HWND hwnd, WPARAM command, BYTE bit) {
    const ToolBarState& s = StateOf(hwnd);
    const int i = IndexOfCommand(s, command);
    if (i < 0)
        return -1;
    return (s.buttons[static_cast<size_t>(i)].state & bit) ? TRUE : FALSE;
}

LRESULT ToolBar::OnSetState(HWND hwnd, WPARAM command, BYTE state) {
    ToolBarState& s = StateOf(hwnd);
    const int i = IndexOfCommand(s, command);
    if (i < 0)
        return FALSE;
    s.buttons[static_cast<size_t>(i)].state = state;
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

SIZE ToolBar::ButtonSize(HWND hwnd, const ToolBarState& s) {
    SIZE size = s.buttonSize;
    const HFONT font = CommonControl::FontOf(s.font);
    for (const ToolButton& b : s.buttons)
        if (!(b.style & TBSTYLE_SEP) && !b.text.empty()) {
            const SIZE t = CommonControl::TextSize(hwnd, font, b.text);
            size.cx = std::max<int>(size.cx, t.cx + kTextPadding);
            size.cy = std::max<int>(size.cy, t.cy + 8);
        }
    return size;
}

std::vector<RECT> ToolBar::Rects(HWND hwnd, const ToolBarState& s) {
    const SIZE size = ButtonSize(hwnd, s);
    const HFONT font = CommonControl::FontOf(s.font);
    std::vector<RECT> out;
    out.reserve(s.buttons.size());
    int x = 0;
    for (const ToolButton& b : s.buttons) {
        if (b.state & TBSTATE_HIDDEN) {
            out.push_back(RECT{x, kTop, x, kTop});
            continue;
        }
        int w = size.cx;
        if (b.style & TBSTYLE_SEP)
            w = b.separatorWidth > 0 ? b.separatorWidth : kSeparator;
        else if ((b.style & TBSTYLE_AUTOSIZE) && !b.text.empty())
            w = CommonControl::TextSize(hwnd, font, b.text).cx + kTextPadding;
        out.push_back(RECT{x, kTop, x + w, kTop + size.cy});
        x = std::min(x + w, 1 << 24);
    }
    return out;
}

int ToolBar::HitTest(HWND hwnd, const ToolBarState& s, POINT pt) {
    const std::vector<RECT> rects = Rects(hwnd, s);
    for (size_t i = 0; i < rects.size(); ++i)
        if (CommonControl::Inside(rects[i], pt))
            return static_cast<int>(i);
    return -1;
}

LRESULT ToolBar::OnGetItemRect(HWND hwnd, WPARAM index, LPRECT out) {
    const ToolBarState& s = StateOf(hwnd);
    if (!out || index >= s.buttons.size())
        return FALSE;
    *out = Rects(hwnd, s)[index];
    return TRUE;
}

LRESULT ToolBar::OnSetButtonSize(HWND hwnd, LPARAM size) {
    ToolBarState& s = StateOf(hwnd);
    const int cx = LOWORD(size), cy = HIWORD(size);
    if (cx <= 0 || cy <= 0 || cx > kMaxButtonSize || cy > kMaxButtonSize)
        return FALSE;
    s.buttonSize = SIZE{cx, cy};
    InvalidateRect(hwnd, nullptr, FALSE);
    return TRUE;
}

LRESULT ToolBar::OnAutoSize(HWND hwnd) {
    const DWORD style = CommonControl::StyleOf(hwnd);
    HWND parent = GetParent(hwnd);
    if (!parent || (style & (CCS_NOPARENTALIGN | CCS_NORESIZE)))
        return 0;
    RECT pc;
    GetClientRect(parent, &pc);
    const int height = ButtonSize(hwnd, StateOf(hwnd)).cy + 2 * kTop;
    SetWindowPos(hwnd, nullptr, pc.left, pc.top, pc.right - pc.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT ToolBar::OnSetHotItem(HWND hwnd, WPARAM index) {
    ToolBarState& s = StateOf(hwnd);
    const int old = s.hot;
    const int i = static_cast<int>(static_cast<INT_PTR>(index));
    s.hot = i >= 0 && i < static_cast<int>(s.buttons.size()) && Usable(s.buttons[static_cast<size_t>(i)])
                ? i
                : -1;
    if (s.hot != old)
        InvalidateRect(hwnd, nullptr, FALSE);
    return old;
}

LRESULT ToolBar::OnMouseDown(HWND hwnd, POINT pt) {
    ToolBarState& s = StateOf(hwnd);
    const int i = HitTest(hwnd, s, pt);
    if (i < 0 || !Usable(s.buttons[static_cast<size_t>(i)]))
        return 0;
    s.pressed = i;
    s.pressedIn = true;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT ToolBar::OnMouseMove(HWND hwnd, POINT pt) {
    ToolBarState& s = StateOf(hwnd);
    const int i = HitTest(hwnd, s, pt);
    if (s.pressed >= 0 && GetCapture() == hwnd) {
        const bool in = i == s.pressed;
        if (in != s.pressedIn) {
            s.pressedIn = in;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    }
    const int hot = i >= 0 && Usable(s.buttons[static_cast<size_t>(i)]) ? i : -1;
    if (hot != s.hot) {
        s.hot = hot;
        InvalidateRect(hwnd, nullptr, FALSE);
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = hwnd;
        TrackMouseEvent(&tme);
    }
    return 0;
}

LRESULT ToolBar::OnMouseLeave(HWND hwnd) {
    ToolBarState& s = StateOf(hwnd);
    if (s.hot >= 0) {
        s.hot = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

LRESULT ToolBar::OnMouseUp(HWND hwnd, POINT pt) {
    ToolBarState& s = StateOf(hwnd);
    if (s.pressed < 0)
        return 0;
    const int index = s.pressed;
    const bool in = HitTest(hwnd, s, pt) == index;
    s.pressed = -1;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
    if (in && IsWindow(hwnd))
        Click(hwnd, index);
    return 0;
}

LRESULT ToolBar::OnCaptureChanged(HWND hwnd) {
    ToolBarState& s = StateOf(hwnd);
    if (s.pressed >= 0) {
        s.pressed = -1;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return 0;
}

void ToolBar::Click(HWND hwnd, int index) {
    ToolBarState& s = StateOf(hwnd);
    if (index < 0 || index >= static_cast<int>(s.buttons.size()))
        return;
    ToolButton& b = s.buttons[static_cast<size_t>(index)];
    if ((b.style & TBSTYLE_CHECKGROUP) == TBSTYLE_CHECKGROUP) {
        // The group runs over the neighbouring check-group buttons, up to a separator or another style.
        auto inGroup = [&](size_t i) {
            return (s.buttons[i].style & TBSTYLE_CHECKGROUP) == TBSTYLE_CHECKGROUP;
        };
        size_t first = static_cast<size_t>(index), last = first;
        while (first > 0 && inGroup(first - 1))
            --first;
        while (last + 1 < s.buttons.size() && inGroup(last + 1))
            ++last;
        for (size_t i = first; i <= last; ++i)
            s.buttons[i].state = static_cast<BYTE>(s.buttons[i].state & ~TBSTATE_CHECKED);
        b.state |= TBSTATE_CHECKED;
    } else if (b.style & TBSTYLE_CHECK) {
        b.state ^= TBSTATE_CHECKED;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    CommonControl::Command(hwnd, IsWindow(s.notify) ? s.notify : nullptr, static_cast<WORD>(b.command),
                           BN_CLICKED);
}

LRESULT ToolBar::OnPaint(HWND hwnd, HDC given) {
    return PaintWith(hwnd, given, [&](HDC dc) { Draw(hwnd, dc); });
}

void ToolBar::DrawButton(HWND hwnd, HDC dc, const ToolBarState& s, int index, const RECT& r) {
    const ToolButton& b = s.buttons[static_cast<size_t>(index)];
    const bool flat = Flat(hwnd);
    if (b.style & TBSTYLE_SEP) {
        if (flat) {
            RECT line{(r.left + r.right) / 2 - 1, r.top + 1, (r.left + r.right) / 2 + 1, r.bottom - 1};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
        }
        return;
    }
    const bool enabled = (b.state & TBSTATE_ENABLED) && IsWindowEnabled(hwnd);
    const bool down = (index == s.pressed && s.pressedIn) || (b.state & TBSTATE_PRESSED);
    const bool checked = (b.state & TBSTATE_CHECKED) != 0;
    RECT face = r;
    if (flat) {
        if (down || checked)
            DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        else if (index == s.hot && enabled)
            DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    } else {
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | ((down || checked) ? DFCS_PUSHED : 0));
        InflateRect(&face, -2, -2);
    }
    if (checked && !down) {
        // The classic checked face: the highlight colour in a one-pixel checkerboard.
        for (int y = face.top; y < face.bottom; ++y)
            for (int x = face.left + ((y - face.top) & 1); x < face.right; x += 2)
                SetPixel(dc, x, y, GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    RECT text = r;
    if (down || checked)
        OffsetRect(&text, 1, 1);
    const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    if (!enabled) {
        RECT lo = text;
        OffsetRect(&lo, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, b.text.c_str(), static_cast<int>(b.text.size()), &lo, flags);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextA(dc, b.text.c_str(), static_cast<int>(b.text.size()), &text, flags);
}

void ToolBar::Draw(HWND hwnd, HDC dc) {
    const ToolBarState& s = StateOf(hwnd);
    const RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (!(CommonControl::StyleOf(hwnd) & CCS_NODIVIDER)) {
        RECT divider{rc.left, rc.top, rc.right, rc.top + 2};
        DrawEdge(dc, &divider, EDGE_ETCHED, BF_TOP);
    }
    SelectObject(dc, CommonControl::FontOf(s.font));
    SetBkMode(dc, TRANSPARENT);
    const std::vector<RECT> rects = Rects(hwnd, s);
    for (size_t i = 0; i < rects.size() && rects[i].left < rc.right; ++i)
        if (rects[i].right > rects[i].left)
            DrawButton(hwnd, dc, s, static_cast<int>(i), rects[i]);
    RestoreDC(dc, saved);
}

LRESULT ToolBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ToolBar::Proc(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
