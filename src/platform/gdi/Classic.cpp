// The classic 3-D look: DrawEdge, DrawFrameControl and the caption bar.
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

#include <algorithm>
#include <cstring>

namespace win {

using namespace gdi;

namespace {

struct Painter {
    DeviceContext* d;
    void Fill(int l, int t, int r, int b, COLORREF c) const {
        if (r > l && b > t)
            FillBox(d, d->Sx(l), d->Sy(t), d->Sx(r), d->Sy(b), ToPixel(c));
    }
    void Px(int x, int y, COLORREF c) const { Fill(x, y, x + 1, y + 1, c); }
    // A one-pixel bevel: top and left in `tl`, bottom and right in `br` (which owns the corners it touches).
    void Bevel(const RECT& r, COLORREF tl, COLORREF br, UINT sides) const {
        if (sides & BF_TOP)
            Fill(r.left, r.top, r.right - 1, r.top + 1, tl);
        if (sides & BF_LEFT)
            Fill(r.left, r.top, r.left + 1, r.bottom - 1, tl);
        if (sides & BF_BOTTOM)
            Fill(r.left, r.bottom - 1, r.right, r.bottom, br);
        if (sides & BF_RIGHT)
            Fill(r.right - 1, r.top, r.right, r.bottom, br);
    }
};

// Colours of the outer and inner bevel for each border kind (classic scheme).
void EdgeColours(UINT edge, UINT flags, COLORREF* outerTL, COLORREF* outerBR, COLORREF* innerTL,
                 COLORREF* innerBR) {
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), hilight = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
    const bool soft = flags & BF_SOFT;
    *outerTL = *outerBR = *innerTL = *innerBR = CLR_INVALID;
    if (edge & BDR_RAISEDOUTER) {
        *outerTL = soft ? hilight : light;
        *outerBR = dark;
    } else if (edge & BDR_SUNKENOUTER) {
        *outerTL = soft ? dark : shadow;
        *outerBR = hilight;
    }
    if (edge & BDR_RAISEDINNER) {
        *innerTL = soft ? light : hilight;
        *innerBR = shadow;
    } else if (edge & BDR_SUNKENINNER) {
        *innerTL = soft ? shadow : dark;
        *innerBR = light;
    }
    if (flags & (BF_FLAT | BF_MONO)) {
        const COLORREF c = (flags & BF_MONO) ? GetSysColor(COLOR_WINDOWFRAME) : shadow;
        if (*outerTL != CLR_INVALID)
            *outerTL = *outerBR = c;
        if (*innerTL != CLR_INVALID)
            *innerTL = *innerBR = (flags & BF_MONO) ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_3DFACE);
    }
}

// Glyphs are drawn as scaled pixel strokes so they stay crisp at every button size.
void DrawCross(const Painter& p, const RECT& r, COLORREF c) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int size = std::max(4, std::min(w, h) - 7) & ~1;
    const int x0 = r.left + (w - size) / 2, y0 = r.top + (h - size) / 2;
    for (int i = 0; i < size; ++i) {
        p.Fill(x0 + i, y0 + i, x0 + i + 2, y0 + i + 1, c);
        p.Fill(x0 + size - 2 - i, y0 + i, x0 + size - i, y0 + i + 1, c);
    }
}

void DrawTriangle(const Painter& p, const RECT& r, int dir, COLORREF c) {
    // dir: 0 up, 1 down, 2 left, 3 right
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int n = std::max(2, (std::min(w, h) - 4) / 3 + 1);
    const int cx = r.left + w / 2, cy = r.top + h / 2;
    for (int i = 0; i < n; ++i) {
        const int half = n - 1 - i;
        switch (dir) {
        case 0: p.Fill(cx - i, cy - n / 2 + i, cx + i + 1, cy - n / 2 + i + 1, c); break;
        case 1: p.Fill(cx - half, cy - n / 2 + i, cx + half + 1, cy - n / 2 + i + 1, c); break;
        case 2: p.Fill(cx - n / 2 + i, cy - i, cx - n / 2 + i + 1, cy + i + 1, c); break;
        default: p.Fill(cx - n / 2 + i, cy - half, cx - n / 2 + i + 1, cy + half + 1, c); break;
        }
    }
}

