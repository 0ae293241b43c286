// The gallery's command line: `skingallery [--no-skin | SKIN]`, checked before any window exists.
#pragma once

#include <string>
#include <vector>

namespace gallery {

class GalleryOptions {
public:
    enum class Action { Run, Help, Refuse };

    static GalleryOptions Parse(const std::vector<std::string>& arguments);
    static std::string Usage();

    Action What() const { return m_action; }
    // Why the command line was refused, one line.
    const std::string& Error() const { return m_error; }
    // The skin package to read instead of the built-in one; empty for the built-in skin.
    const std::string& SkinFile() const { return m_skinFile; }
    bool NoSkin() const { return m_noSkin; }

private:
    GalleryOptions Refused(std::string error);

    Action m_action = Action::Run;
    std::string m_error;
    std::string m_skinFile;
    bool m_noSkin = false;
};

} // namespace gallery
