// A memory DC on a fresh bitmap, for drawing tests.
#pragma once

#include "platform/gdi/GdiInternal.h"
#include "platform/gdi/WinGdi.h"

#include <gtest/gtest.h>

namespace gditest {

class Canvas {
public:
    Canvas(int width, int height, win::COLORREF fill = win::RGB(255, 255, 255)) {
        dc = win::CreateCompatibleDC(nullptr);
        bitmap = win::CreateBitmap(width, height, 1, 32, nullptr);
        old = win::SelectObject(dc, bitmap);
        win::RECT r{0, 0, width, height};
        win::HBRUSH b = win::CreateSolidBrush(fill);
        win::FillRect(dc, &r, b);
        win::DeleteObject(b);
    }
    ~Canvas() {
        win::SelectObject(dc, old);
        win::DeleteDC(dc);
        win::DeleteObject(bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    const win::gdi::Surface& Surface() const { return *win::gdi::SurfaceOfBitmap(bitmap); }
    std::uint32_t At(int x, int y) const { return Surface().Row(y)[x] & 0xFFFFFF; }
    // The bounding box of pixels that differ from `background`; empty when none.
    win::RECT Ink(std::uint32_t background = 0xFFFFFF) const {
        const auto& s = Surface();
        win::RECT r{s.Width(), s.Height(), 0, 0};
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if ((s.Row(y)[x] & 0xFFFFFF) != background) {
                    r.left = std::min<int>(r.left, x);
                    r.top = std::min<int>(r.top, y);
                    r.right = std::max<int>(r.right, x + 1);
                    r.bottom = std::max<int>(r.bottom, y + 1);
                }
        if (r.right == 0)
            r = win::RECT{};
        return r;
    }

    win::HDC dc = nullptr;
    win::HBITMAP bitmap = nullptr;
    win::HGDIOBJ old = nullptr;
};

inline std::uint32_t Px(int r, int g, int b) {
    return (r << 16) | (g << 8) | b;
}

} // namespace gditest
