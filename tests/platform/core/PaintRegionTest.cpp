#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {

LRESULT CALLBACK FillProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        Log().push_back(Rec{h, m, w, l});
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(h, GWLP_USERDATA)));
        FillRect(dc, &r, b);
        DeleteObject(b);
        EndPaint(h, &ps);
        return 0;
    }
    return RecordingProc(h, m, w, l);
}

std::uint32_t Px(COLORREF c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class PaintRegion : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        Register("Fill", 0, FillProc);
    }
    HWND Filled(HWND parent, int x, int y, int w, int h, COLORREF c, DWORD style = WS_CHILD | WS_VISIBLE) {
        HWND hwnd = CreateWindowExA(0, "Fill", "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(c));
        InvalidateRect(hwnd, nullptr, TRUE);
        return hwnd;
    }
    std::uint32_t At(int x, int y) {
        auto s = m_display->Composite();
        return s->Row(y)[x] & 0xFFFFFF;
    }
};

} // namespace

TEST_F(PaintRegion, PaintIsLazyAndValidatedOnce) {
    HWND top = Filled(nullptr, 0, 0, 200, 200, RGB(255, 0, 0), WS_POPUP | WS_VISIBLE);
    Log().clear();
    m_display->Pump();
    EXPECT_EQ(Messages(top, {WM_PAINT}).size(), 1u);
    EXPECT_EQ(At(50, 50), Px(RGB(255, 0, 0)));
    m_display->Pump();
    EXPECT_EQ(Messages(top, {WM_PAINT}).size(), 1u);
    RECT part{10, 10, 20, 20};
    InvalidateRect(top, &part, FALSE);
    RECT u;
    ASSERT_TRUE(GetUpdateRect(top, &u, FALSE));
    EXPECT_EQ(u.left, 10);
    EXPECT_EQ(u.bottom, 20);
    ValidateRect(top, nullptr);
    EXPECT_FALSE(GetUpdateRect(top, &u, FALSE));
}

TEST_F(PaintRegion, ParentPaintsBeforeChildrenAndClipChildrenProtectsThem) {
    HWND top = Filled(nullptr, 0, 0, 200, 200, RGB(0, 0, 255), WS_POPUP | WS_VISIBLE);
    HWND child = Filled(top, 20, 20, 50, 50, RGB(0, 255, 0));
    m_display->Pump();
    EXPECT_EQ(At(30, 30), Px(RGB(0, 255, 0)));
    EXPECT_EQ(At(100, 100), Px(RGB(0, 0, 255)));
    // Without WS_CLIPCHILDREN, repainting the parent repaints the child over it afterwards.
    Log().clear();
    InvalidateRect(top, nullptr, TRUE);
    m_display->Pump();
    std::vector<HWND> order;
    for (auto& r : Log())
        if (r.msg == WM_PAINT)
            order.push_back(r.hwnd);
    EXPECT_EQ(order, (std::vector<HWND>{top, child}));
    EXPECT_EQ(At(30, 30), Px(RGB(0, 255, 0)));
    // With it, the child is not invalidated by the parent's invalidation and the parent cannot draw on it.
    SetWindowLongPtrA(top, GWL_STYLE, GetWindowLongPtrA(top, GWL_STYLE) | WS_CLIPCHILDREN);
    Log().clear();
    InvalidateRect(top, nullptr, TRUE);
    m_display->Pump();
    EXPECT_TRUE(Messages(child, {WM_PAINT}).empty());
    EXPECT_EQ(At(30, 30), Px(RGB(0, 255, 0)));
}

