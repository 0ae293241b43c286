#include "GoldenImage.h"

#include "platform/gdi/GdiInternal.h"

#include <csetjmp>
#include <cstring>
#include <fstream>
#include <cstdlib>
#include <filesystem>
#include <png.h>
#include <vector>

namespace taxi::test {

namespace {

bool updating() {
    const char* v = std::getenv("TAXI_UPDATE_GOLDENS");
    return v && *v && std::string(v) != "0";
}

void onError(png_structp png, png_const_charp msg) {
    if (auto* m = static_cast<std::string*>(png_get_error_ptr(png)))
        *m = msg ? msg : "libpng error";
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {
}

} // namespace

namespace {

struct Reader {
    const std::vector<char>* data;
    std::size_t pos = 0;
};

void readBytes(png_structp png, png_bytep out, png_size_t n) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (r->data->size() - r->pos < n)
        png_error(png, "file is truncated");
    std::memcpy(out, r->data->data() + r->pos, n);
    r->pos += n;
}

} // namespace

std::unique_ptr<win::gdi::Surface> ReadPng(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = "cannot open " + path;
        return nullptr;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Reader reader{&bytes};
    std::string message;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::unique_ptr<win::gdi::Surface> surface;
    std::vector<png_byte> row;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (error)
            *error = path + ": " + (message.empty() ? "not a readable PNG" : message);
        return nullptr;
    }
    png_set_read_fn(png, &reader, readBytes);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_strip_alpha(png);
    png_read_update_info(png, info);
    const int w = static_cast<int>(png_get_image_width(png, info));
    const int h = static_cast<int>(png_get_image_height(png, info));
    surface = std::make_unique<win::gdi::Surface>(w, h);
    row.resize(png_get_rowbytes(png, info));
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        std::uint32_t* dst = surface->row(y);
        for (int x = 0; x < w; ++x)
            dst[x] = (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}

::testing::AssertionResult MatchesGolden(const win::gdi::Surface& actual, const std::string& relativePath,
                                         GoldenTolerance tolerance) {
    namespace fs = std::filesystem;
    const fs::path golden = fs::path(TAXI_SOURCE_DIR) / "tests" / relativePath;
    if (updating()) {
        fs::create_directories(golden.parent_path());
        std::string err;
        if (!win::gdi::WritePng(actual, golden.c_str(), &err))
            return ::testing::AssertionFailure() << "cannot update " << golden << ": " << err;
        return ::testing::AssertionSuccess() << "updated " << golden;
    }
    auto writeActual = [&]() {
        const fs::path out = fs::path(TAXI_BINARY_DIR) / "golden-actual" / relativePath;
        std::error_code ec;
        fs::create_directories(out.parent_path(), ec);
        win::gdi::WritePng(actual, out.c_str());
        return out.string();
    };
    std::string err;
    auto expected = ReadPng(golden.string(), &err);
    if (!expected)
        return ::testing::AssertionFailure() << err << "; actual image written to " << writeActual()
                                             << " (run scripts/update-goldens.sh to create it)";
    if (expected->width() != actual.width() || expected->height() != actual.height())
        return ::testing::AssertionFailure()
               << relativePath << ": size " << actual.width() << "x" << actual.height() << ", golden "
               << expected->width() << "x" << expected->height() << "; actual written to " << writeActual();
    int different = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < actual.height(); ++y) {
        const std::uint32_t* a = actual.row(y);
        const std::uint32_t* e = expected->row(y);
        for (int x = 0; x < actual.width(); ++x) {
            int worst = 0;
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(int((a[x] >> shift) & 0xFF) - int((e[x] >> shift) & 0xFF)));
            if (worst > tolerance.channelTolerance) {
                if (different++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    if (different > tolerance.maxDifferentPixels)
        return ::testing::AssertionFailure()
               << relativePath << ": " << different << " pixels differ (allowed "
               << tolerance.maxDifferentPixels << "), first at (" << firstX << "," << firstY
               << "); actual written to " << writeActual();
    return ::testing::AssertionSuccess();
}

} // namespace taxi::test
