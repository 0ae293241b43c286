// The trainer on the desktop: the command line, the SDL2 display, then the program.
#include "app/CommandLine.h"
#include "app/TaxiProgram.h"
#include "platform/display/SdlDisplay.h"
#include "platform/win.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const taxi::CommandLine line = taxi::CommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.What()) {
    case taxi::CommandLine::Action::Help: std::fputs(taxi::CommandLine::Usage().c_str(), stdout); return 0;
    case taxi::CommandLine::Action::Version: std::printf("taxitrainer %s\n", TAXI_VERSION); return 0;
    case taxi::CommandLine::Action::Refuse:
        std::fprintf(stderr, "taxitrainer: %s (see taxitrainer --help)\n", line.Error().c_str());
        return 2;
    case taxi::CommandLine::Action::Run: break;
    }
    std::string warning;
    const int scale = line.Scale(std::getenv("TAXI_SCALE"), &warning);
    if (!warning.empty())
        std::fprintf(stderr, "taxitrainer: %s\n", warning.c_str());
    std::string error;
    auto display = win::display::SdlDisplay::Open(&error, scale);
    if (!display) {
        std::fprintf(stderr, "taxitrainer: no display can be opened (%s)\n", error.c_str());
        return 1;
    }
    win::display::Install(std::move(display));
    const int result = taxi::RunProgram(taxi::ProgramOptions{line.SkinFile()});
    win::display::Close();
    return result;
}
