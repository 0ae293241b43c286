// The DC calls that create, save and select, and those that set colours, modes and origins.
#include "platform/gdi/DeviceContext.h"

#include "platform/os/WinBase.h"

namespace win {

using namespace gdi;

HDC CreateCompatibleDC(HDC dc) {
    if (dc && !LiveDC(dc)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    pixman_region32_t empty;
    pixman_region32_init(&empty);
    auto* d = new DeviceContext(nullptr, std::make_shared<Surface>(1, 1), POINT{}, empty, true);
    pixman_region32_fini(&empty);
    return d;
}

BOOL DeleteDC(HDC dc) {
    DeviceContext* d = DcOrFail(dc);
    // Window DCs belong to the window manager, which frees them with DeleteSurfaceDC.
    if (!d || !d->IsMemory())
        return FALSE;
    delete d;
    return TRUE;
}

int SaveDC(HDC dc) {
    DeviceContext* d = DcOrFail(dc);
    return d ? d->Save() : 0;
}

BOOL RestoreDC(HDC dc, int saved) {
    DeviceContext* d = DcOrFail(dc);
    return d && d->Restore(saved) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return nullptr;
    if (!IsLiveObject(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (auto* r = dynamic_cast<Region*>(object)) {
        int result = SelectClipRgn(dc, r);
        return reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(result));
    }
    return d->Select(object);
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return nullptr;
    switch (type) {
    case OBJ_PEN: return d->State().pen;
    case OBJ_BRUSH: return d->State().brush;
    case OBJ_FONT: return d->State().font;
    case OBJ_BITMAP: return d->State().bitmap;
    default: return nullptr;
    }
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* d = LiveDC(dc);
    switch (index) {
    case HORZRES: return d ? d->TargetSurface().Width() : 0;
    case VERTRES: return d ? d->TargetSurface().Height() : 0;
    case BITSPIXEL: return d && d->IsMono() ? 1 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}

#define DC_SETTER(Name, Type, field, fail)                                                                   \
    Type Name(HDC dc, Type value) {                                                                          \
        DeviceContext* d = DcOrFail(dc);                                                                     \
        if (!d)                                                                                              \
            return fail;                                                                                     \
        Type old = d->State().field;                                                                         \
        d->State().field = value;                                                                            \
        return old;                                                                                          \
    }
#define DC_GETTER(Name, Type, field, fail)                                                                   \
    Type Name(HDC dc) {                                                                                      \
        DeviceContext* d = DcOrFail(dc);                                                                     \
        return d ? d->State().field : fail;                                                                  \
    }

COLORREF SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->State().bkColor;
    d->State().bkColor = color & 0xFFFFFF;
    return old;
}
COLORREF SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->State().textColor;
    d->State().textColor = color & 0xFFFFFF;
    return old;
}
int SetBkMode(HDC dc, int mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    int old = d->State().bkMode;
    d->State().bkMode = mode;
    return old;
}
int SetStretchBltMode(HDC dc, int mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    int old = d->State().stretchMode;
    d->State().stretchMode = mode;
    return old;
}
int SetROP2(HDC dc, int mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || mode < 1 || mode > 16)
        return 0;
    int old = d->State().rop2;
    d->State().rop2 = mode;
    return old;
}
int SetPolyFillMode(HDC dc, int mode) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || (mode != ALTERNATE && mode != WINDING))
        return 0;
    int old = d->State().polyFillMode;
    d->State().polyFillMode = mode;
    return old;
}
DC_SETTER(SetDCBrushColor, COLORREF, dcBrushColor, CLR_INVALID)
DC_SETTER(SetDCPenColor, COLORREF, dcPenColor, CLR_INVALID)
DC_SETTER(SetTextAlign, UINT, textAlign, 0xFFFFFFFF)
DC_GETTER(GetBkMode, int, bkMode, 0)
DC_GETTER(GetBkColor, COLORREF, bkColor, CLR_INVALID)
DC_GETTER(GetTextColor, COLORREF, textColor, CLR_INVALID)
DC_GETTER(GetStretchBltMode, int, stretchMode, 0)
DC_GETTER(GetROP2, int, rop2, 0)
DC_GETTER(GetTextAlign, UINT, textAlign, 0xFFFFFFFF)

#undef DC_SETTER
#undef DC_GETTER

BOOL SetBrushOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->State().brushOrg;
    d->State().brushOrg = POINT{x, y};
    return TRUE;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->State().viewportOrg;
    d->State().viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->State().viewportOrg;
    d->State().viewportOrg.x += dx;
    d->State().viewportOrg.y += dy;
    return TRUE;
}

BOOL GetViewportOrgEx(HDC dc, LPPOINT origin) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !origin)
        return FALSE;
    *origin = d->State().viewportOrg;
    return TRUE;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->State().windowOrg;
    d->State().windowOrg = POINT{x, y};
    return TRUE;
}

BOOL GetWindowOrgEx(HDC dc, LPPOINT origin) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !origin)
        return FALSE;
    *origin = d->State().windowOrg;
    return TRUE;
}

BOOL LPtoDP(HDC dc, LPPOINT points, int count) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || (count > 0 && !points))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x += d->State().viewportOrg.x - d->State().windowOrg.x;
        points[i].y += d->State().viewportOrg.y - d->State().windowOrg.y;
    }
    return TRUE;
}

BOOL DPtoLP(HDC dc, LPPOINT points, int count) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || (count > 0 && !points))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x -= d->State().viewportOrg.x - d->State().windowOrg.x;
        points[i].y -= d->State().viewportOrg.y - d->State().windowOrg.y;
    }
    return TRUE;
}

} // namespace win
