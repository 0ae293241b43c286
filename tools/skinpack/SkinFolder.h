// What every skin this tool draws is written as: its BMP images and its description text, in a folder ready
// for `skinpack pack`.
#pragma once

#include "ReferenceSkinCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace refskin {

struct ImageSpec {
    const char* name;
    int width;
    int height;
    int bits;
};

struct DrawnImage {
    Canvas canvas;
    bool transparent; // uncovered pixels become magenta
};

inline constexpr const char* kDescriptionName = "Skin.ini";

// The lines of a description text joined with CR LF line ends, as skin authors' editors write them.
std::string JoinDescription(const std::vector<const char*>& lines);

struct SkinDrawing {
    const std::vector<ImageSpec>& images;
    std::function<DrawnImage(const std::string&)> draw;
    std::string description;
    Rgb matte; // what half-covered pixels of opaque images are laid on
};

// Writes every image and the description text into `dir` (created when missing), each file replaced whole.
// False with a reason naming the file; an image drawn at another size than its ImageSpec gives is refused.
bool WriteSkinFolder(const std::string& dir, const SkinDrawing& skin, std::string& error);

} // namespace refskin
