// BMP and JPEG reading and writing, DIB transfers, and files built to break the readers.
#include "GdiTestUtil.h"
#include "support/JpegSample.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

using namespace win;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8;
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Expected {
    int width, height;
    std::vector<std::uint32_t> pixels; // top-down 0xRRGGBB
};

// Encodes a BMP independently of the code under test: `pixel(x, y)` gives the stored value (an index for
// paletted depths, the raw 16- or 32-bit word, or 0xRRGGBB for 24 bits).
template <class Pixel>
Bytes MakeBmp(int w, int h, int bpp, bool topDown, const std::vector<std::uint32_t>& palette,
              const std::uint32_t* masks, Pixel pixel) {
    const std::size_t stride = ((std::size_t(w) * bpp + 31) / 32) * 4;
    const std::size_t extra = masks ? 12 : palette.size() * 4;
    const std::size_t off = 14 + 40 + extra;
    Bytes b(off + stride * h, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(off));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(w));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -h : h));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint16_t>(bpp));
    Put32(b, 30, masks ? BI_BITFIELDS : BI_RGB);
    Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    if (masks)
        for (int i = 0; i < 3; ++i)
            Put32(b, 54 + 4 * i, masks[i]);
    for (std::size_t i = 0; i < palette.size(); ++i)
        Put32(b, 54 + 4 * i, palette[i]); // 0x00RRGGBB is B,G,R,0 in little-endian order
    for (int y = 0; y < h; ++y) {
        const int row = topDown ? y : h - 1 - y;
        std::uint8_t* p = b.data() + off + stride * row;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = pixel(x, y);
            switch (bpp) {
            case 1:
            case 4:
            case 8: {
                const int bit = x * bpp;
                p[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bpp - bit % 8));
                break;
            }
            case 16:
                p[2 * x] = v & 0xFF;
                p[2 * x + 1] = (v >> 8) & 0xFF;
                break;
            case 24:
                p[3 * x] = v & 0xFF;
                p[3 * x + 1] = (v >> 8) & 0xFF;
                p[3 * x + 2] = (v >> 16) & 0xFF;
                break;
            default:
                for (int i = 0; i < 4; ++i)
                    p[4 * x + i] = static_cast<std::uint8_t>(v >> (8 * i));
            }
        }
    }
    return b;
}

void ExpectPixels(HBITMAP bm, int w, int h, const std::function<std::uint32_t(int, int)>& expected) {
    ASSERT_NE(bm, nullptr);
    auto s = gdi::SurfaceOfBitmap(bm);
    ASSERT_EQ(s->Width(), w);
    ASSERT_EQ(s->Height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(s->Row(y)[x] & 0xFFFFFF, expected(x, y)) << "at " << x << "," << y;
}

std::uint32_t Expand5(std::uint32_t v) {
    return (v * 255 + 15) / 31;
}
std::uint32_t Expand6(std::uint32_t v) {
    return (v * 255 + 31) / 63;
}

Bytes EncodeJpeg(int w, int h) {
    return testsupport::EncodeTwoToneJpeg(w, h, {250, 20, 10}, {10, 20, 240});
}

} // namespace

