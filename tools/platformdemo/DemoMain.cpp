// The platform demo on the real display (the platform's own SDL2 display test runs it).
#include "DemoWindow.h"
#include "platform/display/SdlDisplay.h"

#include <cstdio>

int main() {
    std::string error;
    auto display = win::display::SdlDisplay::Open(&error);
    if (!display) {
        std::fprintf(stderr, "taxitrainer: no display can be opened (%s)\n", error.c_str());
        return 1;
    }
    win::display::Install(std::move(display));
    win::HWND main = demo::CreateDemoWindow([](int id) {
        std::printf("demo: child %d clicked\n", id);
        std::fflush(stdout);
    });
    if (!main) {
        std::fprintf(stderr, "taxitrainer: the window could not be created\n");
        return 1;
    }
    std::printf("demo: ready\n");
    std::fflush(stdout);
    win::MSG msg;
    int r;
    while ((r = win::GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        win::TranslateMessage(&msg);
        win::DispatchMessageA(&msg);
    }
    return r < 0 ? 1 : static_cast<int>(msg.wParam);
}
