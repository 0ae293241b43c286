#include "platform/controls/Button.h"

namespace win::controls {

namespace {

constexpr int kGlyph = 13;

UINT TextFlags(DWORD style, UINT base) {
    UINT f = base;
    if (style & BS_MULTILINE)
        f |= DT_WORDBREAK;
    else
        f |= DT_SINGLELINE;
    return f;
}

// Draws the caption into `rc`, vertically centred also for several lines; returns the text's rectangle.
RECT DrawCaption(HWND hwnd, HDC dc, RECT rc, UINT flags, bool enabled) {
    const std::string text = WindowText(hwnd);
    RECT measure = rc;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, (flags | DT_CALCRECT) & ~DT_VCENTER);
    const int h = measure.bottom - measure.top;
    RECT out = rc;
    if (!(flags & DT_SINGLELINE)) {
        out.top = rc.top + std::max<LONG>(0, ((rc.bottom - rc.top) - h) / 2);
        out.bottom = out.top + h;
    }
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        // The classic etched look of disabled text.
        RECT lo = out;
        OffsetRect(&lo, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &lo, flags);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &out, flags);
    const int w = measure.right - measure.left;
    RECT box = out;
    if (flags & DT_CENTER) {
        box.left = rc.left + ((rc.right - rc.left) - w) / 2;
    } else if (flags & DT_RIGHT) {
        box.left = rc.right - w;
    }
    box.right = box.left + w;
    if (flags & DT_SINGLELINE) {
        box.top = rc.top + ((rc.bottom - rc.top) - h) / 2;
        box.bottom = box.top + h;
    }
    return text.empty() ? RECT{} : box;
}

} // namespace

void ButtonPainter::Paint(HWND hwnd, HDC dc, const ButtonState& st) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const RECT rc = ClientRectOf(hwnd);
    const int saved = SaveDC(dc);
    SelectObject(dc, st.font ? st.font : DefaultGuiFont());
    const DWORD type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW)
        PaintOwnerDraw(hwnd, dc, rc, st);
    else if (type == BS_GROUPBOX)
        PaintGroup(hwnd, dc, rc, st);
    else if (Button::IsCheck(type) || Button::IsRadio(type))
        PaintCheck(hwnd, dc, rc, st, style);
    else
        PaintPush(hwnd, dc, rc, st, style);
    RestoreDC(dc, saved);
}

void ButtonPainter::PaintPush(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st, DWORD style) {
    HBRUSH bg = ControlBrush(hwnd, dc, WM_CTLCOLORBTN);
    FillRect(dc, &rc, bg);
    RECT r = rc;
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (isDefault) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if (st.pushed) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&r, -1, -1);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        RECT face = r;
        DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    RECT text = rc;
    InflateRect(&text, -4, -3);
    if (st.pushed)
        OffsetRect(&text, 1, 1);
    UINT align = (style & BS_CENTER) == BS_LEFT    ? DT_LEFT
                 : (style & BS_CENTER) == BS_RIGHT ? DT_RIGHT
                                                   : DT_CENTER;
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawCaption(hwnd, dc, text, TextFlags(style, align | DT_VCENTER), IsWindowEnabled(hwnd) != 0);
    if (st.focused) {
        RECT f = rc;
        InflateRect(&f, -4, -4);
        DrawFocusRect(dc, &f);
    }
}

void ButtonPainter::PaintCheck(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st, DWORD style) {
    HBRUSH bg = ControlBrush(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rc, bg);
    const bool radio = Button::IsRadio(style & BS_TYPEMASK);
    const bool right = (style & BS_RIGHTBUTTON) != 0;
    const int top = rc.top + ((rc.bottom - rc.top) - kGlyph) / 2;
    RECT glyph = right ? RECT{rc.right - kGlyph, top, rc.right, top + kGlyph}
                       : RECT{rc.left, top, rc.left + kGlyph, top + kGlyph};
    UINT state = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (st.check == BST_INDETERMINATE)
        state = DFCS_BUTTON3STATE | DFCS_CHECKED;
    else if (st.check)
        state |= DFCS_CHECKED;
    if (st.pushed)
        state |= DFCS_PUSHED;
    if (!IsWindowEnabled(hwnd))
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &glyph, DFC_BUTTON, state);
    RECT text = rc;
    if (right)
        text.right -= kGlyph + 4;
    else
        text.left += kGlyph + 4;
    SetTextColor(dc, GetTextColor(dc));
    UINT align = right ? DT_RIGHT : DT_LEFT;
    RECT box = DrawCaption(hwnd, dc, text, TextFlags(style, align | DT_VCENTER), IsWindowEnabled(hwnd) != 0);
    if (st.focused && box.right > box.left) {
        InflateRect(&box, 1, 1);
        IntersectRect(&box, &box, &rc);
        DrawFocusRect(dc, &box);
    }
}

void ButtonPainter::PaintGroup(HWND hwnd, HDC dc, const RECT& rc, const ButtonState&) {
    HBRUSH bg = ControlBrush(hwnd, dc, WM_CTLCOLORSTATIC);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT frame = rc;
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string text = WindowText(hwnd);
    if (text.empty())
        return;
    RECT t{rc.left + 8, rc.top, rc.right - 8, rc.top + tm.tmHeight};
    RECT m = t;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, DT_SINGLELINE | DT_CALCRECT);
    t.right = std::min(t.right, m.right + 4);
    FillRect(dc, &t, bg);
    t.left += 2;
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd))
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void ButtonPainter::PaintOwnerDraw(HWND hwnd, HDC dc, const RECT& rc, const ButtonState& st) {
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (st.pushed ? ODS_SELECTED : 0) | (st.focused ? ODS_FOCUS : 0) |
                    (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = rc;
    ControlBrush(hwnd, dc, WM_CTLCOLORBTN);
    SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

} // namespace win::controls