TEST(BmpRead, EveryDepthAndRowOrder) {
    const std::vector<std::uint32_t> pal2 = {0x102030, 0xF0E0D0};
    std::vector<std::uint32_t> pal16, pal256;
    for (std::uint32_t i = 0; i < 16; ++i)
        pal16.push_back(i * 0x0F0F0F);
    for (std::uint32_t i = 0; i < 256; ++i)
        pal256.push_back((i << 16) | ((255 - i) << 8) | (i / 2));
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        const int w = 13, h = 5; // odd width exercises row padding
        std::string err;
        auto idx = [](int m) { return [m](int x, int y) { return std::uint32_t((x + 3 * y) % m); }; };

        Bytes b1 = MakeBmp(w, h, 1, topDown, pal2, nullptr, idx(2));
        HBITMAP bm = gdi::LoadBmpFromMemory(b1.data(), b1.size(), &err);
        ExpectPixels(bm, w, h, [&](int x, int y) { return pal2[(x + 3 * y) % 2]; });
        DeleteObject(bm);

        Bytes b4 = MakeBmp(w, h, 4, topDown, pal16, nullptr, idx(16));
        bm = gdi::LoadBmpFromMemory(b4.data(), b4.size(), &err);
        ExpectPixels(bm, w, h, [&](int x, int y) { return pal16[(x + 3 * y) % 16]; });
        DeleteObject(bm);

        Bytes b8 = MakeBmp(w, h, 8, topDown, pal256, nullptr,
                           [](int x, int y) { return std::uint32_t(x * 19 + y); });
        bm = gdi::LoadBmpFromMemory(b8.data(), b8.size(), &err);
        ExpectPixels(bm, w, h, [&](int x, int y) { return pal256[x * 19 + y]; });
        DeleteObject(bm);

        auto w555 = [](int x, int y) { return std::uint32_t((x << 10) | (y << 5) | ((x + y) & 31)); };
        Bytes b16 = MakeBmp(w, h, 16, topDown, {}, nullptr, w555);
        bm = gdi::LoadBmpFromMemory(b16.data(), b16.size(), &err);
        ExpectPixels(bm, w, h, [&](int x, int y) {
            return (Expand5(x) << 16) | (Expand5(y) << 8) | Expand5((x + y) & 31);
        });
        DeleteObject(bm);

        const std::uint32_t m565[3] = {0xF800, 0x07E0, 0x001F};
        auto w565 = [](int x, int y) { return std::uint32_t((x << 11) | ((y * 9) << 5) | 31); };
        Bytes b16m = MakeBmp(w, h, 16, topDown, {}, m565, w565);
        bm = gdi::LoadBmpFromMemory(b16m.data(), b16m.size(), &err);
        ExpectPixels(bm, w, h,
                     [&](int x, int y) { return (Expand5(x) << 16) | (Expand6(y * 9) << 8) | 255u; });
        DeleteObject(bm);

        auto rgb = [](int x, int y) { return std::uint32_t((x * 17) << 16 | (y * 40) << 8 | 0x5A); };
        Bytes b24 = MakeBmp(w, h, 24, topDown, {}, nullptr, rgb);
        bm = gdi::LoadBmpFromMemory(b24.data(), b24.size(), &err);
        ExpectPixels(bm, w, h, rgb);
        DeleteObject(bm);

        Bytes b32 = MakeBmp(w, h, 32, topDown, {}, nullptr, rgb);
        bm = gdi::LoadBmpFromMemory(b32.data(), b32.size(), &err);
        ExpectPixels(bm, w, h, rgb);
        DeleteObject(bm);

        // 32-bit bit fields in an unusual order: blue in the top byte, red in the low byte.
        const std::uint32_t mRev[3] = {0x000000FF, 0x0000FF00, 0xFF000000};
        Bytes b32m = MakeBmp(w, h, 32, topDown, {}, mRev,
                             [](int x, int y) { return std::uint32_t(x | (y << 8) | (0x77u << 24)); });
        bm = gdi::LoadBmpFromMemory(b32m.data(), b32m.size(), &err);
        ExpectPixels(bm, w, h, [](int x, int y) { return std::uint32_t((x << 16) | (y << 8) | 0x77); });
        DeleteObject(bm);
    }
}

