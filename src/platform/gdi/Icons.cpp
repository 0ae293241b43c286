// Icons (a colour image and a 1-bit mask), CopyImage and LoadImage from BMP files.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Raster.h"
#include "platform/os/WinBase.h"

#include <cstring>
#include <mutex>
#include <unordered_set>

namespace win::gdi {

struct Icon : HICON__ {
    std::shared_ptr<Surface> color;
    std::shared_ptr<Surface> mask; // white = transparent (AND mask)
    bool hasAlpha = false;
    bool isIcon = true;
    DWORD hotX = 0, hotY = 0;
};

namespace {

constexpr int kMaxIconSide = 1024;

std::mutex& iconMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HICON>& liveIcons() {
    // Outlives every static destructor, so icons still alive at exit stay known to be reachable.
    static auto* s = new std::unordered_set<HICON>;
    return *s;
}

Icon* liveIcon(HICON icon) {
    std::lock_guard lock(iconMutex());
    return liveIcons().count(icon) ? static_cast<Icon*>(icon) : nullptr;
}

std::shared_ptr<Surface> scaledCopy(const Surface& src, int w, int h) {
    auto out = std::make_shared<Surface>(w, h);
    for (int y = 0; y < out->height(); ++y) {
        const std::uint32_t* s =
            src.row(static_cast<int>(static_cast<long long>(y) * src.height() / out->height()));
        std::uint32_t* d = out->row(y);
        for (int x = 0; x < out->width(); ++x)
            d[x] = s[static_cast<long long>(x) * src.width() / out->width()];
    }
    return out;
}

Icon* registerIcon(Icon* icon) {
    std::lock_guard lock(iconMutex());
    liveIcons().insert(icon);
    return icon;
}

} // namespace

} // namespace win::gdi

