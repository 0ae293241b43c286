#include "app/CommandLine.h"

#include "platform/display/PixelScale.h"

namespace taxi {

namespace {

std::string ScaleRange() {
    return "a whole number from 1 to " + std::to_string(win::display::PixelScale::kLargest);
}

} // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            line.m_action = Action::Help;
            return line;
        }
        if (a == "--version") {
            line.m_action = Action::Version;
            return line;
        }
        if (a == "--scale" || a.rfind("--scale=", 0) == 0) {
            const bool joined = a != "--scale";
            if (!joined && i + 1 == arguments.size()) {
                line.m_action = Action::Refuse;
                line.m_error = "--scale needs " + ScaleRange();
                return line;
            }
            const std::string value = joined ? a.substr(8) : arguments[++i];
            const auto scale = win::display::PixelScale::Parse(value);
            if (!scale) {
                line.m_action = Action::Refuse;
                line.m_error = "--scale \"" + value + "\" is not " + ScaleRange();
                return line;
            }
            line.m_scale = *scale;
            continue;
        }
        if (a == "--skin" || a.rfind("--skin=", 0) == 0) {
            const bool joined = a != "--skin";
            if (!joined && i + 1 == arguments.size()) {
                line.m_action = Action::Refuse;
                line.m_error = "--skin needs a skin package's file name";
                return line;
            }
            line.m_skinFile = joined ? a.substr(7) : arguments[++i];
            if (line.m_skinFile.empty()) {
                line.m_action = Action::Refuse;
                line.m_error = "--skin needs a skin package's file name";
                return line;
            }
            continue;
        }
        line.m_action = Action::Refuse;
        line.m_error = (a.rfind('-', 0) == 0 ? "unknown option \"" : "unexpected argument \"") + a + "\"";
        return line;
    }
    return line;
}

int CommandLine::Scale(const char* environmentScale, std::string* warning) const {
    if (m_scale != 0 || !environmentScale || !*environmentScale)
        return m_scale;
    if (const auto scale = win::display::PixelScale::Parse(environmentScale))
        return *scale;
    if (warning)
        *warning =
            std::string("TAXI_SCALE \"") + environmentScale + "\" is not " + ScaleRange() + "; ignored";
    return 0;
}

std::string CommandLine::Usage() {
    return "Usage: taxitrainer [--scale N] [--skin FILE]\n"
           "       taxitrainer --help | --version\n"
           "\n"
           "Practice for the public-subject examination of the taxi-driver qualification.\n"
           "\n"
           "  --scale N   show every window N times as large (N = 1 to 4), for a dense screen; without it\n"
           "              the environment variable TAXI_SCALE, else the screen's density decides\n"
           "  --skin FILE show the windows in the skin package FILE instead of the built-in skin (see\n"
           "              skinpack --help for drawing and packing one); a file that cannot be read leaves\n"
           "              the built-in skin\n"
           "  --help      print this text and exit\n"
           "  --version   print the program's version and exit\n"
           "\n"
           "The question bank (db1.mdb) and its pictures (img/) are read from the program's folder. When "
           "that\n"
           "folder cannot be written to (an installed copy), progress is kept in a copy of the bank at\n"
           "$XDG_DATA_HOME/taxitrainer/db1.mdb (by default ~/.local/share/taxitrainer/db1.mdb).\n";
}

} // namespace taxi
