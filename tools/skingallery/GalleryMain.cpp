// The skin gallery on the desktop: the command line, the SDL2 display, then the gallery window.
#include "GalleryOptions.h"
#include "TGalleryForm.h"
#include "platform/display/SdlDisplay.h"

#include <cstdio>

int main(int argc, char** argv) {
    const auto options = gallery::GalleryOptions::Parse(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.What()) {
    case gallery::GalleryOptions::Action::Help:
        std::fputs(gallery::GalleryOptions::Usage().c_str(), stdout);
        return 0;
    case gallery::GalleryOptions::Action::Refuse:
        std::fprintf(stderr, "skingallery: %s (see skingallery --help)\n", options.Error().c_str());
        return 2;
    case gallery::GalleryOptions::Action::Run: break;
    }
    std::string error;
    auto display = win::display::SdlDisplay::Open(&error);
    if (!display) {
        std::fprintf(stderr, "skingallery: no display can be opened (%s)\n", error.c_str());
        return 1;
    }
    win::display::Install(std::move(display));
    gallery::InitializeGalleryToolkit();
    tk::Application->Initialize();
    tk::Application->SetTitle("Skin gallery");
    gallery::TGalleryForm* form = nullptr;
    tk::Application->CreateForm(form);
    form->UseSkinChoice(options);
    tk::Application->Run();
    gallery::FinalizeGalleryToolkit();
    win::display::Close();
    return 0;
}
