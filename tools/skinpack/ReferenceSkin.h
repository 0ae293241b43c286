// The reference skin, drawn by this tool: a blue skin of 34 BMP images and its description text, written to a
// folder ready for `skinpack pack` (the build packs it into reference.skin).
#pragma once

#include "ReferenceSkinCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace refskin {

struct ImageSpec {
    const char* name;
    int width;
    int height;
    int bits;
};

// Every image the description text names, with its size and bit depth.
const std::vector<ImageSpec>& ReferenceImages();

// The description text (CR LF line ends).
std::string ReferenceDescription();
inline constexpr const char* kDescriptionName = "Skin.ini";

struct DrawnImage {
    Canvas canvas;
    bool transparent; // uncovered pixels become magenta
};
// Draws one image of ReferenceImages() by name (throws std::invalid_argument for another name).
DrawnImage DrawImage(const std::string& name);

// Writes every image and the description text into `dir` (created when missing). False with a reason.
bool DrawReferenceSkin(const std::string& dir, std::string& error);

} // namespace refskin
