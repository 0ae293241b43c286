#include "platform/gdi/DeviceContext.h"

#include "platform/os/WinBase.h"

#include <mutex>
#include <unordered_set>

namespace win::gdi {

namespace {

std::mutex& DcMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HDC>& LiveDCs() {
    static std::unordered_set<HDC> s;
    return s;
}

// The 1 x 1 monochrome bitmap every new memory DC starts with.
Bitmap* DefaultBitmap() {
    static Bitmap* b = [] {
        Bitmap* bm = NewBitmap(1, 1, 1);
        bm->hdr.stock = true;
        bm->surface->Pixels()[0] = 0;
        return bm;
    }();
    return b;
}

void InitState(DcState& s) {
    pixman_region32_init(&s.clip);
    s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void CopyState(DcState& to, const DcState& from) {
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
    InitState(m_state);
    AddRef(m_state.brush);
    AddRef(m_state.pen);
    AddRef(m_state.font);
    if (m_memory) {
        m_state.bitmap = DefaultBitmap();
        SetSurfaceFromBitmap(DefaultBitmap());
    }
    std::lock_guard lock(DcMutex());
    LiveDCs().insert(this);
}

DeviceContext::~DeviceContext() {
    {
        std::lock_guard lock(DcMutex());
        LiveDCs().erase(this);
    }
    while (!m_saved.empty()) {
        ReleaseState(m_saved.back());
        pixman_region32_fini(&m_saved.back().clip);
        m_saved.pop_back();
    }
    ReleaseState(m_state);
    pixman_region32_fini(&m_state.clip);
    pixman_region32_fini(&m_visible);
    pixman_region32_fini(&m_effective);
}

void DeviceContext::ReleaseState(DcState& s) {
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

void DeviceContext::CopyStateRefs(const DcState& s) {
    AddRef(s.bitmap);
    AddRef(s.brush);
    AddRef(s.pen);
    AddRef(s.font);
}

bool DeviceContext::IsMono() const {
    Bitmap* b = SelectedBitmap();
    return b && b->bitsPixel == 1;
}

Bitmap* DeviceContext::SelectedBitmap() const {
    return m_memory ? LiveBitmap(m_state.bitmap) : nullptr;
}

void DeviceContext::SetSurfaceFromBitmap(Bitmap* bitmap) {
    m_surface = bitmap->surface;
    m_origin = POINT{};
    pixman_region32_fini(&m_visible);
    pixman_region32_init_rect(&m_visible, 0, 0, static_cast<unsigned>(bitmap->Width()),
                              static_cast<unsigned>(bitmap->Height()));
    m_clipDirty = true;
}

const pixman_region32_t* DeviceContext::Clip() {
    // The window manager may resize a backing surface while a DC on it is alive.
    if (m_surface->Width() != m_clipWidth || m_surface->Height() != m_clipHeight)
        m_clipDirty = true;
    if (m_clipDirty) {
        m_clipWidth = m_surface->Width();
        m_clipHeight = m_surface->Height();
        if (m_state.hasClip) {
            pixman_region32_copy(&m_effective, &m_state.clip);
            pixman_region32_translate(&m_effective, m_origin.x, m_origin.y);
            pixman_region32_intersect(&m_effective, &m_effective, &m_visible);
        } else {
            pixman_region32_copy(&m_effective, &m_visible);
        }
        pixman_region32_intersect_rect(&m_effective, &m_effective, 0, 0,
                                       static_cast<unsigned>(m_surface->Width()),
                                       static_cast<unsigned>(m_surface->Height()));
        m_clipDirty = false;
    }
    return &m_effective;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
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
        SetSurfaceFromBitmap(b);
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

int DeviceContext::Save() {
    DcState copy;
    pixman_region32_init(&copy.clip);
    CopyState(copy, m_state);
    CopyStateRefs(copy);
    m_saved.push_back(copy);
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::Restore(int level) {
    const int depth = static_cast<int>(m_saved.size());
    if (level < 0)
        level = depth + 1 + level;
    if (level < 1 || level > depth)
        return false;
    while (static_cast<int>(m_saved.size()) > level) {
        ReleaseState(m_saved.back());
        pixman_region32_fini(&m_saved.back().clip);
        m_saved.pop_back();
    }
    DcState restored = m_saved.back();
    m_saved.pop_back();
    ReleaseState(m_state);
    pixman_region32_fini(&m_state.clip);
    m_state = restored; // takes over the saved references and clip storage
    if (m_memory) {
        Bitmap* b = LiveBitmap(m_state.bitmap);
        if (!b || (b->selectedIn && b->selectedIn != this)) {
            m_state.bitmap = DefaultBitmap();
            b = DefaultBitmap();
        }
        if (!b->hdr.stock)
            b->selectedIn = this;
        SetSurfaceFromBitmap(b);
    }
    m_clipDirty = true;
    return true;
}

void DeviceContext::BeginAccess() {
    if (Bitmap* b = SelectedBitmap())
        b->PullFromDib();
}

void DeviceContext::EndAccess() {
    if (Bitmap* b = SelectedBitmap())
        b->PushToDib();
}

DeviceContext* LiveDC(HDC dc) {
    if (!dc)
        return nullptr;
    std::lock_guard lock(DcMutex());
    if (!LiveDCs().count(dc))
        return nullptr;
    return static_cast<DeviceContext*>(dc);
}

DeviceContext* DcOrFail(HDC dc) {
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
    if (DeviceContext* d = LiveDC(dc); d && !d->IsMemory())
        delete d;
}

HWND OwnerOfDC(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    return d ? d->Owner() : nullptr;
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
    b->PullFromDib();
    return b->surface;
}

std::shared_ptr<Surface> SurfaceOfDC(HDC dc) {
    DeviceContext* d = LiveDC(dc);
    if (!d)
        return nullptr;
    d->BeginAccess();
    return d->SharedSurface();
}

} // namespace win::gdi