TEST_F(PaintRegion, AChildThatPaintedBeforeItsParentPaintsAgainAfterIt) {
    // A control that repaints itself at once (a button taking the focus as its dialog is shown) while the
    // parent's first paint is still pending must not stay painted over by that paint.
    HWND top = Filled(nullptr, 0, 0, 200, 200, RGB(0, 0, 255), WS_POPUP | WS_VISIBLE);
    HWND child = Filled(top, 20, 20, 50, 50, RGB(0, 255, 0));
    HWND clipping =
        Filled(nullptr, 300, 0, 200, 200, RGB(0, 0, 255), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND protectedChild = Filled(clipping, 20, 20, 50, 50, RGB(0, 255, 0));
    UpdateWindow(child);
    UpdateWindow(protectedChild);
    Log().clear();
    m_display->Pump();
    std::vector<HWND> order;
    for (auto& r : Log())
        if (r.msg == WM_PAINT)
            order.push_back(r.hwnd);
    // The parent paints, then the child again; a clipping parent leaves its child as it was.
    auto at = [&](HWND h) { return std::find(order.begin(), order.end(), h) - order.begin(); };
    ASSERT_EQ(order.size(), 3u);
    EXPECT_LT(at(top), at(child));
    EXPECT_LT(at(clipping), 3);
    EXPECT_EQ(At(30, 30), Px(RGB(0, 255, 0)));
    EXPECT_EQ(At(330, 30), Px(RGB(0, 255, 0)));
    EXPECT_EQ(At(100, 100), Px(RGB(0, 0, 255)));
}

TEST_F(PaintRegion, MovingAChildRepaintsWhatItUncovers) {
    HWND top = Filled(nullptr, 0, 0, 200, 200, RGB(0, 0, 255), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = Filled(top, 20, 20, 50, 50, RGB(0, 255, 0));
    m_display->Pump();
    MoveWindow(child, 120, 120, 50, 50, TRUE);
    m_display->Pump();
    EXPECT_EQ(At(30, 30), Px(RGB(0, 0, 255)));
    EXPECT_EQ(At(130, 130), Px(RGB(0, 255, 0)));
}

TEST_F(PaintRegion, ClipSiblingsKeepsALowerSiblingOffAHigherOne) {
    HWND top = Filled(nullptr, 0, 0, 200, 200, RGB(0, 0, 255), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND first = Filled(top, 10, 10, 100, 100, RGB(255, 0, 0), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND second = Filled(top, 50, 50, 100, 100, RGB(0, 255, 0), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    (void)second;
    m_display->Pump();
    // The first child is on top of the z-order; the overlap shows it.
    EXPECT_EQ(GetTopWindow(top), first);
    EXPECT_EQ(At(70, 70), Px(RGB(255, 0, 0)));
    EXPECT_EQ(At(120, 120), Px(RGB(0, 255, 0)));
    InvalidateRect(second, nullptr, TRUE);
    m_display->Pump();
    EXPECT_EQ(At(70, 70), Px(RGB(255, 0, 0)));
}

TEST_F(PaintRegion, WindowRegionClipsPaintingHitTestingAndTheScreen) {
    HWND top = Filled(nullptr, 100, 100, 100, 100, RGB(255, 0, 0), WS_POPUP | WS_VISIBLE);
    SetWindowRgn(top, CreateRectRgn(0, 0, 50, 100), TRUE);
    m_display->Pump();
    EXPECT_EQ(At(120, 150), Px(RGB(255, 0, 0)));
    EXPECT_EQ(At(170, 150), Px(GetSysColor(COLOR_DESKTOP)));
    EXPECT_EQ(WindowFromPoint(POINT{120, 150}), top);
    EXPECT_EQ(WindowFromPoint(POINT{170, 150}), nullptr);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(top, copy), SIMPLEREGION);
    RECT box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box.right, 50);
    DeleteObject(copy);
    SetWindowRgn(top, nullptr, TRUE);
    m_display->Pump();
    EXPECT_EQ(At(170, 150), Px(RGB(255, 0, 0)));
    // A child's region clips what it paints inside its parent.
    HWND child = Filled(top, 0, 0, 100, 100, RGB(0, 255, 0));
    SetWindowRgn(child, CreateEllipticRgn(0, 0, 100, 100), TRUE);
    m_display->Pump();
    EXPECT_EQ(At(150, 150), Px(RGB(0, 255, 0)));
    EXPECT_EQ(At(101, 101), Px(RGB(255, 0, 0)));
    EXPECT_EQ(SetWindowRgn(child, reinterpret_cast<HRGN>(&box), TRUE), 0); // not a region: refused
}

TEST_F(PaintRegion, BeginPaintErasesWithTheClassBrushAndNcPaintComesFirst) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    Log().clear();
    UpdateWindow(h);
    EXPECT_EQ(Messages(h, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
              (std::vector<UINT>{WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}));
    EXPECT_EQ(At(100, 60), Px(GetSysColor(COLOR_BTNFACE)));
    // The classic caption is painted (its gradient starts at the active caption colour).
    std::uint32_t cap = At(5, 4), want = Px(GetSysColor(COLOR_ACTIVECAPTION));
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(static_cast<int>((cap >> shift) & 0xFF), static_cast<int>((want >> shift) & 0xFF), 8);
}

TEST_F(PaintRegion, ReleaseDCOnlyReleasesWindowDCs) {
    HWND h = Top();
    HDC mem = CreateCompatibleDC(nullptr);
    EXPECT_EQ(ReleaseDC(h, mem), 0);
    EXPECT_TRUE(DeleteDC(mem));
    HDC dc = GetDC(h);
    EXPECT_EQ(WindowFromDC(dc), h);
    EXPECT_EQ(ReleaseDC(h, dc), 1);
    EXPECT_EQ(ReleaseDC(h, dc), 0);
}
