// The reference skin, drawn by this tool: a blue skin of 34 BMP images and its description text, written to a
// folder ready for `skinpack pack` (the build packs it into reference.skin).
#pragma once

#include "SkinFolder.h"

#include <string>
#include <vector>

namespace refskin {

// Every image the description text names, with its size and bit depth.
const std::vector<ImageSpec>& ReferenceImages();

// The description text (CR LF line ends).
std::string ReferenceDescription();

// Draws one image of ReferenceImages() by name (throws std::invalid_argument for another name).
DrawnImage DrawImage(const std::string& name);

// Writes every image and the description text into `dir` (created when missing). False with a reason.
bool DrawReferenceSkin(const std::string& dir, std::string& error);

} // namespace refskin
