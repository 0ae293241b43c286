#include "platform/gdi/DibFormat.h"

#include "platform/os/Bytes.h"

#include <bit>
#include <cstring>

namespace win::gdi {

namespace {

// Scales a masked channel to 8 bits.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(DWORD mask = 0) {
        if (!mask)
            return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask >> shift);
    }
    std::uint32_t Get(std::uint32_t v) const {
        if (bits == 0)
            return 0;
        std::uint32_t raw = (v >> shift) & ((bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1));
        if (bits >= 8)
            return raw >> (bits - 8);
        return (raw * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
    }
};

bool Contiguous(DWORD mask) {
    if (!mask)
        return true;
    DWORD shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

} // namespace

bool ParseDibHeader(const BITMAPINFOHEADER& h, const std::uint8_t* tail, std::size_t extra, DibLayout* out,
                    std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    if (h.biSize < 40)
        return fail("bitmap header is too short (" + std::to_string(h.biSize) + " bytes)");
    if (h.biWidth <= 0 || h.biHeight == 0)
        return fail("bitmap has a zero or negative width or a zero height");
    if (h.biWidth > kMaxBitmapSide || h.biHeight > kMaxBitmapSide || h.biHeight < -kMaxBitmapSide)
        return fail("bitmap is larger than " + std::to_string(kMaxBitmapSide) + " pixels on a side");
    if (h.biPlanes != 1)
        return fail("bitmap has " + std::to_string(h.biPlanes) + " planes");
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return fail("unsupported bit depth " + std::to_string(h.biBitCount));
    }
    DibLayout l;
    l.width = h.biWidth;
    l.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    l.topDown = h.biHeight < 0;
    l.bitCount = h.biBitCount;
    l.compression = h.biCompression;
    l.stride = DibStride(l.width, l.bitCount);
    std::size_t used = 0;
    if (h.biCompression == BI_BITFIELDS) {
        if (l.bitCount != 16 && l.bitCount != 32)
            return fail("BI_BITFIELDS needs 16 or 32 bits per pixel");
        // The masks follow a 40-byte header; newer headers carry them inside (we get them through `tail`).
        if (extra < 12)
            return fail("bitmap masks are missing");
        for (int i = 0; i < 3; ++i)
            l.masks[i] = ReadLe32(tail + 4 * i);
        for (DWORD m : l.masks)
            if (!Contiguous(m))
                return fail("bitmap colour mask is not contiguous");
        used = 12;
    } else if (h.biCompression == BI_RGB) {
        if (l.bitCount == 16) {
            l.masks[0] = 0x7C00;
            l.masks[1] = 0x03E0;
            l.masks[2] = 0x001F;
        } else if (l.bitCount == 32) {
            l.masks[0] = 0xFF0000;
            l.masks[1] = 0xFF00;
            l.masks[2] = 0xFF;
        }
    } else {
        return fail("compressed bitmaps (compression " + std::to_string(h.biCompression) +
                    ") are not supported");
    }
    if (l.bitCount <= 8) {
        std::size_t n = h.biClrUsed ? h.biClrUsed : (std::size_t{1} << l.bitCount);
        if (n > (std::size_t{1} << l.bitCount))
            return fail("colour table has " + std::to_string(h.biClrUsed) + " entries for " +
                        std::to_string(l.bitCount) + " bits per pixel");
        if (extra < used || extra - used < n * 4)
            return fail("colour table is truncated");
        l.colors.resize(n);
        std::memcpy(l.colors.data(), tail + used, n * 4);
    }
    *out = std::move(l);
    return true;
}

bool DecodeDibRows(const DibLayout& l, const std::uint8_t* bits, std::size_t size, int first, int count,
                   Surface& out, std::string* error) {
    if (out.Width() != l.width || out.Height() != l.height) {
        if (error)
            *error = "bitmap rows out of range";
        return false;
    }
    return DecodeDibRows(l, bits, size, first, count,
                         std::span(out.Pixels(), static_cast<std::size_t>(l.width) * l.height), error);
}

