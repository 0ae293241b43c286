// Generated skin packages of realistic shape for tests and benchmarks: BMP files whose pixels are gradients
// with frame borders and a little noise (so they compress about as well as drawn skin images do), and a
// description text.
#pragma once

#include "skin/package/TSkinWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skin::sample {

std::vector<std::uint8_t> MakeBmp(int width, int height, int bitsPerPixel, std::uint32_t seed);

std::string MakeDescription();

// 34 images and the description text, last, as in the program's own skin: about 320 KB expanded.
TSkinWriter MakeSkinWriter(std::int32_t format = DefaultSkinFormat);

std::vector<std::uint8_t> Bytes(const std::string& text);

} // namespace skin::sample
