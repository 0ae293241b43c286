// A device context: a surface, where its logical origin lies, the part of the surface it may touch, and the
// drawing state that SaveDC/RestoreDC keep.
#pragma once

#include "platform/gdi/GdiObjects.h"

#include <vector>

namespace win::gdi {

struct DcState {
    HBITMAP bitmap = nullptr; // memory DCs
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    COLORREF dcBrushColor = 0xFFFFFF;
    COLORREF dcPenColor = 0;
    int bkMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    UINT textAlign = 0;
    POINT viewportOrg;
    POINT windowOrg;
    POINT brushOrg;
    POINT position;
    bool hasClip = false;
    pixman_region32_t clip; // device coordinates
};

class DeviceContext : public HDC__ {
public:
    DeviceContext(HWND owner, std::shared_ptr<Surface> surface, POINT origin,
                  const pixman_region32_t& visible, bool memory);
    ~DeviceContext() override;

    HWND Owner() const { return m_owner; }
    bool IsMemory() const { return m_memory; }
    bool IsMono() const;
    Surface& TargetSurface() { return *m_surface; }
    const std::shared_ptr<Surface>& SharedSurface() const { return m_surface; }
    DcState& State() { return m_state; }
    Bitmap* SelectedBitmap() const;

    // Logical to surface coordinates.
    int Sx(int x) const { return x - m_state.windowOrg.x + m_state.viewportOrg.x + m_origin.x; }
    int Sy(int y) const { return y - m_state.windowOrg.y + m_state.viewportOrg.y + m_origin.y; }
    POINT DeviceOrigin() const { return m_origin; }

    // Every pixel the DC may write now, in surface coordinates.
    const pixman_region32_t* Clip();
    void InvalidateClip() { m_clipDirty = true; }

    HGDIOBJ Select(HGDIOBJ object);
    int Save();
    bool Restore(int level);

    // A DIB section selected into a memory DC is brought into the surface before drawing and written back
    // after; the guards below do both.
    void BeginAccess();
    void EndAccess();

private:
    void SetSurfaceFromBitmap(Bitmap* bitmap);
    void ReleaseState(DcState& s);
    void CopyStateRefs(const DcState& s);

    HWND m_owner = nullptr;
    bool m_memory = false;
    std::shared_ptr<Surface> m_surface;
    POINT m_origin;
    pixman_region32_t m_visible;
    DcState m_state;
    std::vector<DcState> m_saved;
    pixman_region32_t m_effective;
    bool m_clipDirty = true;
    int m_clipWidth = 0, m_clipHeight = 0; // surface size the cached clip was made for
};

DeviceContext* LiveDC(HDC dc);
// LiveDC for the API calls: a handle that is not a live DC sets ERROR_INVALID_HANDLE.
DeviceContext* DcOrFail(HDC dc);

// Brackets drawing on a DC: syncs DIB section bits in and out.
class DrawAccess {
public:
    explicit DrawAccess(DeviceContext* dc) : m_dc(dc) {
        if (m_dc)
            m_dc->BeginAccess();
    }
    ~DrawAccess() {
        if (m_dc)
            m_dc->EndAccess();
    }
    DrawAccess(const DrawAccess&) = delete;
    DrawAccess& operator=(const DrawAccess&) = delete;

private:
    DeviceContext* m_dc;
};

} // namespace win::gdi
