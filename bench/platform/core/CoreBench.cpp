// Window-manager costs: a message round trip through a subclass, a full repaint of a practice-window-sized
// window with 40 children, and timer dispatch on the virtual clock.
#include "platform/core/WinUser.h"
#include "platform/display/HeadlessDisplay.h"

#include <benchmark/benchmark.h>

using namespace win;

namespace {

LRESULT CALLBACK Plain(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER)
        return static_cast<LRESULT>(w + 1);
    return DefWindowProcA(h, m, w, l);
}

LRESULT CALLBACK Painter(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        DrawTextA(dc, "第 12 题", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

void RegisterOnce() {
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXA wc;
    wc.lpfnWndProc = Plain;
    wc.lpszClassName = "BenchPlain";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassExA(&wc);
    wc.lpfnWndProc = Painter;
    wc.lpszClassName = "BenchPainter";
    RegisterClassExA(&wc);
}

void SendToSubclassedWindow(benchmark::State& state) {
    display::ResetHeadless(true);
    RegisterOnce();
    HWND h = CreateWindowExA(0, "BenchPlain", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    WNDPROC prev = nullptr;
    ObjectInstance thunk(
        [&](HWND w, UINT m, WPARAM wp, LPARAM lp) { return CallWindowProcA(prev, w, m, wp, lp); });
    prev = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk.Proc())));
    WPARAM v = 0;
    for (auto _ : state)
        v = static_cast<WPARAM>(SendMessageA(h, WM_USER, v, 0));
    benchmark::DoNotOptimize(v);
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prev));
    display::ResetHeadless(true);
}
BENCHMARK(SendToSubclassedWindow);

void FullRepaintWith40Children(benchmark::State& state) {
    auto& d = display::ResetHeadless(true);
    RegisterOnce();
    HWND top =
        CreateWindowExA(0, "BenchPainter", "试题练习", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                        0, 0, 704, 480, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < 40; ++i)
        CreateWindowExA(0, "BenchPainter", "", WS_CHILD | WS_VISIBLE, 10 + (i % 10) * 68, 200 + (i / 10) * 60,
                        60, 50, top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), nullptr, nullptr);
    d.Pump();
    for (auto _ : state) {
        RedrawWindow(top, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    display::ResetHeadless(true);
}
BENCHMARK(FullRepaintWith40Children)->Unit(benchmark::kMicrosecond);

void TimerDispatch(benchmark::State& state) {
    auto& d = display::ResetHeadless(true);
    RegisterOnce();
    HWND h = CreateWindowExA(0, "BenchPlain", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    for (UINT_PTR id = 1; id <= 4; ++id)
        SetTimer(h, id, static_cast<UINT>(id * 250), nullptr);
    for (auto _ : state)
        d.Advance(1000); // 4 + 2 + 1 + 1 = 8 ticks
    state.SetItemsProcessed(state.iterations() * 8);
    display::ResetHeadless(true);
}
BENCHMARK(TimerDispatch)->Unit(benchmark::kMicrosecond);

} // namespace
