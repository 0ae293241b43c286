#include "CoreTestSupport.h"
#include "support/TestGuards.h"

using namespace win;
using namespace coretest;
using taxi::test::ScopedHook;

namespace {

std::vector<std::pair<int, HWND>> g_cbt;
std::vector<std::string> g_cbtCreateClass;
LRESULT g_cbtAnswer = 0;
int g_cbtAnswerCode = -100;

LRESULT CALLBACK CbtHook(int code, WPARAM w, LPARAM l) {
    g_cbt.push_back({code, reinterpret_cast<HWND>(w)});
    if (code == HCBT_CREATEWND) {
        auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(l);
        g_cbtCreateClass.push_back(cbt->lpcs->lpszClass);
        // The hook runs before the window has seen any message.
        Log().push_back(Rec{reinterpret_cast<HWND>(w), 0xFFFF, 0, 0});
    }
    if (code == g_cbtAnswerCode)
        return g_cbtAnswer;
    return CallNextHookEx(nullptr, code, w, l);
}

class MessageSequence : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        g_cbt.clear();
        g_cbtCreateClass.clear();
        g_cbtAnswer = 0;
        g_cbtAnswerCode = -100;
    }
};

} // namespace

TEST_F(MessageSequence, CreateSendsTheWindowsOrderAndShowsActivates) {
    ScopedHook hook(WH_CBT, CbtHook);
    ASSERT_NE(hook.Get(), nullptr);
    HWND h = Top();
    ASSERT_NE(h, nullptr);
    std::vector<UINT> want = {
        0xFFFF,        WM_NCCREATE,          WM_NCCALCSIZE,       WM_CREATE,     WM_SIZE,     WM_MOVE,
        WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS};
    EXPECT_EQ(Messages(h, want), want);
    // The creation hook comes first, with the creation parameters, then activation is announced.
    ASSERT_GE(g_cbt.size(), 2u);
    EXPECT_EQ(g_cbt[0].first, HCBT_CREATEWND);
    EXPECT_EQ(g_cbtCreateClass[0], "Rec");
    EXPECT_EQ(g_cbt[1].first, HCBT_ACTIVATE);
    EXPECT_EQ(GetActiveWindow(), h);
    EXPECT_EQ(GetFocus(), h);
}