TEST(BmpWrite, RoundTripOf24And32Bits) {
    HBITMAP src = CreateBitmap(7, 3, 1, 32, nullptr);
    auto s = gdi::SurfaceOfBitmap(src);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            s->Row(y)[x] = (x * 30) << 16 | (y * 80) << 8 | (x ^ y);
    for (int bpp : {24, 32}) {
        Bytes out;
        std::string err;
        ASSERT_TRUE(gdi::SaveBmp(src, bpp, &out, &err)) << err;
        EXPECT_EQ(out.size(), 54 + ((7 * bpp + 31) / 32) * 4 * 3u);
        HBITMAP back = gdi::LoadBmpFromMemory(out.data(), out.size(), &err);
        ExpectPixels(back, 7, 3, [&](int x, int y) { return s->Row(y)[x] & 0xFFFFFF; });
        DeleteObject(back);
    }
    Bytes out;
    std::string err;
    EXPECT_FALSE(gdi::SaveBmp(src, 16, &out, &err));
    // Files go through a temporary name, and a failed save leaves nothing behind.
    const auto dir = std::filesystem::temp_directory_path() / "gdi-bmp-test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "out.bmp").string();
    ASSERT_TRUE(gdi::SaveBmpFile(src, 24, path, &err)) << err;
    HBITMAP loaded = static_cast<HBITMAP>(
        reinterpret_cast<HGDIOBJ>(LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    ExpectPixels(loaded, 7, 3, [&](int x, int y) { return s->Row(y)[x] & 0xFFFFFF; });
    DeleteObject(loaded);
    EXPECT_FALSE(gdi::SaveBmpFile(src, 24, (dir / "missing" / "x.bmp").string(), &err));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    std::filesystem::remove_all(dir);
    DeleteObject(src);
}

TEST(BmpRead, HostileFilesFailWithAReason) {
    auto rgb = [](int, int) { return 0x123456u; };
    const Bytes good = MakeBmp(4, 4, 24, false, {}, nullptr, rgb);
    std::string err;
    HBITMAP ok = gdi::LoadBmpFromMemory(good.data(), good.size(), &err);
    ASSERT_NE(ok, nullptr);
    DeleteObject(ok);

    auto expectFail = [&](Bytes b, const char* what) {
        std::string why;
        HBITMAP bm = gdi::LoadBmpFromMemory(b.data(), b.size(), &why, "test.bmp");
        EXPECT_EQ(bm, nullptr) << what;
        EXPECT_NE(why.find("test.bmp"), std::string::npos) << what << ": " << why;
        if (bm)
            DeleteObject(bm);
    };
    Bytes b = good;
    Put32(b, 18, 0x7FFFFFFF); // width whose row size overflows
    expectFail(b, "huge width");
    b = good;
    Put32(b, 22, 0x80000000); // INT_MIN height
    expectFail(b, "INT_MIN height");
    b = good;
    Put32(b, 18, 0);
    expectFail(b, "zero width");
    b = good;
    Put32(b, 22, 0);
    expectFail(b, "zero height");
    b = good;
    Put32(b, 18, 16384);
    Put32(b, 22, 16384); // allowed size, but the data is not there
    expectFail(b, "claims more pixels than the file holds");
    b = good;
    b.resize(b.size() - 1);
    expectFail(b, "truncated pixels");
    b = good;
    b.resize(30);
    expectFail(b, "truncated header");
    b = good;
    Put32(b, 10, 0xFFFFFFF0);
    expectFail(b, "data offset past the end");
    b = good;
    Put16(b, 28, 7);
    expectFail(b, "odd bit depth");
    b = good;
    Put32(b, 30, BI_RLE8);
    expectFail(b, "compressed");
    b = good;
    Put32(b, 14, 0x7FFFFFFF);
    expectFail(b, "header size");
    b = good;
    b[0] = 'P';
    expectFail(b, "signature");
    expectFail(Bytes{}, "empty");
    Bytes pal =
        MakeBmp(4, 4, 8, false, std::vector<std::uint32_t>(256, 0), nullptr, [](int, int) { return 0u; });
    Put32(pal, 46, 100000); // more colours than 8 bits allow
    expectFail(pal, "palette count");
    pal.resize(14 + 40 + 100);
    Put32(pal, 46, 0);
    expectFail(pal, "truncated palette");

    // Random corruption of a valid file never crashes the reader.
    std::mt19937 rng(1234);
    const Bytes base = MakeBmp(9, 7, 8, false, std::vector<std::uint32_t>(256, 0x808080), nullptr,
                               [](int x, int y) { return std::uint32_t(x * y); });
    for (int i = 0; i < 3000; ++i) {
        Bytes m = base;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < edits; ++k)
            m[rng() % 60] = static_cast<std::uint8_t>(rng());
        if (rng() % 3 == 0)
            m.resize(rng() % m.size());
        std::string why;
        if (HBITMAP bm = gdi::LoadBmpFromMemory(m.data(), m.size(), &why))
            DeleteObject(bm);
    }
}

TEST(JpegRead, DecodesAndRefusesBrokenData) {
    const Bytes good = EncodeJpeg(32, 16);
    std::string err;
    HBITMAP bm = gdi::LoadJpegFromMemory(good.data(), good.size(), &err);
    ASSERT_NE(bm, nullptr) << err;
    auto s = gdi::SurfaceOfBitmap(bm);
    EXPECT_EQ(s->Width(), 32);
    EXPECT_EQ(s->Height(), 16);
    EXPECT_GT((s->Row(8)[2] >> 16) & 0xFF, 200u); // red half
    EXPECT_GT(s->Row(8)[30] & 0xFF, 200u);        // blue half
    DeleteObject(bm);

    auto expectFail = [&](const Bytes& b, const char* what) {
        std::string why;
        HBITMAP r = gdi::LoadJpegFromMemory(b.data(), b.size(), &why, "pic.jpeg");
        EXPECT_EQ(r, nullptr) << what;
        EXPECT_NE(why.find("pic.jpeg"), std::string::npos) << why;
        if (r)
            DeleteObject(r);
    };
    expectFail(Bytes{}, "empty");
    expectFail(Bytes{0xFF, 0xD8, 0xFF}, "only a start marker");
    expectFail(Bytes(good.begin(), good.begin() + good.size() / 2), "truncated");
    Bytes zero = good;
    // The SOF0 frame header holds height and width; zero them.
    for (std::size_t i = 2; i + 8 < zero.size(); ++i)
        if (zero[i] == 0xFF && zero[i + 1] == 0xC0) {
            zero[i + 5] = zero[i + 6] = zero[i + 7] = zero[i + 8] = 0;
            break;
        }
    expectFail(zero, "zero size");
    Bytes huge = good;
    for (std::size_t i = 2; i + 8 < huge.size(); ++i)
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0xFF; // 65535 x 65535
            break;
        }
    expectFail(huge, "huge size");
    std::mt19937 rng(99);
    for (int i = 0; i < 500; ++i) {
        Bytes m = good;
        for (int k = 0; k < 3; ++k)
            m[2 + rng() % (m.size() - 2)] = static_cast<std::uint8_t>(rng());
        std::string why;
        if (HBITMAP r = gdi::LoadJpegFromMemory(m.data(), m.size(), &why))
            DeleteObject(r);
    }
    EXPECT_EQ(gdi::LoadJpegFile("/nonexistent/x.jpeg", &err), nullptr);
    EXPECT_NE(err.find("/nonexistent/x.jpeg"), std::string::npos);
}

