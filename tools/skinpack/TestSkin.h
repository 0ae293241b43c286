// The test skin, drawn by this tool: an olive skin that differs from the reference skin wherever the skin
// engine branches (rounded transparent border corners, a 26-pixel caption, right-aligned caption text, a menu
// bar, maximise and restore caption buttons, four-frame caption buttons, check boxes and radio buttons whose
// frame counts come from their image sizes). The build packs it into test.skin.
#pragma once

#include "SkinFolder.h"

#include <string>
#include <vector>

namespace testskin {

const std::vector<refskin::ImageSpec>& TestImages();
std::string TestDescription();
// Draws one image of TestImages() by name (throws std::invalid_argument for another name).
refskin::DrawnImage DrawTestImage(const std::string& name);

// Writes every image and the description text into `dir` (created when missing). False with a reason.
bool DrawTestSkin(const std::string& dir, std::string& error);

} // namespace testskin