void DrawCheck(const Painter& p, int x, int y, COLORREF c) {
    // The classic 7 x 7 check mark, three pixels thick.
    static const int ys[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i)
        p.Fill(x + i, y + ys[i], x + i + 1, y + ys[i] + 3, c);
}

void CaptionGlyph(const Painter& p, const RECT& r, UINT kind, COLORREF c) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int gw = std::max(6, w - 8), gh = std::max(6, h - 7);
    const int x0 = r.left + (w - gw) / 2, y0 = r.top + (h - gh) / 2;
    switch (kind) {
    case DFCS_CAPTIONCLOSE: DrawCross(p, r, c); break;
    case DFCS_CAPTIONMIN: p.Fill(x0 + 1, y0 + gh - 2, x0 + gw / 2 + 2, y0 + gh, c); break;
    case DFCS_CAPTIONMAX:
        p.Fill(x0, y0, x0 + gw, y0 + 2, c);
        p.Fill(x0, y0, x0 + 1, y0 + gh, c);
        p.Fill(x0 + gw - 1, y0, x0 + gw, y0 + gh, c);
        p.Fill(x0, y0 + gh - 1, x0 + gw, y0 + gh, c);
        break;
    case DFCS_CAPTIONRESTORE: {
        const int bw = gw * 2 / 3, bh = gh * 2 / 3;
        auto box = [&](int x, int y) {
            p.Fill(x, y, x + bw, y + 2, c);
            p.Fill(x, y, x + 1, y + bh, c);
            p.Fill(x + bw - 1, y, x + bw, y + bh, c);
            p.Fill(x, y + bh - 1, x + bw, y + bh, c);
        };
        box(x0 + gw - bw, y0);
        p.Fill(x0, y0 + gh - bh, x0 + bw, y0 + gh, GetSysColor(COLOR_BTNFACE));
        box(x0, y0 + gh - bh);
        break;
    }
    default: {
        // A question mark for help.
        const int cx = r.left + w / 2;
        p.Fill(cx - 2, y0, cx + 2, y0 + 1, c);
        p.Fill(cx + 2, y0 + 1, cx + 3, y0 + 3, c);
        p.Fill(cx, y0 + 3, cx + 2, y0 + 4, c);
        p.Fill(cx, y0 + 4, cx + 1, y0 + gh - 3, c);
        p.Fill(cx, y0 + gh - 2, cx + 1, y0 + gh, c);
    }
    }
}

void Radio(const Painter& p, const RECT& r, UINT state) {
    const int size = std::min(12, static_cast<int>(std::min(r.right - r.left, r.bottom - r.top)));
    const int x0 = r.left, y0 = r.top + (r.bottom - r.top - size) / 2;
    const double c = (size - 1) / 2.0;
    const COLORREF face =
        (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? GetSysColor(COLOR_3DFACE) : GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - c, dy = y - c, dist = dx * dx + dy * dy;
            const double rOuter = (size / 2.0) * (size / 2.0), rInner = (size / 2.0 - 1) * (size / 2.0 - 1),
                         rFace = (size / 2.0 - 2) * (size / 2.0 - 2);
            if (dist > rOuter)
                continue;
            const bool topLeft = x + y < size - 1;
            COLORREF col;
            if (dist > rInner)
                col = topLeft ? GetSysColor(COLOR_3DSHADOW) : GetSysColor(COLOR_3DHILIGHT);
            else if (dist > rFace)
                col = topLeft ? GetSysColor(COLOR_3DDKSHADOW) : GetSysColor(COLOR_3DLIGHT);
            else
                col = face;
            p.Px(x0 + x, y0 + y, col);
        }
    if (state & DFCS_CHECKED) {
        const COLORREF dot =
            (state & DFCS_INACTIVE) ? GetSysColor(COLOR_3DSHADOW) : GetSysColor(COLOR_WINDOWTEXT);
        const int m = size / 2;
        p.Fill(x0 + m - 2, y0 + m - 1, x0 + m + 2, y0 + m + 1, dot);
        p.Fill(x0 + m - 1, y0 + m - 2, x0 + m + 1, y0 + m + 2, dot);
    }
}

} // namespace

