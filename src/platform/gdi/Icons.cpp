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

std::mutex& IconMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HICON>& LiveIcons() {
    // Outlives every static destructor, so icons still alive at exit stay known to be reachable.
    static auto* s = new std::unordered_set<HICON>;
    return *s;
}

Icon* LiveIcon(HICON icon) {
    std::lock_guard lock(IconMutex());
    return LiveIcons().count(icon) ? static_cast<Icon*>(icon) : nullptr;
}

std::shared_ptr<Surface> ScaledCopy(const Surface& src, int w, int h) {
    auto out = std::make_shared<Surface>(w, h);
    for (int y = 0; y < out->Height(); ++y) {
        const std::uint32_t* s =
            src.Row(static_cast<int>(static_cast<long long>(y) * src.Height() / out->Height()));
        std::uint32_t* d = out->Row(y);
        for (int x = 0; x < out->Width(); ++x)
            d[x] = s[static_cast<long long>(x) * src.Width() / out->Width()];
    }
    return out;
}

Icon* RegisterIcon(Icon* icon) {
    std::lock_guard lock(IconMutex());
    LiveIcons().insert(icon);
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
    mask->PullFromDib();
    auto* icon = new Icon;
    icon->isIcon = info->fIcon != 0;
    icon->hotX = info->xHotspot;
    icon->hotY = info->yHotspot;
    if (color) {
        color->PullFromDib();
        icon->color = ScaledCopy(*color->surface, color->Width(), color->Height());
        icon->mask = ScaledCopy(*mask->surface, color->Width(), color->Height());
        if (color->isDib ? color->dibHeader.biBitCount == 32 : true) {
            for (int y = 0; y < icon->color->Height() && !icon->hasAlpha; ++y)
                for (int x = 0; x < icon->color->Width(); ++x)
                    if (icon->color->Row(y)[x] >> 24) {
                        icon->hasAlpha = true;
                        break;
                    }
        }
    } else {
        // A monochrome icon: the mask bitmap holds the AND mask above the XOR image.
        const int h = std::max(1, mask->Height() / 2);
        icon->mask = std::make_shared<Surface>(mask->Width(), h);
        icon->color = std::make_shared<Surface>(mask->Width(), h);
        for (int y = 0; y < h; ++y) {
            std::memcpy(icon->mask->Row(y), mask->surface->Row(y),
                        static_cast<std::size_t>(mask->Width()) * 4);
            if (y + h < mask->Height())
                std::memcpy(icon->color->Row(y), mask->surface->Row(y + h),
                            static_cast<std::size_t>(mask->Width()) * 4);
        }
    }
    return RegisterIcon(icon);
}

BOOL DestroyIcon(HICON icon) {
    Icon* i = LiveIcon(icon);
    if (!i) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    {
        std::lock_guard lock(IconMutex());
        LiveIcons().erase(icon);
    }
    delete i;
    return TRUE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    Icon* i = LiveIcon(icon);
    if (!i || !info)
        return FALSE;
    Bitmap* color = NewBitmap(i->color->Width(), i->color->Height(), 32);
    std::memcpy(color->surface->Pixels(), i->color->Pixels(),
                std::size_t(i->color->Width()) * i->color->Height() * 4);
    Bitmap* mask = NewBitmap(i->mask->Width(), i->mask->Height(), 1);
    std::memcpy(mask->surface->Pixels(), i->mask->Pixels(),
                std::size_t(i->mask->Width()) * i->mask->Height() * 4);
    info->fIcon = i->isIcon;
    info->xHotspot = i->hotX;
    info->yHotspot = i->hotY;
    info->hbmColor = color;
    info->hbmMask = mask;
    return TRUE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH flicker, UINT flags) {
    DeviceContext* d = LiveDC(dc);
    Icon* i = LiveIcon(icon);
    if (!d || !i) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (width <= 0)
        width = (flags & DI_DEFAULTSIZE) ? 32 : i->color->Width();
    if (height <= 0)
        height = (flags & DI_DEFAULTSIZE) ? 32 : i->color->Height();
    if (width > kMaxIconSide || height > kMaxIconSide)
        return FALSE;
    if (!(flags & DI_NORMAL))
        flags |= DI_NORMAL;
    DrawAccess access(d);
    auto color = (width == i->color->Width() && height == i->color->Height())
                     ? i->color
                     : ScaledCopy(*i->color, width, height);
    auto mask = (width == i->mask->Width() && height == i->mask->Height())
                    ? i->mask
                    : ScaledCopy(*i->mask, width, height);
    if (flicker) {
        RECT r{x, y, x + width, y + height};
        FillRect(dc, &r, flicker);
    }
    Surface& out = d->TargetSurface();
    const int ox = d->Sx(x), oy = d->Sy(y);
    ForEachClipped(d, ox, oy, ox + width, oy + height, [&](const pixman_box32_t& b) {
        for (int yy = b.y1; yy < b.y2; ++yy) {
            std::uint32_t* row = out.Row(yy);
            const std::uint32_t* c = color->Row(yy - oy);
            const std::uint32_t* m = mask->Row(yy - oy);
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
                row[xx] = d->IsMono() ? ToMono(v) : v;
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
        const int w = width ? width : src->Width(), h = height ? height : src->Height();
        if ((flags & LR_COPYRETURNORG) && w == src->Width() && h == src->Height())
            return image;
        src->PullFromDib();
        Bitmap* copy = NewBitmap(w, h, (flags & LR_MONOCHROME) ? 1 : src->bitsPixel);
        auto scaled = ScaledCopy(*src->surface, w, h);
        std::memcpy(copy->surface->Pixels(), scaled->Pixels(), std::size_t(w) * h * 4);
        if (copy->bitsPixel == 1)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    copy->surface->Row(y)[x] = ToMono(copy->surface->Row(y)[x]);
        if (flags & LR_COPYDELETEORG)
            DeleteObject(bm);
        return reinterpret_cast<HANDLE>(static_cast<HGDIOBJ>(copy));
    }
    if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
        auto ic = reinterpret_cast<HICON>(image);
        Icon* src = LiveIcon(ic);
        if (!src) {
            SetLastError(ERROR_INVALID_HANDLE);
            return nullptr;
        }
        const int w = width ? width : src->color->Width(), h = height ? height : src->color->Height();
        if (w > kMaxIconSide || h > kMaxIconSide) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        auto* copy = new Icon(*src);
        copy->color = ScaledCopy(*src->color, w, h);
        copy->mask = ScaledCopy(*src->mask, w, h);
        RegisterIcon(copy);
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
