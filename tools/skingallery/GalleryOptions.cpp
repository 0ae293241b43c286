#include "GalleryOptions.h"

#include <filesystem>

namespace gallery {

GalleryOptions GalleryOptions::Refused(std::string error) {
    m_action = Action::Refuse;
    m_error = std::move(error);
    return *this;
}

GalleryOptions GalleryOptions::Parse(const std::vector<std::string>& arguments) {
    GalleryOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.m_action = Action::Help;
            return options;
        }
        if (argument == "--no-skin") {
            options.m_noSkin = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return options.Refused("unknown option " + argument);
        } else if (!options.m_skinFile.empty()) {
            return options.Refused("more than one skin file: " + options.m_skinFile + " and " + argument);
        } else {
            options.m_skinFile = argument;
        }
    }
    if (options.m_noSkin && !options.m_skinFile.empty())
        return options.Refused("--no-skin and a skin file " + options.m_skinFile + " cannot go together");
    std::error_code ec;
    if (!options.m_skinFile.empty() && !std::filesystem::is_regular_file(options.m_skinFile, ec))
        return options.Refused("the skin file " + options.m_skinFile + " does not exist or is not a file");
    return options;
}

std::string GalleryOptions::Usage() {
    return "Usage: skingallery [--no-skin | SKIN]\n"
           "Shows one window with every control kind and state the toolkit draws, for checking a skin.\n"
           "\n"
           "  SKIN        a skin package to show instead of the built-in reference skin\n"
           "  --no-skin   show the controls without any skin\n"
           "  --help      show this text\n"
           "\n"
           "In the window: F5 reads SKIN from disk again (after editing it), a right click on the form\n"
           "opens the popup menu, and File > Reload skin does what F5 does.\n";
}

} // namespace gallery