BOOL DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawAccess access(d);
    Painter p{d};
    RECT r = *rect;
    COLORREF oTL, oBR, iTL, iBR;
    EdgeColours(edge, flags, &oTL, &oBR, &iTL, &iBR);
    if (flags & BF_DIAGONAL) {
        // Diagonal edges are not used by anything here; draw nothing but honour BF_ADJUST.
        return TRUE;
    }
    const UINT sides = flags & BF_RECT;
    if (oTL != CLR_INVALID) {
        p.Bevel(r, oTL, oBR, sides);
        if (sides & BF_LEFT)
            ++r.left;
        if (sides & BF_TOP)
            ++r.top;
        if (sides & BF_RIGHT)
            --r.right;
        if (sides & BF_BOTTOM)
            --r.bottom;
    }
    if (iTL != CLR_INVALID) {
        p.Bevel(r, iTL, iBR, sides);
        if (sides & BF_LEFT)
            ++r.left;
        if (sides & BF_TOP)
            ++r.top;
        if (sides & BF_RIGHT)
            --r.right;
        if (sides & BF_BOTTOM)
            --r.bottom;
    }
    if (flags & BF_MIDDLE)
        p.Fill(r.left, r.top, r.right, r.bottom,
               GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE));
    if (flags & BF_ADJUST)
        *rect = r;
    return TRUE;
}

namespace {

// What every kind of frame control draws with: the DC, its state flags and the button colours.
struct FrameControl {
    HDC dc;
    const Painter& p;
    UINT state;
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    COLORREF grey = GetSysColor(COLOR_3DSHADOW), white = GetSysColor(COLOR_3DHILIGHT);

    void Button(RECT& b) const {
        if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
            if (state & DFCS_FLAT)
                DrawEdge(dc, &b, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            else
                DrawEdge(dc, &b, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_SOFT);
        } else {
            DrawEdge(dc, &b, (state & DFCS_FLAT) ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT | BF_ADJUST);
        }
        if (!(state & DFCS_TRANSPARENT))
            p.Fill(b.left, b.top, b.right, b.bottom, GetSysColor(COLOR_3DFACE));
    }

    // A disabled glyph is drawn embossed: white offset by one, then grey.
    template <class Draw> void Glyph(Draw draw, RECT g) const {
        if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
            ++g.left;
            ++g.right;
            ++g.top;
            ++g.bottom;
        }
        if (state & DFCS_INACTIVE) {
            RECT w{g.left + 1, g.top + 1, g.right + 1, g.bottom + 1};
            draw(w, white);
            draw(g, grey);
        } else {
            draw(g, text);
        }
    }
};

void FrameCaption(const FrameControl& f, const RECT& rect) {
    RECT r = rect;
    f.Button(r);
    const UINT kind = f.state & 0xFF;
    f.Glyph([&](const RECT& g, COLORREF c) { CaptionGlyph(f.p, g, kind, c); }, rect);
}

// Three diagonal ridges in the corner: shadow, shadow, highlight, face.
void SizeGrip(const FrameControl& f, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const int s = (r.right - 1 - x) + (r.bottom - 1 - y);
            if (s >= 12)
                continue;
            const int m = s % 4;
            if (m == 1 || m == 2)
                f.p.Px(x, y, f.grey);
            else if (m == 3)
                f.p.Px(x, y, f.white);
        }
}

void FrameScroll(const FrameControl& f, const RECT& rect) {
    const UINT kind = f.state & 0xFF;
    if (kind == DFCS_SCROLLSIZEGRIP) {
        SizeGrip(f, rect);
        return;
    }
    RECT r = rect;
    f.Button(r);
    const int dir = kind == DFCS_SCROLLUP      ? 0
                    : kind == DFCS_SCROLLLEFT  ? 2
                    : kind == DFCS_SCROLLRIGHT ? 3
                                               : 1;
    f.Glyph([&](const RECT& g, COLORREF c) { DrawTriangle(f.p, g, dir, c); }, rect);
}