TEST_F(MessageSequence, HooksRefusingCreationOrDestructionAreObeyed) {
    ScopedHook hook(WH_CBT, CbtHook, 0);
    g_cbtAnswerCode = HCBT_CREATEWND;
    g_cbtAnswer = 1;
    EXPECT_EQ(Top(), nullptr);
    EXPECT_EQ(Messages(nullptr, {WM_NCCREATE}).size(), 0u);

    g_cbtAnswerCode = HCBT_DESTROYWND;
    HWND h = Top();
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(DestroyWindow(h));
    EXPECT_TRUE(IsWindow(h));
    g_cbtAnswer = 0;
    EXPECT_TRUE(DestroyWindow(h));
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(MessageSequence, DestroyParentFirstThenNcDestroyChildFirst) {
    HWND top = Top();
    HWND a = Child(top, 0, 0, 10, 10, 1);
    HWND b = Child(a, 0, 0, 5, 5, 2);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> seq;
    for (auto& r : Log())
        if (r.msg == WM_DESTROY || r.msg == WM_NCDESTROY)
            seq.push_back({r.hwnd, r.msg});
    std::vector<std::pair<HWND, UINT>> want = {{top, WM_DESTROY}, {a, WM_DESTROY},   {b, WM_DESTROY},
                                               {b, WM_NCDESTROY}, {a, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(seq, want);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
}

TEST_F(MessageSequence, DestroyingAnOwnerDestroysOwnedWindowsFirst) {
    HWND owner = Top("owner");
    HWND owned = Top("owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 50, 50, owner);
    ASSERT_EQ(GetWindow(owned, GW_OWNER), owner);
    Log().clear();
    DestroyWindow(owner);
    std::vector<HWND> destroyed;
    for (auto& r : Log())
        if (r.msg == WM_DESTROY)
            destroyed.push_back(r.hwnd);
    EXPECT_EQ(destroyed, (std::vector<HWND>{owned, owner}));
    EXPECT_FALSE(IsWindow(owned));
}

namespace {
LRESULT CALLBACK RefuseCreate(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CREATE)
        return -1;
    return RecordingProc(h, m, w, l);
}
} // namespace

TEST_F(MessageSequence, CreateReturningMinusOneFailsAndCleansUp) {
    Register("Refuse", 0, RefuseCreate);
    HWND h = CreateWindowExA(0, "Refuse", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_EQ(h, nullptr);
    auto msgs = Messages(nullptr, {WM_DESTROY, WM_NCDESTROY});
    EXPECT_EQ(msgs, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(MessageSequence, PostedMessagesComeInOrderBeforePaintAndTimers) {
    HWND h = Top();
    m_display->Pump();
    SetTimer(h, 7, 10, nullptr);
    m_display->Wait(10); // time passes, nothing is dispatched
    InvalidateRect(h, nullptr, TRUE);
    PostMessageA(h, WM_USER + 1, 0, 0);
    PostMessageA(h, WM_USER + 2, 0, 0);
    Log().clear();
    MSG m;
    std::vector<UINT> order;
    for (int i = 0; i < 4 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++i) {
        order.push_back(m.message);
        DispatchMessageA(&m);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageSequence, QuitArrivesAfterPostedMessagesAndEndsGetMessage) {
    HWND h = Top();
    m_display->Pump();
    PostQuitMessage(3);
    PostMessageA(h, WM_USER, 0, 0);
    MSG m;
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.wParam, 3u);
}

TEST_F(MessageSequence, GetMessageWithNothingThatCouldArriveFailsInsteadOfHanging) {
    Top();
    m_display->Pump();
    MSG m;
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), -1);
    EXPECT_EQ(GetLastError(), ERROR_TIMEOUT);
}

namespace {
std::vector<int> g_hookOrder;
HHOOK g_old = nullptr, g_new = nullptr;
LRESULT CALLBACK OlderHook(int code, WPARAM w, LPARAM l) {
    g_hookOrder.push_back(1);
    return CallNextHookEx(g_old, code, w, l);
}
LRESULT CALLBACK NewerHook(int code, WPARAM w, LPARAM l) {
    g_hookOrder.push_back(2);
    if (code == HCBT_DESTROYWND)
        UnhookWindowsHookEx(g_new); // removing itself while running must not break the chain
    return CallNextHookEx(g_new, code, w, l);
}
LRESULT CALLBACK Swallow(int code, WPARAM w, LPARAM l) {
    auto* m = reinterpret_cast<MSG*>(l);
    g_hookOrder.push_back(code);
    if (code >= 0 && m->message == WM_USER + 1)
        return 1;
    return CallNextHookEx(nullptr, code, w, l);
}
} // namespace

TEST_F(MessageSequence, NewestHookRunsFirstAndPassesOnThroughCallNextHookEx) {
    g_hookOrder.clear();
    ScopedHook older(WH_CBT, OlderHook);
    ScopedHook newer(WH_CBT, NewerHook); // removes itself on HCBT_DESTROYWND; removing it again only fails
    g_old = older.Get();
    g_new = newer.Get();
    HWND h = Top("t", WS_POPUP);
    EXPECT_EQ(g_hookOrder, (std::vector<int>{2, 1}));
    g_hookOrder.clear();
    DestroyWindow(h);
    EXPECT_EQ(g_hookOrder, (std::vector<int>{2, 1}));
    g_hookOrder.clear();
    Top("u", WS_POPUP);
    EXPECT_EQ(g_hookOrder, (std::vector<int>{1}));
    older.Release(); // removed here, by the test
    EXPECT_TRUE(UnhookWindowsHookEx(g_old));
    EXPECT_FALSE(UnhookWindowsHookEx(g_old));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_HANDLE);
    EXPECT_EQ(SetWindowsHookExA(WH_CBT, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(SetWindowsHookExA(99, OlderHook, nullptr, 0), nullptr);
}

TEST_F(MessageSequence, MessageFilterHooksSeeModalLoopMessagesAndMaySwallowThem) {
    g_hookOrder.clear();
    ScopedHook hook(WH_MSGFILTER, Swallow);
    HWND owner = Top("owner");
    HWND dlg = Top("dlg", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, owner);
    PostMessageA(dlg, WM_USER + 1, 0, 0);
    PostMessageA(dlg, WM_USER + 2, 0, 0);
    SetTimer(dlg, 1, 100, [](HWND h, UINT, UINT_PTR, DWORD) { EndModalLoop(h, 0); });
    Log().clear();
    RunModalLoop(dlg, MSGF_DIALOGBOX);
    EXPECT_TRUE(Messages(dlg, {WM_USER + 1}).empty());
    EXPECT_EQ(Messages(dlg, {WM_USER + 2}).size(), 1u);
    ASSERT_FALSE(g_hookOrder.empty());
    EXPECT_EQ(g_hookOrder.front(), MSGF_DIALOGBOX);
    MSG m{dlg, WM_USER + 1, 0, 0, 0, {}};
    EXPECT_TRUE(CallMsgFilterA(&m, MSGF_MENU));
    EXPECT_EQ(g_hookOrder.back(), MSGF_MENU);
}

TEST_F(MessageSequence, SetWindowPosSendsOnlyWhatItsFlagsAllow) {
    HWND h = Top("t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    Log().clear();
    SetWindowPos(h, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING | SWP_NOACTIVATE);
    EXPECT_EQ(Messages(h, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_NCCALCSIZE}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGED, WM_MOVE}));
    Log().clear();
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_EQ(Messages(h, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED}));
    m_display->Pump();
    EXPECT_EQ(Messages(h, {WM_NCPAINT}).size(), 1u); // the changed frame is repainted
    Log().clear();
    MoveWindow(h, 0, 0, 300, 250, TRUE);
    EXPECT_EQ(
        Messages(h, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
        (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
}
