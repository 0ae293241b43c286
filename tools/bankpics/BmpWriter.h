#pragma once

#include "Canvas.h"

#include <filesystem>

namespace bankpics {

// A 24-bit uncompressed bottom-up Windows bitmap; throws std::runtime_error naming the file on failure.
void WriteBmp(const Canvas& canvas, const std::filesystem::path& file);

} // namespace bankpics