void FrameMenu(const FrameControl& f, const RECT& r) {
    const UINT kind = f.state & 0xFF;
    const COLORREF c = GetSysColor(COLOR_MENUTEXT);
    if (kind == DFCS_MENUARROW)
        DrawTriangle(f.p, r, 3, c);
    else if (kind == DFCS_MENUCHECK)
        DrawCheck(f.p, r.left + (r.right - r.left - 7) / 2, r.top + (r.bottom - r.top - 7) / 2, c);
    else {
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        f.p.Fill(cx - 2, cy - 1, cx + 2, cy + 1, c);
        f.p.Fill(cx - 1, cy - 2, cx + 1, cy + 2, c);
    }
}

// A 13 x 13 sunken square, left-aligned and centred vertically.
void CheckBox(const FrameControl& f, const RECT& r) {
    const UINT kind = f.state & 0xFF, state = f.state;
    const int size = std::min(13, static_cast<int>(std::min(r.right - r.left, r.bottom - r.top)));
    RECT box{r.left, r.top + (r.bottom - r.top - size) / 2, r.left + size, 0};
    box.bottom = box.top + size;
    if (state & DFCS_FLAT)
        DrawEdge(f.dc, &box, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_FLAT);
    else
        DrawEdge(f.dc, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool grey3 = (kind & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    f.p.Fill(box.left, box.top, box.right, box.bottom,
             GetSysColor((state & (DFCS_INACTIVE | DFCS_PUSHED)) || grey3 ? COLOR_3DFACE : COLOR_WINDOW));
    if (state & DFCS_CHECKED)
        DrawCheck(f.p, box.left + (box.right - box.left - 7) / 2, box.top + (box.bottom - box.top - 7) / 2,
                  (state & DFCS_INACTIVE) || grey3 ? f.grey : GetSysColor(COLOR_WINDOWTEXT));
}

void FrameButton(const FrameControl& f, const RECT& rect) {
    const UINT kind = f.state & 0xFF;
    RECT r = rect;
    if (kind & DFCS_BUTTONPUSH)
        f.Button(r);
    else if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK))
        Radio(f.p, r, f.state);
    else
        CheckBox(f, r);
}

} // namespace

BOOL DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DrawAccess access(d);
    Painter p{d};
    const FrameControl f{dc, p, state};
    switch (type) {
    case DFC_CAPTION: FrameCaption(f, *rect); return TRUE;
    case DFC_SCROLL: FrameScroll(f, *rect); return TRUE;
    case DFC_MENU: FrameMenu(f, *rect); return TRUE;
    case DFC_BUTTON: FrameButton(f, *rect); return TRUE;
    default: SetLastError(ERROR_INVALID_PARAMETER); return FALSE;
    }
}

BOOL DrawCaptionBar(HDC dc, const RECT* rect, const char* text, HICON icon, HFONT font, UINT flags) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool active = flags & DC_ACTIVE;
    const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    if (flags & DC_GRADIENT) {
        TRIVERTEX v[2];
        v[0].x = rect->left;
        v[0].y = rect->top;
        v[0].Red = static_cast<USHORT>(GetRValue(from) << 8);
        v[0].Green = static_cast<USHORT>(GetGValue(from) << 8);
        v[0].Blue = static_cast<USHORT>(GetBValue(from) << 8);
        v[1].x = rect->right;
        v[1].y = rect->bottom;
        v[1].Red = static_cast<USHORT>(GetRValue(to) << 8);
        v[1].Green = static_cast<USHORT>(GetGValue(to) << 8);
        v[1].Blue = static_cast<USHORT>(GetBValue(to) << 8);
        GRADIENT_RECT mesh{0, 1};
        GradientFill(dc, v, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
    } else {
        HBRUSH b = CreateSolidBrush(from);
        FillRect(dc, rect, b);
        DeleteObject(b);
    }
    const int h = rect->bottom - rect->top;
    int textLeft = rect->left + 2;
    if ((flags & DC_ICON) && icon) {
        const int size = std::min(16, h - 2);
        DrawIconEx(dc, rect->left + 2, rect->top + (h - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
        textLeft += size + 2;
    }
    if ((flags & DC_TEXT) && text) {
        HFONT own = nullptr;
        if (!font) {
            own = CreateFont(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
            font = own;
        }
        const int saved = SaveDC(dc);
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT tr{textLeft, rect->top, rect->right - 2, rect->bottom};
        DrawText(dc, text, -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        RestoreDC(dc, saved);
        if (own)
            DeleteObject(own);
    }
    return TRUE;
}

} // namespace win
