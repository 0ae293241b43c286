#include "DemoWindow.h"

#include <cstdio>
#include <string>

using namespace win;

namespace demo {

namespace {

void (*g_onClick)(int) = nullptr;
int g_clicks[3] = {};

LRESULT OnChildPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    const int id = GetDlgCtrlID(hwnd);
    HBRUSH face = CreateSolidBrush(id == 1 ? RGB(0, 128, 0) : RGB(255, 204, 0));
    FillRect(dc, &r, face);
    DeleteObject(face);
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, id == 1 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    std::string text = (id == 1 ? "顺序练习" : "模拟考试") + std::string(" ") + std::to_string(g_clicks[id]);
    DrawTextA(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnChildPaint(hwnd);
    case WM_LBUTTONUP: {
        const int id = GetDlgCtrlID(hwnd);
        ++g_clicks[id == 1 ? 1 : 2];
        InvalidateRect(hwnd, nullptr, FALSE);
        if (g_onClick)
            g_onClick(id);
        return 0;
    }
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT OnMainPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    r.top += 20;
    r.bottom = r.top + 30;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 0, 0));
    DrawTextA(dc, "出租车驾驶员从业资格证考试题练习系统", -1, &r, DT_CENTER | DT_SINGLELINE);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: return OnMainPaint(hwnd);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void RegisterClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXA wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.lpszClassName = "TaxiDemo";
    RegisterClassExA(&wc);
    wc.lpfnWndProc = ChildProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_HAND);
    wc.hIcon = nullptr;
    wc.lpszClassName = "TaxiDemoChild";
    RegisterClassExA(&wc);
}

} // namespace

HWND CreateDemoWindow(void (*onClick)(int)) {
    g_onClick = onClick;
    RegisterClasses();
    HWND main = CreateWindowExA(0, "TaxiDemo", "【岚途学堂】出租车从业资格证考试题练习系统 1.0",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                kLeft, kTop, kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
    if (!main)
        return nullptr;
    SendMessageA(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    CreateWindowExA(0, "TaxiDemoChild", "", WS_CHILD | WS_VISIBLE, 40, 90, 180, 60, main,
                    reinterpret_cast<HMENU>(1), nullptr, nullptr);
    CreateWindowExA(0, "TaxiDemoChild", "", WS_CHILD | WS_VISIBLE, 250, 90, 180, 60, main,
                    reinterpret_cast<HMENU>(2), nullptr, nullptr);
    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
    return main;
}

} // namespace demo