namespace win {

using namespace gdi;

HICON CreateIconIndirect(ICONINFO* info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Bitmap* mask = LiveBitmap(info->hbmMask);
    Bitmap* color = LiveBitmap(info->hbmColor);
    if (!mask) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    mask->pullFromDib();
    auto* icon = new Icon;
    icon->isIcon = info->fIcon != 0;
    icon->hotX = info->xHotspot;
    icon->hotY = info->yHotspot;
    if (color) {
        color->pullFromDib();
        icon->color = scaledCopy(*color->surface, color->width(), color->height());
        icon->mask = scaledCopy(*mask->surface, color->width(), color->height());
        if (color->isDib ? color->dibHeader.biBitCount == 32 : true) {
            for (int y = 0; y < icon->color->height() && !icon->hasAlpha; ++y)
                for (int x = 0; x < icon->color->width(); ++x)
                    if (icon->color->row(y)[x] >> 24) {
                        icon->hasAlpha = true;
                        break;
                    }
        }
    } else {
        // A monochrome icon: the mask bitmap holds the AND mask above the XOR image.
        const int h = std::max(1, mask->height() / 2);
        icon->mask = std::make_shared<Surface>(mask->width(), h);
        icon->color = std::make_shared<Surface>(mask->width(), h);
        for (int y = 0; y < h; ++y) {
            std::memcpy(icon->mask->row(y), mask->surface->row(y),
                        static_cast<std::size_t>(mask->width()) * 4);
            if (y + h < mask->height())
                std::memcpy(icon->color->row(y), mask->surface->row(y + h),
                            static_cast<std::size_t>(mask->width()) * 4);
        }
    }
    return registerIcon(icon);
}

BOOL DestroyIcon(HICON icon) {
    Icon* i = liveIcon(icon);
    if (!i) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    {
        std::lock_guard lock(iconMutex());
        liveIcons().erase(icon);
    }
    delete i;
    return TRUE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    Icon* i = liveIcon(icon);
    if (!i || !info)
        return FALSE;
    Bitmap* color = NewBitmap(i->color->width(), i->color->height(), 32);
    std::memcpy(color->surface->pixels(), i->color->pixels(),
                std::size_t(i->color->width()) * i->color->height() * 4);
    Bitmap* mask = NewBitmap(i->mask->width(), i->mask->height(), 1);
    std::memcpy(mask->surface->pixels(), i->mask->pixels(),
                std::size_t(i->mask->width()) * i->mask->height() * 4);
    info->fIcon = i->isIcon;
    info->xHotspot = i->hotX;
    info->yHotspot = i->hotY;
    info->hbmColor = color;
    info->hbmMask = mask;
    return TRUE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH flicker, UINT flags) {
    DeviceContext* d = LiveDC(dc);
    Icon* i = liveIcon(icon);
    if (!d || !i) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0)
        width = (flags & DI_DEFAULTSIZE) ? 32 : i->color->width();
    if (height <= 0)
        height = (flags & DI_DEFAULTSIZE) ? 32 : i->color->height();
    if (width > kMaxIconSide || height > kMaxIconSide)
        return FALSE;
    if (!(flags & DI_NORMAL))
        flags |= DI_NORMAL;
    DrawAccess access(d);
    auto color = (width == i->color->width() && height == i->color->height())
                     ? i->color
                     : scaledCopy(*i->color, width, height);
    auto mask = (width == i->mask->width() && height == i->mask->height())
                    ? i->mask
                    : scaledCopy(*i->mask, width, height);
    if (flicker) {
        RECT r{x, y, x + width, y + height};
        FillRect(dc, &r, flicker);
    }
    Surface& out = d->surface();
    const int ox = d->sx(x), oy = d->sy(y);
    ForEachClipped(d, ox, oy, ox + width, oy + height, [&](const pixman_box32_t& b) {
        for (int yy = b.y1; yy < b.y2; ++yy) {
            std::uint32_t* row = out.row(yy);
            const std::uint32_t* c = color->row(yy - oy);
            const std::uint32_t* m = mask->row(yy - oy);
            for (int xx = b.x1; xx < b.x2; ++xx) {
                const std::uint32_t cp = c[xx - ox], mp = m[xx - ox] & 0xFFFFFF;
                std::uint32_t v = row[xx] & 0xFFFFFF;
                if (i->hasAlpha && (flags & DI_IMAGE) && (flags & DI_MASK)) {
                    v = BlendPixel(v, cp & 0xFFFFFF, cp >> 24);
                } else {
                    if (flags & DI_MASK)
                        v &= mp;
                    if (flags & DI_IMAGE)
                        v ^= cp & 0xFFFFFF;
                }
                row[xx] = d->isMono() ? ToMono(v) : v;
            }
        }
    });
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (type == IMAGE_BITMAP) {
        auto bm = reinterpret_cast<HBITMAP>(reinterpret_cast<HGDIOBJ>(image));
        Bitmap* src = LiveBitmap(bm);
        if (!src) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        const int w = width ? width : src->width(), h = height ? height : src->height();
        if ((flags & LR_COPYRETURNORG) && w == src->width() && h == src->height())
            return image;
        src->pullFromDib();
        Bitmap* copy = NewBitmap(w, h, (flags & LR_MONOCHROME) ? 1 : src->bitsPixel);
        auto scaled = scaledCopy(*src->surface, w, h);
        std::memcpy(copy->surface->pixels(), scaled->pixels(), std::size_t(w) * h * 4);
        if (copy->bitsPixel == 1)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    copy->surface->row(y)[x] = ToMono(copy->surface->row(y)[x]);
        if (flags & LR_COPYDELETEORG)
            DeleteObject(bm);
        return reinterpret_cast<HANDLE>(static_cast<HGDIOBJ>(copy));
    }
    if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
        auto ic = reinterpret_cast<HICON>(image);
        Icon* src = liveIcon(ic);
        if (!src) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        const int w = width ? width : src->color->width(), h = height ? height : src->color->height();
        if (w > kMaxIconSide || h > kMaxIconSide) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        auto* copy = new Icon(*src);
        copy->color = scaledCopy(*src->color, w, h);
        copy->mask = scaledCopy(*src->mask, w, h);
        registerIcon(copy);
        if (flags & LR_COPYDELETEORG)
            DestroyIcon(ic);
        return reinterpret_cast<HANDLE>(static_cast<HICON__*>(copy));
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HANDLE LoadImage(HINSTANCE, const char* name, UINT type, int width, int height, UINT flags) {
    if (!name || !(flags & LR_LOADFROMFILE) || type != IMAGE_BITMAP) {
        // Resources are not part of this platform; only bitmap files load.
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    std::string error;
    HBITMAP bm = LoadBmpFile(name, &error);
    if (!bm) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    auto handle = reinterpret_cast<HANDLE>(static_cast<HGDIOBJ>(bm));
    if (width || height) {
        HANDLE scaled = CopyImage(handle, IMAGE_BITMAP, width, height, LR_COPYDELETEORG);
        return scaled;
    }
    return handle;
}

} // namespace win
