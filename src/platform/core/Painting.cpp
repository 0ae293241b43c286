// Lazy painting: update regions, WM_PAINT/WM_NCPAINT generation, and the window, client and paint DCs that
// draw on a top-level window's surface, clipped to what of the window is visible there.
#include "platform/core/WindowManager.h"
#include "platform/display/Display.h"

namespace win::core {

namespace {

std::unordered_set<HDC> g_windowDCs; // DCs handed out by GetDCEx/BeginPaint: only these are released

RECT Offset(RECT r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool NeedsPaint(HWND w) {
    return !w->update.Empty() || w->ncDirty || w->internalPaint;
}

HWND FindPaint(HWND w) {
    if (!(w->style & WS_VISIBLE))
        return nullptr;
    if (NeedsPaint(w) && ReallyVisible(w))
        return w;
    for (HWND c : w->children)
        if (HWND f = FindPaint(c))
            return f;
    return nullptr;
}

// Adds a window's own region (window coordinates) translated to `origin`, or its rectangle.
Region Shape(HWND w, const RECT& rectInSurface) {
    Region r(rectInSurface);
    if (w->windowRgn) {
        Region shape = *w->windowRgn;
        POINT o = SurfaceOffset(w);
        shape.Translate(o.x, o.y);
        r.Intersect(shape);
    }
    return r;
}

RECT SurfaceRect(HWND w, bool window) {
    HWND top = TopLevelOf(w);
    RECT r = window ? WindowRectScreen(w) : ClientRectScreen(w);
    return Offset(r, -top->rcWindow.left, -top->rcWindow.top);
}

HDC MakeDC(HWND hwnd, bool window, const Region& visible) {
    HWND top = TopLevelOf(hwnd);
    EnsureSurface(top);
    RECT origin = SurfaceRect(hwnd, window);
    HDC dc = gdi::CreateSurfaceDC(hwnd, top->surface, POINT{origin.left, origin.top}, visible.Ref());
    if (dc)
        g_windowDCs.insert(dc);
    return dc;
}

HDC ScreenDC() {
    static auto dummy = std::make_shared<gdi::Surface>(1, 1);
    Region none;
    HDC dc = gdi::CreateSurfaceDC(nullptr, dummy, POINT{0, 0}, none.Ref());
    if (dc)
        g_windowDCs.insert(dc);
    return dc;
}

void PaintNow(HWND w, bool children) {
    if (!w->alive || !ReallyVisible(w))
        return;
    if (NeedsPaint(w)) {
        MSG m{w, WM_PAINT, 0, 0, Now(), S().cursorPos};
        DispatchMessageA(&m);
    }
    if (children) {
        std::vector<HWND> kids = w->children;
        for (HWND c : kids)
            PaintNow(c, true);
    }
}

} // namespace

void EnsureSurface(HWND top) {
    int w = std::max(1L, static_cast<long>(top->rcWindow.right - top->rcWindow.left));
    int h = std::max(1L, static_cast<long>(top->rcWindow.bottom - top->rcWindow.top));
    if (!top->surface)
        top->surface = std::make_shared<gdi::Surface>(w, h);
    else if (top->surface->Width() != w || top->surface->Height() != h)
        top->surface->Resize(w, h);
}

Region VisibleRegion(HWND hwnd, bool window, bool clipChildren, bool clipSiblings) {
    if (!ReallyVisible(hwnd))
        return Region();
    HWND top = TopLevelOf(hwnd);
    Region vis = Shape(hwnd, SurfaceRect(hwnd, window));
    for (HWND p = hwnd->parent; p && p != S().desktop; p = p->parent)
        vis.Intersect(Shape(p, SurfaceRect(p, false)));
    for (HWND w = hwnd; w != top; w = w->parent) {
        if (!(w == hwnd ? clipSiblings : (w->style & WS_CLIPSIBLINGS) != 0))
            continue;
        for (HWND sib : w->parent->children) {
            if (sib == w)
                break;
            if (sib->style & WS_VISIBLE)
                vis.Subtract(Shape(sib, SurfaceRect(sib, true)));
        }
    }
    if (clipChildren)
        for (HWND c : hwnd->children)
            if (c->style & WS_VISIBLE)
                vis.Subtract(Shape(c, SurfaceRect(c, true)));
    if (top->surface)
        vis.Intersect(RECT{0, 0, top->surface->Width(), top->surface->Height()});
    return vis;
}

void InvalidateInternal(HWND hwnd, const Region* rgn, UINT flags) {
    if (!hwnd->alive || !(hwnd->style & WS_VISIBLE))
        return;
    const RECT c = hwnd->rcClient;
    Region area(RECT{0, 0, c.right - c.left, c.bottom - c.top});
    if (rgn)
        area.Intersect(*rgn);
    if (flags & RDW_INVALIDATE) {
        hwnd->update.Unite(area);
        if (flags & RDW_ERASE)
            hwnd->erase = true;
        if (flags & RDW_FRAME)
            hwnd->ncDirty = true;
        if (flags & RDW_INTERNALPAINT)
            hwnd->internalPaint = true;
    } else if (flags & RDW_VALIDATE) {
        if (rgn)
            hwnd->update.Subtract(*rgn);
        else
            hwnd->update.Clear();
        if (flags & RDW_NOFRAME)
            hwnd->ncDirty = false;
        if (flags & RDW_NOINTERNALPAINT)
            hwnd->internalPaint = false;
        if (hwnd->update.Empty() || (flags & RDW_NOERASE))
            hwnd->erase = false;
    }
    const bool children =
        (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(hwnd->style & WS_CLIPCHILDREN));
    if (children)
        InvalidateChildren(hwnd, area, flags, rgn == nullptr);
}

void InvalidateChildren(HWND hwnd, const Region& area, UINT flags, bool wholeClient) {
    for (HWND ch : hwnd->children) {
        if (!(ch->style & WS_VISIBLE))
            continue;
        Region inWindow = area;
        inWindow.Intersect(ch->rcWindow);
        if (inWindow.Empty())
            continue;
        if ((flags & RDW_INVALIDATE) && wholeClient)
            ch->ncDirty = true;
        else if (flags & RDW_INVALIDATE) {
            Region frame = inWindow;
            frame.Subtract(Region(ch->rcClient));
            if (!frame.Empty())
                ch->ncDirty = true;
        }
        Region sub = inWindow;
        sub.Translate(-ch->rcClient.left, -ch->rcClient.top);
        InvalidateInternal(ch, &sub, (flags & ~RDW_FRAME) | (flags & RDW_ALLCHILDREN));
    }
}

void InvalidateScreenArea(HWND parent, const RECT& rect) {
    if (!parent || parent == S().desktop)
        return;
    Region r(rect);
    InvalidateInternal(parent, &r, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND NextWindowToPaint(HWND filter) {
    if (filter)
        return filter->alive ? FindPaint(filter) : nullptr;
    for (HWND top : S().desktop->children)
        if (HWND w = FindPaint(top))
            return w;
    return nullptr;
}

bool IsWindowDC(HDC dc) {
    return g_windowDCs.count(dc) != 0;
}

} // namespace win::core

namespace win {

using namespace core;

namespace {

// A region handle's data in a window's client coordinates, or null (with an error) for a bad handle.
bool ClientRegion(HRGN region, Region* out) {
    pixman_region32_t* data = gdi::RegionData(region);
    if (!data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    pixman_region32_copy(out->Get(), data);
    return true;
}

} // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    if (!hwnd) {
        std::vector<HWND> tops = S().desktop->children;
        for (HWND w : tops)
            RedrawWindow(w, rect, region, flags);
        return TRUE;
    }
    if (!Valid(hwnd))
        return FALSE;
    Region area;
    const Region* pass = nullptr;
    if (region) {
        if (!ClientRegion(region, &area))
            return FALSE;
        pass = &area;
    } else if (rect) {
        area = Region(*rect);
        pass = &area;
    }
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE))
        InvalidateInternal(hwnd, pass, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        PaintNow(hwnd, (flags & RDW_ALLCHILDREN) || !(flags & RDW_NOCHILDREN));
        display::Current().Flush();
    }
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd)
        return RedrawWindow(nullptr, nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase) {
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND hwnd, HRGN region) {
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
    if (!Valid(hwnd))
        return FALSE;
    PaintNow(hwnd, true);
    display::Current().Flush();
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    if (!Valid(hwnd))
        return FALSE;
    const bool any = !hwnd->update.Empty();
    if (rect)
        *rect = any ? hwnd->update.Bounds() : RECT{};
    if (any && erase && hwnd->erase) {
        HDC dc = GetDC(hwnd);
        hwnd->erase = false;
        Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(hwnd, dc);
    }
    return any ? TRUE : FALSE;
}

int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase) {
    if (!Valid(hwnd))
        return ERROR;
    pixman_region32_t* data = region ? gdi::RegionData(region) : nullptr;
    if (!data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    pixman_region32_copy(data, hwnd->update.Get());
    int n = pixman_region32_n_rects(data);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    if (!Valid(hwnd))
        return nullptr;
    if (!ps) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    hwnd->paintValidated = true;
    if (hwnd->ncDirty) {
        hwnd->ncDirty = false;
        Send(hwnd, WM_NCPAINT, 1, 0);
        if (!hwnd->alive)
            return nullptr;
    }
    Region update = hwnd->update;
    const bool erase = hwnd->erase;
    // What a parent paints without WS_CLIPCHILDREN covers its children there; a child that painted itself
    // early (a button taking the focus as its dialog is shown) must paint again after it.
    if (!(hwnd->style & WS_CLIPCHILDREN) && !update.Empty())
        InvalidateChildren(hwnd, update, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN, false);
    hwnd->update.Clear();
    hwnd->erase = false;
    hwnd->internalPaint = false;
    Region vis = VisibleRegion(hwnd, false, (hwnd->style & WS_CLIPCHILDREN) != 0,
                               (hwnd->style & WS_CLIPSIBLINGS) != 0);
    RECT origin = ClientRectScreen(hwnd);
    HWND top = TopLevelOf(hwnd);
    Region inSurface = update;
    inSurface.Translate(origin.left - top->rcWindow.left, origin.top - top->rcWindow.top);
    vis.Intersect(inSurface);
    HDC dc = MakeDC(hwnd, false, vis);
    if (!dc)
        return nullptr;
    *ps = PAINTSTRUCT{};
    ps->hdc = dc;
    ps->rcPaint = update.Empty() ? RECT{} : update.Bounds();
    ps->fErase = erase ? !Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) : FALSE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps)
        return FALSE;
    if (ps->hdc && IsWindowDC(ps->hdc)) {
        g_windowDCs.erase(ps->hdc);
        gdi::DeleteSurfaceDC(ps->hdc);
    }
    return TRUE;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    if (!hwnd || IsDesktop(hwnd))
        return ScreenDC();
    if (!Valid(hwnd))
        return nullptr;
    const bool window = (flags & DCX_WINDOW) != 0;
    const bool useStyle = (flags & DCX_USESTYLE) != 0;
    const bool clipChildren = (flags & DCX_CLIPCHILDREN) || (useStyle && (hwnd->style & WS_CLIPCHILDREN));
    const bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (useStyle && (hwnd->style & WS_CLIPSIBLINGS));
    Region vis = VisibleRegion(hwnd, window, clipChildren, clipSiblings);
    // A clip region is in screen coordinates; the value 1 stands for "everything".
    if ((flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) && clip && clip != reinterpret_cast<HRGN>(1)) {
        Region r;
        if (pixman_region32_t* data = gdi::RegionData(clip)) {
            pixman_region32_copy(r.Get(), data);
            HWND top = TopLevelOf(hwnd);
            r.Translate(-top->rcWindow.left, -top->rcWindow.top);
            if (flags & DCX_INTERSECTRGN)
                vis.Intersect(r);
            else
                vis.Subtract(r);
        }
    }
    return MakeDC(hwnd, window, vis);
}

HDC GetDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_USESTYLE);
}

HDC GetWindowDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_USESTYLE);
}

int ReleaseDC(HWND hwnd, HDC dc) {
    if (!dc || !IsWindowDC(dc))
        return 0;
    g_windowDCs.erase(dc);
    gdi::DeleteSurfaceDC(dc);
    return 1;
}

HWND WindowFromDC(HDC dc) {
    return dc && gdi::IsLiveDC(dc) ? gdi::OwnerOfDC(dc) : nullptr;
}

} // namespace win
