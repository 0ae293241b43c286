// The window manager's private state: what a window handle points to, window classes, timers, hooks and the
// thread's queue. Only platform code includes this header.
#pragma once

#include "platform/core/WinUser.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/os/Bytes.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace win::core {

// An owned pixman region.
class Region {
public:
    Region() { pixman_region32_init(&m_r); }
    explicit Region(const RECT& r) {
        pixman_region32_init_rect(&m_r, r.left, r.top, std::max<LONG>(0, r.right - r.left),
                                  std::max<LONG>(0, r.bottom - r.top));
    }
    Region(const Region& o) {
        pixman_region32_init(&m_r);
        pixman_region32_copy(&m_r, const_cast<pixman_region32_t*>(&o.m_r));
    }
    Region& operator=(const Region& o) {
        if (this != &o)
            pixman_region32_copy(&m_r, const_cast<pixman_region32_t*>(&o.m_r));
        return *this;
    }
    ~Region() { pixman_region32_fini(&m_r); }

    pixman_region32_t* Get() { return &m_r; }
    const pixman_region32_t& Ref() const { return m_r; }
    bool Empty() const { return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(&m_r)); }
    void Clear() { pixman_region32_clear(&m_r); }
    void Unite(const Region& o) { pixman_region32_union(&m_r, &m_r, const_cast<pixman_region32_t*>(&o.m_r)); }
    void Unite(const RECT& r) { Unite(Region(r)); }
    void Intersect(const Region& o) {
        pixman_region32_intersect(&m_r, &m_r, const_cast<pixman_region32_t*>(&o.m_r));
    }
    void Intersect(const RECT& r) { Intersect(Region(r)); }
    void Subtract(const Region& o) {
        pixman_region32_subtract(&m_r, &m_r, const_cast<pixman_region32_t*>(&o.m_r));
    }
    void Subtract(const RECT& r) { Subtract(Region(r)); }
    void Translate(int dx, int dy) { pixman_region32_translate(&m_r, dx, dy); }
    bool Contains(int x, int y) const {
        return pixman_region32_contains_point(const_cast<pixman_region32_t*>(&m_r), x, y, nullptr);
    }
    RECT Bounds() const {
        const pixman_box32_t* b = pixman_region32_extents(const_cast<pixman_region32_t*>(&m_r));
        return RECT{b->x1, b->y1, b->x2, b->y2};
    }

private:
    pixman_region32_t m_r;
};

struct WindowClass {
    std::string name;
    std::string key; // lower case: class names compare without case
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSm = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    bool unicode = false;
    std::vector<BYTE> extra;
};

struct ModalState {
    bool ended = false;
    INT_PTR result = 0;
};

} // namespace win::core

namespace win {

struct HWND__ {
    bool alive = true;
    bool destroying = false;
    core::WindowClass* cls = nullptr;
    std::string className; // kept after the class is gone, for diagnostics
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    WNDPROC proc = nullptr;
    bool unicode = false;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HMENU menu = nullptr;
    std::vector<BYTE> extra;

    HWND parent = nullptr; // the desktop for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children; // z-order, topmost first

    RECT rcWindow; // in the parent's client coordinates (screen for top-level windows)
    RECT rcClient; // likewise
    RECT rcNormal; // placement: the restored rectangle of a minimised or maximised window
    bool maximizeOnRestore = false;

    std::shared_ptr<gdi::Surface> surface;   // top-level windows only
    std::unique_ptr<core::Region> windowRgn; // window coordinates

    core::Region update; // client coordinates
    bool erase = false;
    bool ncDirty = false;
    bool internalPaint = false;
    bool paintValidated = false; // BeginPaint ran during the current WM_PAINT
    bool ncActive = false;

    std::map<std::string, HANDLE> props;
    HICON iconBig = nullptr;
    HICON iconSmall = nullptr;
    std::shared_ptr<core::ModalState> modal;
    int pressedNcButton = 0; // caption button held down by the default procedure
};

} // namespace win

namespace win::core {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t serial = 0;
};

struct Hook {
    int type = 0;
    HOOKPROC proc = nullptr;
    bool removed = false;
};

// What a display hands to the core: one raw input event at screen coordinates.
struct InputEvent {
    enum Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char };
    Kind kind = MouseMove;
    POINT pt;
    int button = 0;     // 0 left, 1 right, 2 middle
    int wheelDelta = 0; // multiples of WHEEL_DELTA
    UINT vk = 0;
    UINT scanCode = 0;
    char32_t ch = 0;
};

struct State {
    std::vector<std::unique_ptr<WindowClass>> classes;
    std::vector<std::unique_ptr<HWND__>> windows; // every window ever made; destroyed ones stay as shells
    std::unordered_set<HWND> live;
    HWND desktop = nullptr;

    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;

    std::deque<MSG> posted;
    bool quitPosted = false;
    int quitCode = 0;
    std::deque<InputEvent> input;

