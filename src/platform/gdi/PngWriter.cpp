// PNG output for screenshots and golden images. The file is written beside its final name and renamed into
// place, so a failure never leaves a half-written PNG behind.
#include "platform/gdi/GdiInternal.h"

#include <csetjmp>
#include <cstdio>
#include <png.h>
#include <vector>

namespace win::gdi {

namespace {

struct PngState {
    std::string message;
};

void OnError(png_structp png, png_const_charp msg) {
    if (auto* st = static_cast<PngState*>(png_get_error_ptr(png)))
        st->message = msg ? msg : "libpng error";
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {
}

bool WriteRows(FILE* file, const Surface& surface, bool keepAlpha, std::string* error) {
    PngState state;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    if (!png) {
        if (error)
            *error = "cannot create the PNG writer";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    const int channels = keepAlpha ? 4 : 3;
    std::vector<png_byte> row(static_cast<size_t>(surface.Width()) * channels);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        if (error)
            *error = state.message.empty() ? "PNG encoding failed" : state.message;
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.Width()),
                 static_cast<png_uint_32>(surface.Height()), 8,
                 keepAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint32_t* src = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            png_byte* out = &row[static_cast<size_t>(x) * channels];
            out[0] = static_cast<png_byte>((src[x] >> 16) & 0xFF);
            out[1] = static_cast<png_byte>((src[x] >> 8) & 0xFF);
            out[2] = static_cast<png_byte>(src[x] & 0xFF);
            if (keepAlpha)
                out[3] = static_cast<png_byte>(src[x] >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const Surface& surface, const char* path, std::string* error, bool keepAlpha) {
    if (!path || !*path) {
        if (error)
            *error = "no file name given for the PNG";
        return false;
    }
    const std::string temp = std::string(path) + ".partial";
    FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        if (error)
            *error = "cannot create " + temp;
        return false;
    }
    bool ok = WriteRows(file, surface, keepAlpha, error);
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        if (error)
            *error = "cannot finish writing " + temp;
    }
    if (ok && std::rename(temp.c_str(), path) != 0) {
        ok = false;
        if (error)
            *error = std::string("cannot rename the PNG into ") + path;
    }
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

} // namespace win::gdi
