#include "TestSkin.h"

#include "skin/data/TSkinElements.h"
#include "skin/package/TSkinWriter.h"

#include <fstream>
#include <iterator>

namespace skintest {

Bytes Bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
    Bytes out(54 + stride * height, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<std::uint32_t>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    out[26] = 1;
    out[28] = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixel(x, y);
            std::uint8_t* p = out.data() + 54 + stride * (height - 1 - y) + 3 * x;
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    return out;
}

Bytes SolidBmp(int width, int height, std::uint32_t rgb) {
    return Bmp24(width, height, [rgb](int, int) { return rgb; });
}

Bytes Package(const std::string& ini, const std::vector<std::pair<std::string, Bytes>>& images,
              std::int32_t format) {
    skin::TSkinWriter writer(format);
    for (const auto& [name, bytes] : images)
        writer.AddEntry(name, bytes);
    if (!ini.empty())
        writer.AddEntry("skin.ini", Bytes(ini.begin(), ini.end()));
    return writer.BuildPackage();
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReferenceSkinPath() {
    return std::string(TAXI_BINARY_DIR) + "/reference.skin";
}

FailureCapture::FailureCapture() : m_previous(skin::TSkinElements::ReportFailure) {
    skin::TSkinElements::ReportFailure = [this](const std::string& text) { messages.push_back(text); };
}

FailureCapture::~FailureCapture() {
    skin::TSkinElements::ReportFailure = m_previous;
}

} // namespace skintest
