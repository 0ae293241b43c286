#include "CoreTestSupport.h"
#include "support/TestGuards.h"

#include <cstring>

using namespace win;
using namespace coretest;

namespace {

class WindowApi : public CoreTest {};

WNDPROC g_prev = nullptr;
std::vector<UINT> g_subclassSeen;
LRESULT CALLBACK Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
    g_subclassSeen.push_back(m);
    if (m == WM_USER + 5)
        return 55;
    return CallWindowProcA(g_prev, h, m, w, l);
}

int CALLBACK CountChildren(HWND, LPARAM l) {
    ++*reinterpret_cast<int*>(l);
    return TRUE;
}

} // namespace

TEST_F(WindowApi, NullAndDestroyedHandlesFailWithInvalidWindowHandle) {
    HWND h = Top();
    DestroyWindow(h);
    for (HWND bad : {static_cast<HWND>(nullptr), h, reinterpret_cast<HWND>(0x1234)}) {
        SetLastError(0);
        RECT r{1, 2, 3, 4};
        EXPECT_FALSE(GetWindowRect(bad, &r));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(SetWindowPos(bad, nullptr, 0, 0, 1, 1, 0));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
        EXPECT_EQ(GetWindowLongPtrA(bad, GWL_STYLE), 0);
        EXPECT_EQ(DefWindowProcA(bad, WM_NCHITTEST, 0, 0), 0);
        EXPECT_EQ(SetParent(bad, nullptr), nullptr);
        if (!bad)
            continue; // null means the screen, all windows or the thread to these calls
        EXPECT_EQ(GetDC(bad), nullptr);
        EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
        EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
    }
    EXPECT_FALSE(PostMessageA(h, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(CreateWindowExA(0, "Rec", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(WindowApi, NegativeSizesBecomeEmptyAndUnknownMessagesAnswerZero) {
    HWND h = Top("n", WS_POPUP | WS_VISIBLE, 10, 10, -50, -5);
    ASSERT_NE(h, nullptr);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
    SetWindowPos(h, nullptr, 0, 0, -10, 20, SWP_NOMOVE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(SendMessageA(h, 0x7FFF, 1, 2), 0);
    EXPECT_EQ(SendMessageA(h, 0x3503, 0, 1000), 0);
    SetLastError(0);
    EXPECT_EQ(GetWindowLongPtrA(h, 4000), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    EXPECT_EQ(SetWindowLongPtrA(h, GWLP_WNDPROC, 0), 0); // a null procedure is refused
    EXPECT_NE(GetWindowLongPtrA(h, GWLP_WNDPROC), 0);
}

TEST_F(WindowApi, SubclassingChainsAndObjectInstancesForward) {
    HWND h = Top();
    g_subclassSeen.clear();
    g_prev =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
    EXPECT_EQ(g_prev, RecordingProc);
    EXPECT_TRUE(IsWindowUnicode(h));
    EXPECT_EQ(SendMessageA(h, WM_USER + 5, 0, 0), 55);
    Log().clear();
    SendMessageA(h, WM_USER + 6, 0, 0);
    EXPECT_EQ(Messages(h, {WM_USER + 6}).size(), 1u); // passed on to the original procedure

    struct Skinner {
        WNDPROC prev = nullptr;
        int seen = 0;
        LRESULT Method(HWND w, UINT m, WPARAM wp, LPARAM lp) {
            ++seen;
            return m == WM_USER + 7 ? 77 : CallWindowProcA(prev, w, m, wp, lp);
        }
    } skinner;
    {
        ObjectInstance inst(
            [&](HWND w, UINT m, WPARAM wp, LPARAM lp) { return skinner.Method(w, m, wp, lp); });
        ASSERT_TRUE(inst.Valid());
        skinner.prev = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(inst.Proc())));
        EXPECT_FALSE(IsWindowUnicode(h));
        EXPECT_EQ(SendMessageA(h, WM_USER + 7, 0, 0), 77);
        EXPECT_EQ(SendMessageA(h, WM_USER + 5, 0, 0), 55); // through the thunk to the subclass below
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinner.prev));
    }
    EXPECT_EQ(skinner.seen, 2);
    // An instance freed from inside its own method is safe.
    auto* self = new ObjectInstance(nullptr);
    EXPECT_FALSE(self->Valid());
    delete self;
    static ObjectInstance* freeing;
    freeing = new ObjectInstance([](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        delete freeing;
        freeing = nullptr;
        return m;
    });
    EXPECT_EQ(CallWindowProcA(freeing->Proc(), h, 1234, 0, 0), 1234);
    EXPECT_EQ(freeing, nullptr);
}

TEST_F(WindowApi, TreeNavigationAndEnumeration) {
    HWND top = Top();
    HWND a = Child(top, 0, 0, 10, 10, 1);
    HWND b = Child(top, 0, 0, 10, 10, 2);
    HWND c = Child(a, 0, 0, 5, 5, 3);
    // Children are added at the bottom of the z-order, so creation order is z-order.
    EXPECT_EQ(GetTopWindow(top), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetParent(c), a);
    EXPECT_EQ(GetParent(top), nullptr);
    EXPECT_EQ(GetAncestor(c, GA_ROOT), top);
    EXPECT_TRUE(IsChild(top, c));
    EXPECT_EQ(GetDlgItem(top, 2), b);
    EXPECT_EQ(GetDlgCtrlID(c), 3);
    int n = 0;
    EnumChildWindows(top, CountChildren, reinterpret_cast<LPARAM>(&n));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(SetParent(c, b), a);
    EXPECT_EQ(GetParent(c), b);
    EXPECT_EQ(SetParent(b, c), nullptr); // a window cannot move under its own descendant
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    POINT p{1, 1};
    MapWindowPoints(c, nullptr, &p, 1);
    POINT q{1, 1};
    ClientToScreen(c, &q);
    EXPECT_EQ(p.x, q.x);
    EXPECT_EQ(p.y, q.y);
}

TEST_F(WindowApi, TextPropertiesAtomsAndIcons) {
    HWND h = Top("出租车");
    char buf[16];
    EXPECT_EQ(GetWindowTextA(h, buf, sizeof buf), 9);
    EXPECT_STREQ(buf, "出租车");
    EXPECT_EQ(GetWindowTextA(h, buf, 5), 3); // never cuts a character in half
    EXPECT_STREQ(buf, "出");
    EXPECT_EQ(GetWindowTextLengthA(h), 9);
    SetWindowTextA(h, "abc");
    EXPECT_EQ(GetWindowTextLengthA(h), 3);

    ATOM atom = GlobalAddAtomA("ControlOfs0040000000001234");
    ASSERT_GE(atom, 0xC000);
    EXPECT_EQ(GlobalFindAtomA("controlofs0040000000001234"), atom);
    int dummy;
    EXPECT_TRUE(SetPropA(h, MAKEINTATOM(atom), reinterpret_cast<HANDLE>(&dummy)));
    EXPECT_EQ(GetPropA(h, "ControlOfs0040000000001234"), reinterpret_cast<HANDLE>(&dummy));
    EXPECT_EQ(RemovePropA(h, MAKEINTATOM(atom)), reinterpret_cast<HANDLE>(&dummy));
    EXPECT_EQ(GetPropA(h, MAKEINTATOM(atom)), nullptr);
    char name[64];
    EXPECT_GT(GlobalGetAtomNameA(atom, name, sizeof name), 0u);
    EXPECT_STREQ(name, "ControlOfs0040000000001234");
    EXPECT_EQ(GlobalAddAtomA(std::string(300, 'x').c_str()), 0);

    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(SendMessageA(h, WM_GETICON, ICON_SMALL, 0), 0);
    SendMessageA(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    EXPECT_EQ(SendMessageA(h, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(SendMessageA(h, WM_GETICON, ICON_SMALL2, 0), reinterpret_cast<LRESULT>(icon));
}

TEST_F(WindowApi, SystemInformationAndRunTimeLookup) {
    DWORD v = GetVersion();
    EXPECT_EQ(LOBYTE(v), 5);
    EXPECT_EQ(HIBYTE(v), 1);
    EXPECT_EQ(v & 0x80000000u, 0u); // NT
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    NONCLIENTMETRICSA ncm;
    ncm.cbSize = 340;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0));
    EXPECT_EQ(ncm.lfCaptionFont.lfWeight, FW_BOLD);
    ncm.cbSize = 12;
    EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 12, &ncm, 0));
    HMODULE user32 = LoadLibraryA("user32.dll");
    ASSERT_NE(user32, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "TrackMouseEvent")),
              reinterpret_cast<void*>(&TrackMouseEvent));
    EXPECT_EQ(GetProcAddress(user32, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(LoadLibraryA("evil.dll"), nullptr);
    EXPECT_TRUE(FreeLibrary(user32));
}

TEST_F(WindowApi, AWithdrawnExportIsMissingUntilOfferedAgain) {
    HMODULE user32 = LoadLibraryA("USER32.DLL");
    {
        taxi::test::ScopedMissingExport gone("user32.dll", "GetScrollBarInfo");
        EXPECT_EQ(GetProcAddress(user32, "GetScrollBarInfo"), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
        EXPECT_NE(GetProcAddress(user32, "TrackMouseEvent"), nullptr) << "only the one named goes";
        WithdrawExport("gdi32.dll", "TrackMouseEvent", true); // another module: ignored
        EXPECT_NE(GetProcAddress(user32, "TrackMouseEvent"), nullptr);
    }
    EXPECT_NE(GetProcAddress(user32, "GetScrollBarInfo"), nullptr);
    {
        taxi::test::ScopedMissingExport gone("user32", "TrackMouseEvent");
        EXPECT_EQ(GetProcAddress(user32, "TrackMouseEvent"), nullptr);
    }
    EXPECT_NE(GetProcAddress(user32, "TrackMouseEvent"), nullptr);
}

TEST_F(WindowApi, ClassRegistrationRules) {
    WNDCLASSEXA wc;
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = "Once";
    ATOM a = RegisterClassExA(&wc);
    ASSERT_NE(a, 0);
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
    wc.lpfnWndProc = nullptr;
    wc.lpszClassName = "NoProc";
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    HWND h = CreateWindowExA(0, "ONCE", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(h, nullptr);
    char name[8];
    GetClassNameA(h, name, sizeof name);
    EXPECT_STREQ(name, "Once");
    EXPECT_FALSE(UnregisterClassA("Once", nullptr));
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClassA("Once", nullptr));
}
