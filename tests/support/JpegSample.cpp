// Apart from the tests because the JPEG library's header defines TRUE and FALSE.
#include "support/JpegSample.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace testsupport {

std::vector<std::uint8_t> EncodeTwoToneJpeg(int width, int height, Rgb left, Rgb right) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        const Rgb& p = x < width / 2 ? left : right;
        row[3 * x] = p.r;
        row[3 * x + 1] = p.g;
        row[3 * x + 2] = p.b;
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<std::uint8_t> result(out, out + size);
    jpeg_destroy_compress(&c);
    std::free(out);
    return result;
}

} // namespace testsupport
