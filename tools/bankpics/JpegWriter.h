#pragma once

#include "Canvas.h"

#include <filesystem>

namespace bankpics {

// A baseline JPEG through libjpeg; throws std::runtime_error naming the file on failure.
void WriteJpeg(const Canvas& canvas, const std::filesystem::path& file, int quality);

} // namespace bankpics
