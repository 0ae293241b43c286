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
    // The window manager may resize a backing surface while a DC on it is alive.
    if (m_surface->width() != m_clipWidth || m_surface->height() != m_clipHeight)
        m_clipDirty = true;
    if (m_clipDirty) {
        m_clipWidth = m_surface->width();
        m_clipHeight = m_surface->height();
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

DeviceContext* dcOrFail(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    if (!d)
        SetLastError(ERROR_INVALID_HANDLE);
    return d;
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
