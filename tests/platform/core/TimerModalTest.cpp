#include "CoreTestSupport.h"

using namespace win;
using namespace coretest;

namespace {

class TimerModal : public CoreTest {
protected:
    int Ticks(HWND h, UINT_PTR id) {
        int n = 0;
        for (auto& r : Log())
            if (r.hwnd == h && r.msg == WM_TIMER && r.wParam == id)
                ++n;
        return n;
    }
};

int g_procTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_procTicks;
}

} // namespace

TEST_F(TimerModal, VirtualClockDeliversEachTickAtItsTime) {
    HWND h = Top();
    SetTimer(h, 1, 200, nullptr);
    SetTimer(h, 2, 1000, nullptr);
    m_display->Advance(199);
    EXPECT_EQ(Ticks(h, 1), 0);
    m_display->Advance(1);
    EXPECT_EQ(Ticks(h, 1), 1);
    m_display->Advance(2700 * 1000); // a whole examination in one step
    EXPECT_EQ(Ticks(h, 1), 1 + 2700 * 5 - 0);
    EXPECT_EQ(Ticks(h, 2), 2700);
}

TEST_F(TimerModal, KillTimerStopsAndResettingRestartsTheInterval) {
    HWND h = Top();
    SetTimer(h, 5, 100, nullptr);
    m_display->Advance(60);
    SetTimer(h, 5, 100, nullptr); // same id: replaced, counted from now
    m_display->Advance(60);
    EXPECT_EQ(Ticks(h, 5), 0);
    m_display->Advance(40);
    EXPECT_EQ(Ticks(h, 5), 1);
    EXPECT_TRUE(KillTimer(h, 5));
    m_display->Advance(1000);
    EXPECT_EQ(Ticks(h, 5), 1);
    EXPECT_FALSE(KillTimer(h, 5));
}

TEST_F(TimerModal, TimersDieWithTheirWindowAndBadTimersAreRefused) {
    HWND h = Top();
    SetTimer(h, 1, 50, nullptr);
    DestroyWindow(h);
    m_display->Advance(500);
    EXPECT_EQ(Ticks(h, 1), 0);
    EXPECT_EQ(SetTimer(h, 1, 50, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(TimerModal, TimerProcsRunAndForgedTimerMessagesCallNothing) {
    HWND h = Top();
    g_procTicks = 0;
    SetTimer(h, 9, 100, CountTick);
    m_display->Advance(300);
    EXPECT_EQ(g_procTicks, 3);
    EXPECT_EQ(Ticks(h, 9), 0); // a timer with a procedure does not reach the window procedure
    // A WM_TIMER posted with an arbitrary "procedure" must not be called.
    PostMessageA(h, WM_TIMER, 77, 0x1234);
    m_display->Pump();
    EXPECT_EQ(g_procTicks, 3);
}

TEST_F(TimerModal, TimersKeepTickingInsideAModalLoop) {
    HWND owner = Top("main");
    SetTimer(owner, 1, 200, nullptr);
    HWND dlg = Top("modal", WS_POPUP | WS_CAPTION, 10, 10, 100, 100, owner);
    SetTimer(dlg, 2, 1000, [](HWND h, UINT, UINT_PTR, DWORD) { EndModalLoop(h, 7); });
    EXPECT_EQ(RunModalLoop(dlg), 7);
    EXPECT_EQ(Ticks(owner, 1), 5);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(TimerModal, NestedModalLoopsDisableTheWholeOwnerChain) {
    HWND main = Top("main");
    HWND practice = Top("practice", WS_POPUP | WS_CAPTION, 0, 0, 50, 50, main);
    static HWND result;
    result = Top("result", WS_POPUP | WS_CAPTION, 0, 0, 50, 50, practice);
    SetTimer(practice, 1, 100, [](HWND h, UINT, UINT_PTR id, DWORD) {
        KillTimer(h, id);
        SetTimer(result, 2, 100, [](HWND r, UINT, UINT_PTR, DWORD) {
            HWND p = GetWindow(r, GW_OWNER);
            EXPECT_FALSE(IsWindowEnabled(p));
            EXPECT_FALSE(IsWindowEnabled(GetWindow(p, GW_OWNER)));
            KillTimer(r, 2);
            EndModalLoop(r, 1);
        });
        EXPECT_EQ(RunModalLoop(result), 1);
        EXPECT_TRUE(IsWindowEnabled(GetWindow(h, GW_OWNER)) == FALSE); // still inside the outer loop
        EXPECT_EQ(GetActiveWindow(), h);
        EndModalLoop(h, 2);
    });
    EXPECT_EQ(RunModalLoop(practice), 2);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowEnabled(practice));
}

TEST_F(TimerModal, QuitInsideAModalLoopEndsItAndReachesTheOuterLoop) {
    HWND owner = Top("main");
    HWND dlg = Top("modal", WS_POPUP | WS_CAPTION, 10, 10, 100, 100, owner);
    SetTimer(dlg, 1, 50, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(9); });
    RunModalLoop(dlg);
    MSG m;
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.wParam, 9u);
}
