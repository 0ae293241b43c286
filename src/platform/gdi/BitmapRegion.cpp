// Bitmap to region: one box per run of non-key pixels, rows with identical runs merged into one band, so a
// skin border of a few hundred pixels becomes a region in one pass without region arithmetic.
#include "platform/gdi/DeviceContext.h"
#include "platform/os/WinBase.h"

#include <vector>

namespace win {

using namespace gdi;

HRGN BitmapToRegion(HBITMAP bitmap, COLORREF transparent, int x, int y) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (x < -(1 << 28) || x > (1 << 28) || y < -(1 << 28) || y > (1 << 28)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    b->PullFromDib();
    const Surface& s = *b->surface;
    const std::uint32_t key = ToPixel(transparent) & 0xFFFFFF;
    std::vector<pixman_box32_t> boxes;
    std::vector<std::pair<int, int>> previous, current;
    std::size_t bandStart = 0; // first box of the band that the previous row extended
    for (int row = 0; row < s.Height(); ++row) {
        current.clear();
        const std::uint32_t* p = s.Row(row);
        for (int col = 0; col < s.Width();) {
            while (col < s.Width() && (p[col] & 0xFFFFFF) == key)
                ++col;
            const int start = col;
            while (col < s.Width() && (p[col] & 0xFFFFFF) != key)
                ++col;
            if (col > start)
                current.emplace_back(start, col);
        }
        if (!current.empty() && current == previous) {
            for (std::size_t i = bandStart; i < boxes.size(); ++i)
                ++boxes[i].y2;
            continue;
        }
        bandStart = boxes.size();
        for (auto [l, r] : current)
            boxes.push_back(pixman_box32_t{l + x, row + y, r + x, row + y + 1});
        previous.swap(current);
    }
    pixman_region32_t region;
    pixman_region32_init_rects(&region, boxes.data(), static_cast<int>(boxes.size()));
    HRGN result = gdi::CreateRegionFrom(region);
    pixman_region32_fini(&region);
    return result;
}

} // namespace win