    std::vector<Timer> timers;
    std::uint64_t timerSerial = 0;

    std::vector<std::unique_ptr<Hook>> hooks; // most recent last
    int hookDepth = 0;

    std::array<BYTE, 256> keys{};
    POINT cursorPos{640, 512};
    HCURSOR cursor = nullptr;
    HWND trackWindow = nullptr;
    DWORD trackFlags = 0;
    std::uint64_t hoverDue = 0; // TME_HOVER: when WM_MOUSEHOVER is due if the pointer stays near hoverPt
    DWORD hoverTime = 400;
    POINT hoverPt;
    HWND lastMouseWindow = nullptr;
    LRESULT lastHit = HTNOWHERE;
    UINT lastDownMsg = 0;
    HWND lastDownWindow = nullptr;
    DWORD lastDownTime = 0;
    POINT lastDownPt;
    bool lastWasDblClk = false;
    UINT doubleClickTime = 500;

    DWORD messageTime = 0;
    DWORD messagePos = 0;
    int sendDepth = 0;
    std::map<std::string, ATOM> atoms;
    std::map<ATOM, std::string> atomNames;
    std::map<ATOM, int> atomRefs;
    ATOM nextAtom = 0xC000;
};

State& S();

// Handle checks: sets ERROR_INVALID_WINDOW_HANDLE and answers null for anything that is not a live window.
HWND Valid(HWND hwnd);
bool IsDesktop(HWND hwnd);
HWND TopLevelOf(HWND hwnd); // the ancestor whose parent is the desktop (itself for a top-level window)
bool IsTopLevel(HWND hwnd);
bool IsChildStyle(HWND hwnd);

// Geometry helpers (screen coordinates).
POINT ClientOrigin(HWND hwnd); // screen position of the client area's top-left
RECT WindowRectScreen(HWND hwnd);
RECT ClientRectScreen(HWND hwnd);
// Offset of the window's top-left inside its top-level window's surface.
POINT SurfaceOffset(HWND hwnd);
bool ReallyVisible(HWND hwnd); // the window and all its ancestors have WS_VISIBLE

// Messages
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void QueueInput(const InputEvent& event);
int CursorIdOf(HCURSOR cursor); // the IDC_ number of a system cursor, 0 otherwise
DWORD Now();
std::uint64_t Now64();

// Hooks
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam);
bool HasHooks(int type);

// Timers
void RemoveWindowTimers(HWND hwnd);
bool NextTimerDue(std::uint64_t* due);
bool TakeDueTimer(HWND filter, MSG* out, bool remove);

// Focus, activation
void WindowHiddenOrDestroyed(HWND hwnd);
bool ActivateWindow(HWND hwnd, bool mouse, bool force = false);
void ReleaseInputState(HWND hwnd);

// Painting
void InvalidateInternal(HWND hwnd, const Region* rgn, UINT flags); // rgn in client coords, null = all
// The children's share of an invalidation of `area` (in `hwnd`'s client coordinates); `wholeClient` when
// the whole client area was invalidated, which marks every child's frame too.
void InvalidateChildren(HWND hwnd, const Region& area, UINT flags, bool wholeClient);
void InvalidateScreenArea(HWND parent, const RECT& rectInParentClient);
HWND NextWindowToPaint(HWND filter);
Region VisibleRegion(HWND hwnd, bool window, bool clipChildren, bool clipSiblings); // surface coordinates
void EnsureSurface(HWND top);

// Non-client area
RECT NcCalcDefault(HWND hwnd, const RECT& window); // client rect for a window rect, same coordinates
LRESULT NcHitTestDefault(HWND hwnd, POINT screen);
void NcPaintDefault(HWND hwnd, HRGN clip);
void NcDraw(HWND hwnd, HDC dc); // window coordinates
bool HasCaption(HWND hwnd);
RECT CaptionButtonRect(HWND hwnd, LRESULT which); // window coordinates; empty when the window has none
void MoveSizeLoop(HWND hwnd, WPARAM command, POINT start);
void TrackCaptionButton(HWND hwnd, LRESULT hit);

// Positions
BOOL SetWindowPosInternal(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags);
MINMAXINFO GetMinMaxInfo(HWND hwnd);
void RecalcClient(HWND hwnd);

// Input
void ProcessInput(const InputEvent& ev, MSG* out, bool* produced);
void MouseLeftWindow(HWND hwnd);
bool TakeHover(MSG* out); // a due WM_MOUSEHOVER / WM_NCMOUSEHOVER
void UpdateTrackingAfterMove(HWND hwnd, LRESULT hit);

// Class lookups
WindowClass* FindClass(LPCSTR name, HINSTANCE instance);
void EnsureSystemClasses();

int CopyWindowText(const std::string& text, LPSTR buffer, int size);

} // namespace win::core
