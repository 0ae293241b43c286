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
    DeviceContext* d = dcOrFail(dc);
    // Window DCs belong to the window manager, which frees them with DeleteSurfaceDC.
    if (!d || !d->isMemory())
        return FALSE;
    delete d;
    return TRUE;
}

int SaveDC(HDC dc) {
    DeviceContext* d = dcOrFail(dc);
    return d ? d->save() : 0;
}

BOOL RestoreDC(HDC dc, int saved) {
    DeviceContext* d = dcOrFail(dc);
    return d && d->restore(saved) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* d = dcOrFail(dc);
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
    return d->select(object);
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return nullptr;
    switch (type) {
    case OBJ_PEN: return d->state().pen;
    case OBJ_BRUSH: return d->state().brush;
    case OBJ_FONT: return d->state().font;
    case OBJ_BITMAP: return d->state().bitmap;
    default: return nullptr;
    }
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* d = LiveDC(dc);
    switch (index) {
    case HORZRES: return d ? d->surface().width() : 0;
    case VERTRES: return d ? d->surface().height() : 0;
    case BITSPIXEL: return d && d->isMono() ? 1 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}

#define DC_SETTER(Name, Type, field, fail)                                                                   \
    Type Name(HDC dc, Type value) {                                                                          \
        DeviceContext* d = dcOrFail(dc);                                                                     \
        if (!d)                                                                                              \
            return fail;                                                                                     \
        Type old = d->state().field;                                                                         \
        d->state().field = value;                                                                            \
        return old;                                                                                          \
    }
#define DC_GETTER(Name, Type, field, fail)                                                                   \
    Type Name(HDC dc) {                                                                                      \
        DeviceContext* d = dcOrFail(dc);                                                                     \
        return d ? d->state().field : fail;                                                                  \
    }

COLORREF SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->state().bkColor;
    d->state().bkColor = color & 0xFFFFFF;
    return old;
}
COLORREF SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return CLR_INVALID;
    COLORREF old = d->state().textColor;
    d->state().textColor = color & 0xFFFFFF;
    return old;
}
int SetBkMode(HDC dc, int mode) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    int old = d->state().bkMode;
    d->state().bkMode = mode;
    return old;
}
int SetStretchBltMode(HDC dc, int mode) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    int old = d->state().stretchMode;
    d->state().stretchMode = mode;
    return old;
}
int SetROP2(HDC dc, int mode) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || mode < 1 || mode > 16)
        return 0;
    int old = d->state().rop2;
    d->state().rop2 = mode;
    return old;
}
int SetPolyFillMode(HDC dc, int mode) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || (mode != ALTERNATE && mode != WINDING))
        return 0;
    int old = d->state().polyFillMode;
    d->state().polyFillMode = mode;
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
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->state().brushOrg;
    d->state().brushOrg = POINT{x, y};
    return TRUE;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->state().viewportOrg;
    d->state().viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, LPPOINT previous) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->state().viewportOrg;
    d->state().viewportOrg.x += dx;
    d->state().viewportOrg.y += dy;
    return TRUE;
}

BOOL GetViewportOrgEx(HDC dc, LPPOINT origin) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || !origin)
        return FALSE;
    *origin = d->state().viewportOrg;
    return TRUE;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return FALSE;
    if (previous)
        *previous = d->state().windowOrg;
    d->state().windowOrg = POINT{x, y};
    return TRUE;
}

BOOL GetWindowOrgEx(HDC dc, LPPOINT origin) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || !origin)
        return FALSE;
    *origin = d->state().windowOrg;
    return TRUE;
}

BOOL LPtoDP(HDC dc, LPPOINT points, int count) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || (count > 0 && !points))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x += d->state().viewportOrg.x - d->state().windowOrg.x;
        points[i].y += d->state().viewportOrg.y - d->state().windowOrg.y;
    }
    return TRUE;
}

BOOL DPtoLP(HDC dc, LPPOINT points, int count) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || (count > 0 && !points))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x -= d->state().viewportOrg.x - d->state().windowOrg.x;
        points[i].y -= d->state().viewportOrg.y - d->state().windowOrg.y;
    }
    return TRUE;
}

} // namespace win
