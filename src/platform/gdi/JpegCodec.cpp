// JPEG reading through libjpeg. libjpeg reports errors by calling exit(); our error manager jumps back
// instead, so a broken picture is a failure and never ends the program.
#include "platform/gdi/DibFormat.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ImageFiles.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace win::gdi {

namespace {

// Question pictures are a few hundred pixels; this keeps a forged header from asking for gigabytes.
constexpr std::uint64_t kMaxJpegPixels = 32ull * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        err->truncated = true;
}

// Decodes into `out`; kept apart from the caller so no C++ object with a destructor lives across setjmp.
bool Decode(const std::uint8_t* data, std::size_t size, std::vector<std::uint32_t>* out, int* width,
            int* height, std::string* why) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    err.message[0] = '\0';
    err.truncated = false;
    JSAMPLE* volatile row = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(row);
        *why = err.message[0] ? err.message : "corrupt JPEG data";
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    const std::uint64_t pixels = std::uint64_t(info.output_width) * info.output_height;
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxBitmapSide ||
        info.output_height > kMaxBitmapSide || pixels > kMaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        *why = "picture size " + std::to_string(info.output_width) + "x" +
               std::to_string(info.output_height) + " is out of range";
        return false;
    }
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    out->assign(pixels, 0);
    row = static_cast<JSAMPLE*>(
        std::malloc(static_cast<std::size_t>(info.output_width) * info.output_components));
    if (!row) {
        jpeg_destroy_decompress(&info);
        *why = "out of memory";
        return false;
    }
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            break;
        std::uint32_t* dst = out->data() + static_cast<std::size_t>(y) * info.output_width;
        for (unsigned x = 0; x < info.output_width; ++x) {
            const JSAMPLE* px = row + x * info.output_components;
            dst[x] = info.output_components >= 3 ? (px[0] << 16) | (px[1] << 8) | px[2]
                                                 : (px[0] << 16) | (px[0] << 8) | px[0];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::free(row);
    // libjpeg pads a cut-off picture with grey; a picture that is not all there is a broken file.
    if (err.truncated) {
        *why = "JPEG data is truncated";
        return false;
    }
    return true;
}

} // namespace

HBITMAP LoadJpegFromMemory(const void* data, std::size_t size, std::string* error, const std::string& name) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    if (!p || size < 4 || p[0] != 0xFF || p[1] != 0xD8) {
        if (error)
            *error = name + ": not a JPEG file";
        return nullptr;
    }
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    std::string why;
    if (!Decode(p, size, &pixels, &w, &h, &why)) {
        if (error)
            *error = name + ": " + why;
        return nullptr;
    }
    Bitmap* b = NewBitmap(w, h, 32);
    for (int y = 0; y < h; ++y)
        std::copy(pixels.begin() + static_cast<std::ptrdiff_t>(y) * w,
                  pixels.begin() + static_cast<std::ptrdiff_t>(y + 1) * w, b->surface->Row(y));
    return b;
}

HBITMAP LoadJpegFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error)
            *error = path + ": cannot open the file";
        return nullptr;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return LoadJpegFromMemory(bytes.data(), bytes.size(), error, path);
}

} // namespace win::gdi