TEST(DibSection, BitsAndGdiDrawingStayInStep) {
    // A bottom-up 24-bit DIB: the caller's bits and GDI drawing see the same picture.
    BITMAPINFO bi{};
    bi.bmiHeader.biWidth = 3;
    bi.bmiHeader.biHeight = 2;
    bi.bmiHeader.biBitCount = 24;
    void* raw = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &raw, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    auto* bits = static_cast<std::uint8_t*>(raw);
    // Row 0 of the bits is the bottom row.
    bits[0] = 0x11;
    bits[1] = 0x22;
    bits[2] = 0x33;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x33, 0x22, 0x11));
    SetPixel(dc, 2, 0, RGB(0xAA, 0xBB, 0xCC));
    const std::size_t stride = 12;
    EXPECT_EQ(bits[stride + 6], 0xCC);
    EXPECT_EQ(bits[stride + 8], 0xAA);
    DIBSECTION ds{};
    EXPECT_EQ(GetObject(dib, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBits, raw);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);
    EXPECT_EQ(ds.dsBmih.biHeight, 2);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);

    // 16-bit 5-6-5 bit fields: the masks given are the masks used, both ways.
    struct {
        BITMAPINFOHEADER h;
        DWORD masks[3];
    } info565{};
    info565.h.biWidth = 2;
    info565.h.biHeight = -1;
    info565.h.biBitCount = 16;
    info565.h.biCompression = BI_BITFIELDS;
    info565.masks[0] = 0xF800;
    info565.masks[1] = 0x07E0;
    info565.masks[2] = 0x001F;
    void* raw565 = nullptr;
    HBITMAP dib565 = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info565), DIB_RGB_COLORS,
                                      &raw565, nullptr, 0);
    ASSERT_NE(dib565, nullptr);
    HDC dc2 = CreateCompatibleDC(nullptr);
    HGDIOBJ old2 = SelectObject(dc2, dib565);
    SetPixel(dc2, 0, 0, RGB(255, 0, 255)); // magenta survives 16 bits exactly
    SetPixel(dc2, 1, 0, RGB(0, 255, 0));
    const auto* w16 = static_cast<std::uint16_t*>(raw565);
    EXPECT_EQ(w16[0], 0xF81F);
    EXPECT_EQ(w16[1], 0x07E0);
    EXPECT_EQ(GetPixel(dc2, 0, 0), RGB(255, 0, 255));
    SelectObject(dc2, old2);
    DeleteDC(dc2);
    DeleteObject(dib565);

    BITMAPINFO bad{};
    bad.bmiHeader.biWidth = 70000;
    bad.bmiHeader.biHeight = 1;
    bad.bmiHeader.biBitCount = 32;
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &bad, DIB_RGB_COLORS, &none, nullptr, 0), nullptr);
    EXPECT_EQ(none, nullptr);
}

TEST(DibTransfer, GetAndSetDIBitsRoundTrip) {
    HBITMAP bm = CreateBitmap(5, 4, 1, 32, nullptr);
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } info{};
    info.h.biWidth = 5;
    info.h.biHeight = -4;
    info.h.biBitCount = 24;
    std::vector<std::uint8_t> bits(16 * 4);
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = static_cast<std::uint8_t>(i * 7);
    auto* bi = reinterpret_cast<BITMAPINFO*>(&info);
    ASSERT_EQ(SetDIBits(nullptr, bm, 0, 4, bits.data(), bi, DIB_RGB_COLORS), 4);
    std::vector<std::uint8_t> back(bits.size());
    ASSERT_EQ(GetDIBits(nullptr, bm, 0, 4, back.data(), bi, DIB_RGB_COLORS), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 15; ++x)
            EXPECT_EQ(back[y * 16 + x], bits[y * 16 + x]);
    // Asking for the format only.
    BITMAPINFO query{};
    query.bmiHeader.biBitCount = 0;
    EXPECT_EQ(GetDIBits(nullptr, bm, 0, 0, nullptr, &query, DIB_RGB_COLORS), 4);
    EXPECT_EQ(query.bmiHeader.biWidth, 5);
    EXPECT_EQ(query.bmiHeader.biBitCount, 32);
    // A request past the last line copies nothing.
    EXPECT_EQ(SetDIBits(nullptr, bm, 10, 4, bits.data(), bi, DIB_RGB_COLORS), 0);
    DeleteObject(bm);
}
