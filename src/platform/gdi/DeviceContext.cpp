#include "platform/gdi/DeviceContext.h"

#include "platform/os/WinBase.h"

#include <mutex>
#include <unordered_set>

namespace win::gdi {

namespace {

std::mutex& dcMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HDC>& liveDCs() {
    static std::unordered_set<HDC> s;
    return s;
}

// The 1 x 1 monochrome bitmap every new memory DC starts with.
Bitmap* defaultBitmap() {
    static Bitmap* b = [] {
        Bitmap* bm = NewBitmap(1, 1, 1);
        bm->hdr.stock = true;
        bm->surface->pixels()[0] = 0;
        return bm;
    }();
    return b;
}

void initState(DcState& s) {
    pixman_region32_init(&s.clip);
    s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void copyState(DcState& to, const DcState& from) {
    pixman_region32_t clip;
    pixman_region32_init(&clip);
    pixman_region32_copy(&clip, const_cast<pixman_region32_t*>(&from.clip));
    pixman_region32_fini(&to.clip);
    to = from;
    to.clip = clip;
}

} // namespace

DeviceContext::DeviceContext(HWND owner, std::shared_ptr<Surface> surface, POINT origin,
                             const pixman_region32_t& visible, bool memory)
    : m_owner(owner), m_memory(memory), m_surface(std::move(surface)), m_origin(origin) {
    pixman_region32_init(&m_visible);
    pixman_region32_copy(&m_visible, const_cast<pixman_region32_t*>(&visible));
    pixman_region32_init(&m_effective);
    initState(m_state);
    AddRef(m_state.brush);
    AddRef(m_state.pen);
    AddRef(m_state.font);
    if (m_memory) {
        m_state.bitmap = defaultBitmap();
        setSurfaceFromBitmap(defaultBitmap());
    }
    std::lock_guard lock(dcMutex());
    liveDCs().insert(this);
}

DeviceContext::~DeviceContext() {
    {
        std::lock_guard lock(dcMutex());
        liveDCs().erase(this);
    }
    while (!m_saved.empty()) {
        releaseState(m_saved.back());
        pixman_region32_fini(&m_saved.back().clip);
        m_saved.pop_back();
    }
    releaseState(m_state);
    pixman_region32_fini(&m_state.clip);
    pixman_region32_fini(&m_visible);
    pixman_region32_fini(&m_effective);
}

void DeviceContext::releaseState(DcState& s) {
    if (Bitmap* b = LiveBitmap(s.bitmap); b && b->selectedIn == this) {
        bool stillUsed = s.bitmap == m_state.bitmap && &s != &m_state;
        for (auto& saved : m_saved)
            if (&saved != &s && saved.bitmap == s.bitmap)
                stillUsed = true;
        if (!stillUsed)
            b->selectedIn = nullptr;
    }
    Release(s.bitmap);
    Release(s.brush);
    Release(s.pen);
    Release(s.font);
}

void DeviceContext::copyStateRefs(const DcState& s) {
    AddRef(s.bitmap);
    AddRef(s.brush);
    AddRef(s.pen);
    AddRef(s.font);
}

bool DeviceContext::isMono() const {
    Bitmap* b = bitmap();
    return b && b->bitsPixel == 1;
}

Bitmap* DeviceContext::bitmap() const {
    return m_memory ? LiveBitmap(m_state.bitmap) : nullptr;
}

void DeviceContext::setSurfaceFromBitmap(Bitmap* bitmap) {
    m_surface = bitmap->surface;
    m_origin = POINT{};
    pixman_region32_fini(&m_visible);
    pixman_region32_init_rect(&m_visible, 0, 0, static_cast<unsigned>(bitmap->width()),
                              static_cast<unsigned>(bitmap->height()));
    m_clipDirty = true;
}

const pixman_region32_t* DeviceContext::clip() {
    if (m_clipDirty) {
        if (m_state.hasClip) {
            pixman_region32_copy(&m_effective, &m_state.clip);
            pixman_region32_translate(&m_effective, m_origin.x, m_origin.y);
            pixman_region32_intersect(&m_effective, &m_effective, &m_visible);
        } else {
            pixman_region32_copy(&m_effective, &m_visible);
        }
        pixman_region32_intersect_rect(&m_effective, &m_effective, 0, 0,
                                       static_cast<unsigned>(m_surface->width()),
                                       static_cast<unsigned>(m_surface->height()));
        m_clipDirty = false;
    }
    return &m_effective;
}

HGDIOBJ DeviceContext::select(HGDIOBJ object) {
    HGDIOBJ* slot = nullptr;
    if (auto* b = dynamic_cast<Bitmap*>(object)) {
        if (!m_memory)
            return nullptr;
        // A bitmap lives in one DC at a time, as in Windows.
        if (b->selectedIn && b->selectedIn != this && !b->hdr.stock)
            return nullptr;
        HGDIOBJ previous = m_state.bitmap;
        if (previous == object)
            return previous;
        if (Bitmap* old = LiveBitmap(m_state.bitmap); old && old->selectedIn == this)
            old->selectedIn = nullptr;
        AddRef(object);
        m_state.bitmap = b;
        if (!b->hdr.stock)
            b->selectedIn = this;
        setSurfaceFromBitmap(b);
        Release(previous);
        return previous;
    }
    if (dynamic_cast<Brush*>(object))
        slot = reinterpret_cast<HGDIOBJ*>(&m_state.brush);
    else if (dynamic_cast<Pen*>(object))
        slot = reinterpret_cast<HGDIOBJ*>(&m_state.pen);
    else if (dynamic_cast<Font*>(object))
        slot = reinterpret_cast<HGDIOBJ*>(&m_state.font);
    if (!slot)
        return nullptr;
    HGDIOBJ previous = *slot;
    AddRef(object);
    *slot = object;
    Release(previous);
    return previous;
}

int DeviceContext::save() {
    DcState copy;
    pixman_region32_init(&copy.clip);
    copyState(copy, m_state);
    copyStateRefs(copy);
    m_saved.push_back(copy);
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::restore(int level) {
    const int depth = static_cast<int>(m_saved.size());
    if (level < 0)
        level = depth + 1 + level;
    if (level < 1 || level > depth)
        return false;
    while (static_cast<int>(m_saved.size()) > level) {
        releaseState(m_saved.back());
        pixman_region32_fini(&m_saved.back().clip);
        m_saved.pop_back();
    }
    DcState restored = m_saved.back();
    m_saved.pop_back();
    releaseState(m_state);
    pixman_region32_fini(&m_state.clip);
    m_state = restored; // takes over the saved references and clip storage
    if (m_memory) {
        Bitmap* b = LiveBitmap(m_state.bitmap);
        if (!b || (b->selectedIn && b->selectedIn != this)) {
            m_state.bitmap = defaultBitmap();
            b = defaultBitmap();
        }
        if (!b->hdr.stock)
            b->selectedIn = this;
        setSurfaceFromBitmap(b);
    }
    m_clipDirty = true;
    return true;
}

void DeviceContext::beginAccess() {
    if (Bitmap* b = bitmap())
        b->pullFromDib();
}

void DeviceContext::endAccess() {
    if (Bitmap* b = bitmap())
        b->pushToDib();
}

DeviceContext* LiveDC(HDC dc) {
    if (!dc)
        return nullptr;
    std::lock_guard lock(dcMutex());
    if (!liveDCs().count(dc))
        return nullptr;
    return static_cast<DeviceContext*>(dc);
}

HDC CreateSurfaceDC(HWND owner, std::shared_ptr<Surface> surface, POINT origin,
                    const pixman_region32_t& visible) {
    if (!surface)
        return nullptr;
    return new DeviceContext(owner, std::move(surface), origin, visible, false);
}

void DeleteSurfaceDC(HDC dc) {
    if (DeviceContext* d = LiveDC(dc); d && !d->isMemory())
        delete d;
}

HWND OwnerOfDC(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    return d ? d->owner() : nullptr;
}

bool IsLiveDC(HDC dc) {
    return LiveDC(dc) != nullptr;
}

} // namespace win::gdi

namespace win {

using namespace gdi;

namespace {

DeviceContext* dcOrFail(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    if (!d)
        SetLastError(ERROR_INVALID_HANDLE);
    return d;
}

int clipComplexity(DeviceContext* d) {
    int n = pixman_region32_n_rects(const_cast<pixman_region32_t*>(d->clip()));
    return n == 0 ? NULLREGION : (n == 1 ? SIMPLEREGION : COMPLEXREGION);
}

// Starts a DC's clip region from "everything" when none is selected yet, in device coordinates.
void ensureClip(DeviceContext* d) {
    if (d->state().hasClip)
        return;
    pixman_region32_fini(&d->state().clip);
    pixman_region32_init_rect(&d->state().clip, -(1 << 28), -(1 << 28), 1u << 29, 1u << 29);
    d->state().hasClip = true;
}

} // namespace

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

int SelectClipRgn(HDC dc, HRGN region) {
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return ERROR;
    DcState& s = d->state();
    if (!region) {
        if (mode != RGN_COPY)
            return ERROR;
        s.hasClip = false;
        d->invalidateClip();
        return clipComplexity(d);
    }
    pixman_region32_t* r = RegionData(region);
    if (!r || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        pixman_region32_copy(&s.clip, r);
        s.hasClip = true;
    } else {
        ensureClip(d);
        switch (mode) {
        case RGN_AND: pixman_region32_intersect(&s.clip, &s.clip, r); break;
        case RGN_OR: pixman_region32_union(&s.clip, &s.clip, r); break;
        case RGN_DIFF: pixman_region32_subtract(&s.clip, &s.clip, r); break;
        case RGN_XOR: {
            pixman_region32_t both;
            pixman_region32_init(&both);
            pixman_region32_intersect(&both, &s.clip, r);
            pixman_region32_union(&s.clip, &s.clip, r);
            pixman_region32_subtract(&s.clip, &s.clip, &both);
            pixman_region32_fini(&both);
            break;
        }
        }
    }
    d->invalidateClip();
    return clipComplexity(d);
}

namespace {
// A logical rectangle in device coordinates (what clip regions hold).
pixman_box32_t deviceBox(DeviceContext* d, int left, int top, int right, int bottom) {
    POINT o = d->deviceOrigin();
    int l = d->sx(left) - o.x, r = d->sx(right) - o.x;
    int t = d->sy(top) - o.y, b = d->sy(bottom) - o.y;
    if (l > r)
        std::swap(l, r);
    if (t > b)
        std::swap(t, b);
    return pixman_box32_t{l, t, r, b};
}
} // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return ERROR;
    ensureClip(d);
    pixman_box32_t b = deviceBox(d, left, top, right, bottom);
    pixman_region32_intersect_rect(&d->state().clip, &d->state().clip, b.x1, b.y1,
                                   static_cast<unsigned>(b.x2 - b.x1), static_cast<unsigned>(b.y2 - b.y1));
    d->invalidateClip();
    return clipComplexity(d);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return ERROR;
    ensureClip(d);
    pixman_box32_t b = deviceBox(d, left, top, right, bottom);
    if (b.x1 < b.x2 && b.y1 < b.y2) {
        pixman_region32_t ex;
        pixman_region32_init_rect(&ex, b.x1, b.y1, static_cast<unsigned>(b.x2 - b.x1),
                                  static_cast<unsigned>(b.y2 - b.y1));
        pixman_region32_subtract(&d->state().clip, &d->state().clip, &ex);
        pixman_region32_fini(&ex);
    }
    d->invalidateClip();
    return clipComplexity(d);
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return ERROR;
    if (d->state().hasClip)
        pixman_region32_translate(&d->state().clip, dx, dy);
    d->invalidateClip();
    return clipComplexity(d);
}

int GetClipBox(HDC dc, LPRECT rect) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || !rect)
        return ERROR;
    const pixman_region32_t* c = d->clip();
    if (!pixman_region32_not_empty(const_cast<pixman_region32_t*>(c))) {
        *rect = RECT{};
        return NULLREGION;
    }
    const pixman_box32_t* e = pixman_region32_extents(const_cast<pixman_region32_t*>(c));
    int ox = d->sx(0), oy = d->sy(0);
    *rect = RECT{e->x1 - ox, e->y1 - oy, e->x2 - ox, e->y2 - oy};
    return clipComplexity(d);
}

