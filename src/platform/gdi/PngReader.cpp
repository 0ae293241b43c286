// PNG input for golden images. Files are read whole and decoded from memory, so a truncated or damaged file
// ends in an error message, never a read past its end.
#include "platform/gdi/GdiInternal.h"

#include <csetjmp>
#include <cstring>
#include <fstream>
#include <iterator>
#include <png.h>
#include <vector>

namespace win::gdi {

namespace {

// Golden images are window-sized; anything larger is not one of ours.
constexpr png_uint_32 kMaxSide = 16384;

struct ReadState {
    const std::vector<char>* data;
    std::size_t pos = 0;
    std::string message;
};

void OnError(png_structp png, png_const_charp msg) {
    if (auto* st = static_cast<ReadState*>(png_get_error_ptr(png)))
        st->message = msg ? msg : "libpng error";
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {
}

void ReadBytes(png_structp png, png_bytep out, png_size_t n) {
    auto* st = static_cast<ReadState*>(png_get_io_ptr(png));
    if (st->data->size() - st->pos < n)
        png_error(png, "the file is truncated");
    std::memcpy(out, st->data->data() + st->pos, n);
    st->pos += n;
}

} // namespace

std::unique_ptr<Surface> ReadPng(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) -> std::unique_ptr<Surface> {
        if (error)
            *error = path + ": " + why;
        return nullptr;
    };
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail("cannot be opened");
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ReadState state{&bytes, 0, {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::unique_ptr<Surface> surface;
    std::vector<png_byte> row;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return fail(state.message.empty() ? "not a readable PNG" : state.message);
    }
    png_set_read_fn(png, &state, ReadBytes);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_strip_alpha(png);
    png_read_update_info(png, info);
    const int w = static_cast<int>(png_get_image_width(png, info));
    const int h = static_cast<int>(png_get_image_height(png, info));
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE)
        png_error(png, "interlaced images are not read");
    surface = std::make_unique<Surface>(w, h);
    row.resize(png_get_rowbytes(png, info));
    if (row.size() < static_cast<std::size_t>(w) * 3)
        png_error(png, "unexpected row layout");
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        std::uint32_t* dst = surface->Row(y);
        for (int x = 0; x < w; ++x)
            dst[x] = (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}

PixelDifference ComparePixels(const Surface& actual, const Surface& expected, int channelTolerance) {
    PixelDifference d;
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        d.sizeDiffers = true;
        return d;
    }
    for (int y = 0; y < actual.Height(); ++y) {
        const std::uint32_t* a = actual.Row(y);
        const std::uint32_t* e = expected.Row(y);
        for (int x = 0; x < actual.Width(); ++x) {
            int worst = 0;
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(int((a[x] >> shift) & 0xFF) - int((e[x] >> shift) & 0xFF)));
            if (worst > channelTolerance && d.count++ == 0)
                d.first = POINT{x, y};
        }
    }
    return d;
}

} // namespace win::gdi
