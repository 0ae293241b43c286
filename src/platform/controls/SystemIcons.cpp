// The four message-box icons, drawn once at 32 x 32: a red disc with a cross, a blue disc with a question
// mark, a yellow triangle with an exclamation mark and a blue disc with an "i".
#include "platform/controls/ControlsInternal.h"

#include <map>

namespace win {

namespace {

constexpr int kSize = 32;

HICON MakeIcon(int id) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP color = CreateCompatibleBitmap(screen, kSize, kSize);
    HBITMAP mask = CreateBitmap(kSize, kSize, 1, 1, nullptr);
    ReleaseDC(nullptr, screen);
    if (!dc || !color || !mask) {
        if (dc)
            DeleteDC(dc);
        if (color)
            DeleteObject(color);
        if (mask)
            DeleteObject(mask);
        return nullptr;
    }
    const bool triangle = id == 32515;
    const COLORREF fill = id == 32513 ? RGB(220, 30, 30) : id == 32515 ? RGB(250, 210, 20) : RGB(30, 80, 220);
    const char* glyph = id == 32513 ? "\xC3\x97" : id == 32514 ? "?" : id == 32515 ? "!" : "i";
    const POINT tri[3] = {{kSize / 2, 1}, {kSize - 2, kSize - 3}, {1, kSize - 3}};

    // The mask: white is transparent, black where the shape lies.
    HGDIOBJ old = SelectObject(dc, mask);
    RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    if (triangle)
        Polygon(dc, tri, 3);
    else
        Ellipse(dc, 1, 1, kSize - 1, kSize - 1);

    // The colour image: black outside the shape, so that the mask's XOR step leaves the screen alone.
    SelectObject(dc, color);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, id == 32515 ? RGB(120, 90, 0) : RGB(20, 20, 20));
    SelectObject(dc, brush);
    SelectObject(dc, pen);
    if (triangle)
        Polygon(dc, tri, 3);
    else
        Ellipse(dc, 1, 1, kSize - 1, kSize - 1);
    LOGFONTA lf;
    lf.lfHeight = -22;
    lf.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, triangle ? RGB(0, 0, 0) : RGB(255, 255, 255));
    RECT text{0, triangle ? 6 : 0, kSize, kSize - (triangle ? 2 : 0)};
    DrawTextA(dc, glyph, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    SelectObject(dc, old);
    if (font)
        DeleteObject(font);
    DeleteObject(brush);
    DeleteObject(pen);
    DeleteDC(dc);

    ICONINFO info;
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = color;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}

} // namespace

HICON LoadSystemIcon(LPCSTR id) {
    if (!IS_INTRESOURCE(id))
        return nullptr;
    const int n = static_cast<int>(reinterpret_cast<ULONG_PTR>(id));
    if (n < 32513 || n > 32516)
        return nullptr;
    // Shared for the life of the process, as system icons are: never destroyed, also not at exit.
    static auto* icons = new std::map<int, HICON>;
    HICON& slot = (*icons)[n];
    if (!slot)
        slot = MakeIcon(n);
    return slot;
}

} // namespace win
