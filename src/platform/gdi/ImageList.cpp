// Image lists: equal-sized images with optional transparency masks.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

#include <cstring>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace win::gdi {

struct ImageList : HIMAGELIST__ {
    int cx = 16, cy = 16;
    UINT flags = 0;
    COLORREF bk = CLR_NONE;
    struct Image {
        std::vector<std::uint32_t> pixels;
        std::vector<std::uint8_t> transparent;
    };
    std::vector<Image> images;
};

namespace {

constexpr int kMaxImages = 65536;

std::mutex& ListMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HIMAGELIST>& LiveLists() {
    static std::unordered_set<HIMAGELIST> s;
    return s;
}
ImageList* LiveList(HIMAGELIST list) {
    std::lock_guard lock(ListMutex());
    return LiveLists().count(list) ? static_cast<ImageList*>(list) : nullptr;
}

// Adds one image per cx-wide slice; `isTransparent(x, y)` decides the mask.
template <class Mask> int AddSlices(ImageList* l, Bitmap* bm, Mask isTransparent) {
    bm->PullFromDib();
    const int count = bm->Width() / l->cx;
    if (count <= 0 || l->images.size() + count > kMaxImages)
        return -1;
    const int first = static_cast<int>(l->images.size());
    for (int n = 0; n < count; ++n) {
        ImageList::Image img;
        img.pixels.assign(std::size_t(l->cx) * l->cy, 0);
        img.transparent.assign(std::size_t(l->cx) * l->cy, 0);
        for (int y = 0; y < l->cy && y < bm->Height(); ++y)
            for (int x = 0; x < l->cx; ++x) {
                const int sx = n * l->cx + x;
                img.pixels[std::size_t(y) * l->cx + x] = bm->surface->Row(y)[sx] & 0xFFFFFF;
                img.transparent[std::size_t(y) * l->cx + x] = isTransparent(sx, y) ? 1 : 0;
            }
        l->images.push_back(std::move(img));
    }
    return first;
}

} // namespace

} // namespace win::gdi

namespace win {

using namespace gdi;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0 || cx > 1024 || cy > 1024) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto* l = new ImageList;
    l->cx = cx;
    l->cy = cy;
    l->flags = flags;
    std::lock_guard lock(ListMutex());
    LiveLists().insert(l);
    return l;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    ImageList* l = LiveList(list);
    if (!l)
        return FALSE;
    {
        std::lock_guard lock(ListMutex());
        LiveLists().erase(list);
    }
    delete l;
    return TRUE;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask) {
    ImageList* l = LiveList(list);
    Bitmap* bm = LiveBitmap(image);
    if (!l || !bm)
        return -1;
    const std::uint32_t key = ToPixel(mask) & 0xFFFFFF;
    const bool masked = l->flags & ILC_MASK;
    return AddSlices(l, bm,
                     [&](int x, int y) { return masked && (bm->surface->Row(y)[x] & 0xFFFFFF) == key; });
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    ImageList* l = LiveList(list);
    Bitmap* bm = LiveBitmap(image);
    if (!l || !bm)
        return -1;
    Bitmap* m = LiveBitmap(mask);
    if (m)
        m->PullFromDib();
    const bool masked = (l->flags & ILC_MASK) && m;
    return AddSlices(l, bm, [&](int x, int y) {
        return masked && x < m->Width() && y < m->Height() && (m->surface->Row(y)[x] & 0xFFFFFF) != 0;
    });
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    ImageList* l = LiveList(list);
    DeviceContext* d = LiveDC(dc);
    if (!l || !d || index < 0 || index >= static_cast<int>(l->images.size()))
        return FALSE;
    DrawAccess access(d);
    const ImageList::Image& img = l->images[index];
    const bool transparent = (style & ILD_TRANSPARENT) || l->bk == CLR_NONE;
    const std::uint32_t bk = ToPixel(l->bk);
    Surface& out = d->TargetSurface();
    const int ox = d->Sx(x), oy = d->Sy(y);
    ForEachClipped(d, ox, oy, ox + l->cx, oy + l->cy, [&](const pixman_box32_t& b) {
        for (int yy = b.y1; yy < b.y2; ++yy)
            for (int xx = b.x1; xx < b.x2; ++xx) {
                const std::size_t i = std::size_t(yy - oy) * l->cx + (xx - ox);
                std::uint32_t v;
                if (style & ILD_MASK)
                    v = img.transparent[i] ? 0xFFFFFF : 0;
                else if (img.transparent[i])
                    if (transparent)
                        continue;
                    else
                        v = bk;
                else
                    v = img.pixels[i];
                out.Row(yy)[xx] = d->IsMono() ? ToMono(v) : v;
            }
    });
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    ImageList* l = LiveList(list);
    return l ? static_cast<int>(l->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    ImageList* l = LiveList(list);
    if (!l || !cx || !cy)
        return FALSE;
    *cx = l->cx;
    *cy = l->cy;
    return TRUE;
}

BOOL ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    ImageList* l = LiveList(list);
    if (!l)
        return FALSE;
    l->bk = color;
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    ImageList* l = LiveList(list);
    if (!l)
        return FALSE;
    if (index == -1) {
        l->images.clear();
        return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(l->images.size()))
        return FALSE;
    l->images.erase(l->images.begin() + index);
    return TRUE;
}

} // namespace win
