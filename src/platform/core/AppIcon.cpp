// The program's icon: a taxi roof sign, drawn once in code (there are no resource files).
#include "platform/core/WindowManager.h"

#include <cmath>

namespace win {

namespace {

HICON MakeAppIcon() {
    constexpr int n = 32;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = n;
    bi.bmiHeader.biHeight = -n;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP color = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!color || !bits)
        return nullptr;
    BYTE maskBits[n * 4] = {};
    auto* px = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            // A yellow sign with rounded corners and a black-and-white chequered band.
            const bool inside = x >= 2 && x < 30 && y >= 7 && y < 26 &&
                                !((x < 5 || x > 26) && (y < 10 || y > 22) &&
                                  std::hypot(x < 5 ? 5 - x : x - 26, y < 10 ? 10 - y : y - 22) > 3.0);
            std::uint32_t c = 0;
            if (inside) {
                c = 0xFFF5C518;
                if (y >= 15 && y < 20)
                    c = (((x - 2) / 4 + (y - 15) / 3) % 2) ? 0xFF202020 : 0xFFFFFFFF;
                if (x == 2 || x == 29 || y == 7 || y == 25)
                    c = 0xFF806000;
            } else {
                maskBits[y * 4 + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
            px[y * n + x] = c;
        }
    HBITMAP mask = CreateBitmap(n, n, 1, 1, maskBits);
    ICONINFO ii;
    ii.fIcon = TRUE;
    ii.hbmColor = color;
    ii.hbmMask = mask;
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(color);
    if (mask)
        DeleteObject(mask);
    return icon;
}

} // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (!instance && name == IDI_APPLICATION) {
        static HICON icon = MakeAppIcon();
        return icon;
    }
    SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
    return nullptr;
}
HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return LoadIconA(instance, name);
}

} // namespace win
