// The trainer on the desktop: the SDL2 display, then the program.
#include "app/TaxiProgram.h"
#include "platform/display/SdlDisplay.h"
#include "platform/win.h"

#include <cstdio>

int main() {
    std::string error;
    auto display = win::display::SdlDisplay::Open(&error);
    if (!display) {
        std::fprintf(stderr, "taxitrainer: no display can be opened (%s)\n", error.c_str());
        return 1;
    }
    win::display::Install(std::move(display));
    const int result = taxi::RunProgram();
    win::display::Close();
    return result;
}