int GetClipRgn(HDC dc, HRGN region) {
    DeviceContext* d = dcOrFail(dc);
    pixman_region32_t* r = RegionData(region);
    if (!d || !r)
        return -1;
    if (!d->state().hasClip)
        return 0;
    pixman_region32_copy(r, &d->state().clip);
    return 1;
}

BOOL PtVisible(HDC dc, int x, int y) {
    DeviceContext* d = dcOrFail(dc);
    if (!d)
        return FALSE;
    return pixman_region32_contains_point(const_cast<pixman_region32_t*>(d->clip()), d->sx(x), d->sy(y),
                                          nullptr)
               ? TRUE
               : FALSE;
}

BOOL RectVisible(HDC dc, const RECT* rect) {
    DeviceContext* d = dcOrFail(dc);
    if (!d || !rect)
        return FALSE;
    pixman_box32_t b{d->sx(std::min(rect->left, rect->right)), d->sy(std::min(rect->top, rect->bottom)),
                     d->sx(std::max(rect->left, rect->right)), d->sy(std::max(rect->top, rect->bottom))};
    if (b.x1 == b.x2 || b.y1 == b.y2)
        return FALSE;
    return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(d->clip()), &b) !=
                   PIXMAN_REGION_OUT
               ? TRUE
               : FALSE;
}

} // namespace win

namespace win::gdi {

std::shared_ptr<Surface> SurfaceOfBitmap(HBITMAP bitmap) {
    Bitmap* b = LiveBitmap(bitmap);
    if (!b)
        return nullptr;
    b->pullFromDib();
    return b->surface;
}

std::shared_ptr<Surface> SurfaceOfDC(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    if (!d)
        return nullptr;
    d->beginAccess();
    return d->sharedSurface();
}

} // namespace win::gdi