bool DecodeDibRows(const DibLayout& l, const std::uint8_t* bits, std::size_t size, int first, int count,
                   std::span<std::uint32_t> pixels, std::string* error) {
    if (first < 0 || count < 0 || first + count > l.height ||
        pixels.size() != static_cast<std::size_t>(l.width) * static_cast<std::size_t>(l.height)) {
        if (error)
            *error = "bitmap rows out of range";
        return false;
    }
    if (size / l.stride < static_cast<std::size_t>(count) && count > 0) {
        if (error)
            *error = "bitmap pixel data is truncated (" + std::to_string(size) + " bytes for " +
                     std::to_string(count) + " rows of " + std::to_string(l.stride) + ")";
        return false;
    }
    const Channel r(l.masks[0]), g(l.masks[1]), b(l.masks[2]);
    const std::size_t ncolors = l.colors.size();
    for (int k = 0; k < count; ++k) {
        const int scan = first + k;
        const int y = l.topDown ? scan : l.height - 1 - scan;
        const std::uint8_t* src = bits + static_cast<std::size_t>(k) * l.stride;
        std::uint32_t* dst = pixels.data() + static_cast<std::size_t>(y) * l.width;
        switch (l.bitCount) {
        case 32:
            if (l.compression == BI_RGB) {
                std::memcpy(dst, src, static_cast<std::size_t>(l.width) * 4);
            } else {
                for (int x = 0; x < l.width; ++x) {
                    const std::uint32_t v = ReadLe32(src + 4 * x);
                    dst[x] = (r.Get(v) << 16) | (g.Get(v) << 8) | b.Get(v);
                }
            }
            break;
        case 24:
            for (int x = 0; x < l.width; ++x)
                dst[x] = src[3 * x] | (src[3 * x + 1] << 8) | (src[3 * x + 2] << 16);
            break;
        case 16:
            for (int x = 0; x < l.width; ++x) {
                const std::uint32_t v = ReadLe16(src + 2 * x);
                dst[x] = (r.Get(v) << 16) | (g.Get(v) << 8) | b.Get(v);
            }
            break;
        default: {
            const int bpp = l.bitCount;
            const unsigned mask = (1u << bpp) - 1;
            for (int x = 0; x < l.width; ++x) {
                const int bit = x * bpp;
                unsigned idx = (src[bit >> 3] >> (8 - bpp - (bit & 7))) & mask;
                // An index past a short colour table is black, not a read past the table.
                RGBQUAD q = idx < ncolors ? l.colors[idx] : RGBQUAD{};
                dst[x] = (q.rgbRed << 16) | (q.rgbGreen << 8) | q.rgbBlue;
            }
        }
        }
    }
    return true;
}

namespace {

// Packs an 8-bit channel into a mask.
std::uint32_t Pack(std::uint32_t v8, DWORD mask) {
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask >> shift);
    const std::uint32_t v = bits >= 8 ? v8 << (bits - 8) : v8 >> (8 - bits);
    return (v << shift) & mask;
}

unsigned NearestIndex(const std::vector<RGBQUAD>& colors, std::uint32_t p) {
    unsigned best = 0;
    int bestDist = 1 << 30;
    for (unsigned i = 0; i < colors.size(); ++i) {
        const int dr = colors[i].rgbRed - int((p >> 16) & 0xFF);
        const int dg = colors[i].rgbGreen - int((p >> 8) & 0xFF);
        const int db = colors[i].rgbBlue - int(p & 0xFF);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

} // namespace

void EncodeDibRows(const DibLayout& l, const Surface& in, int first, int count, std::uint8_t* bits) {
    for (int k = 0; k < count; ++k) {
        const int scan = first + k;
        const int y = l.topDown ? scan : l.height - 1 - scan;
        const std::uint32_t* src = in.Row(y);
        std::uint8_t* dst = bits + static_cast<std::size_t>(k) * l.stride;
        std::memset(dst, 0, l.stride);
        switch (l.bitCount) {
        case 32:
            if (l.compression == BI_BITFIELDS) {
                for (int x = 0; x < l.width; ++x) {
                    const std::uint32_t p = src[x];
                    const std::uint32_t v = Pack((p >> 16) & 0xFF, l.masks[0]) |
                                            Pack((p >> 8) & 0xFF, l.masks[1]) | Pack(p & 0xFF, l.masks[2]);
                    std::memcpy(dst + 4 * x, &v, 4);
                }
            } else {
                std::memcpy(dst, src, static_cast<std::size_t>(l.width) * 4);
            }
            break;
        case 24:
            for (int x = 0; x < l.width; ++x) {
                dst[3 * x] = src[x] & 0xFF;
                dst[3 * x + 1] = (src[x] >> 8) & 0xFF;
                dst[3 * x + 2] = (src[x] >> 16) & 0xFF;
            }
            break;
        case 16: {
            const DWORD r = l.masks[0] ? l.masks[0] : 0x7C00, g = l.masks[1] ? l.masks[1] : 0x03E0,
                        b = l.masks[2] ? l.masks[2] : 0x001F;
            for (int x = 0; x < l.width; ++x) {
                const std::uint32_t p = src[x];
                const std::uint32_t v =
                    Pack((p >> 16) & 0xFF, r) | Pack((p >> 8) & 0xFF, g) | Pack(p & 0xFF, b);
                dst[2 * x] = v & 0xFF;
                dst[2 * x + 1] = (v >> 8) & 0xFF;
            }
            break;
        }
        default: {
            const int bpp = l.bitCount;
            for (int x = 0; x < l.width; ++x) {
                // Without a palette a 1-bit row is a mask: white is 1.
                const unsigned idx = l.colors.empty() ? ((src[x] & 0xFFFFFF) == 0xFFFFFF ? 1u : 0u)
                                                      : NearestIndex(l.colors, src[x]);
                const int bit = x * bpp;
                dst[bit >> 3] |=
                    static_cast<std::uint8_t>((idx & ((1u << bpp) - 1)) << (8 - bpp - (bit & 7)));
            }
        }
        }
    }
}

} // namespace win::gdi
