#include "BmpWriter.h"

#include "platform/os/Bytes.h"

#include <fstream>
#include <stdexcept>

namespace bankpics {

void WriteBmp(const Canvas& canvas, const std::filesystem::path& file) {
    const std::uint32_t w = canvas.Width(), h = canvas.Height();
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t headers = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(headers + stride * h);

    out.push_back('B');
    out.push_back('M');
    win::AppendLe32(out, headers + stride * h);
    win::AppendLe32(out, 0);
    win::AppendLe32(out, headers);

    win::AppendLe32(out, 40);
    win::AppendLe32(out, w);
    win::AppendLe32(out, h); // positive height: bottom-up rows
    win::AppendLe16(out, 1);
    win::AppendLe16(out, 24);
    win::AppendLe32(out, 0); // BI_RGB
    win::AppendLe32(out, stride * h);
    win::AppendLe32(out, 2835); // 72 dpi
    win::AppendLe32(out, 2835);
    win::AppendLe32(out, 0);
    win::AppendLe32(out, 0);

    const std::vector<std::uint8_t> rgb = canvas.Rgb();
    for (std::uint32_t row = h; row-- > 0;) {
        const std::uint8_t* src = &rgb[static_cast<std::size_t>(row) * w * 3];
        for (std::uint32_t x = 0; x < w; ++x) {
            out.push_back(src[x * 3 + 2]);
            out.push_back(src[x * 3 + 1]);
            out.push_back(src[x * 3]);
        }
        for (std::uint32_t pad = w * 3; pad < stride; ++pad)
            out.push_back(0);
    }

    std::ofstream f(file, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!f.flush())
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace bankpics
