// Builds small skin packages for the data-model tests: BMP images from a pixel function, a description text,
// the compressed container; and captures what the engine reports instead of showing it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace skintest {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up BMP; `pixel(x, y)` gives 0x00RRGGBB.
Bytes Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& pixel);
Bytes SolidBmp(int width, int height, std::uint32_t rgb = 0x336699);

// A compressed container holding the entries in order (the description text under "skin.ini" when not
// empty).
Bytes Package(const std::string& ini, const std::vector<std::pair<std::string, Bytes>>& images = {},
              std::int32_t format = 70000);

Bytes ReadFileBytes(const std::string& path);
std::string ReferenceSkinPath();

// While alive, failures go to `messages` instead of the console.
class FailureCapture {
public:
    FailureCapture();
    ~FailureCapture();
    std::vector<std::string> messages;

private:
    std::function<void(const std::string&)> m_previous;
};

} // namespace skintest
