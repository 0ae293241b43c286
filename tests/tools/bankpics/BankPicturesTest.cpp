#include "BmpWriter.h"
#include "Canvas.h"
#include "JpegWriter.h"
#include "Pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <string>

#include <jpeglib.h>

using namespace bankpics;

namespace {

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("bankpics_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" + name);
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}

void SetPixel(Canvas& c, int x, int y, Color col) {
    c.Fill([&](Pt p) { return static_cast<int>(p.x) == x && static_cast<int>(p.y) == y ? -1.0f : 1.0f; },
           static_cast<float>(x), static_cast<float>(y), x + 1.0f, y + 1.0f, col);
}

double Coverage(const Canvas& c) {
    double sum = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            sum += c.Pixel(x, y).r / 255.0;
    return sum;
}

} // namespace

// A width of 5 needs one padding byte per row; rows are stored bottom-up in B, G, R order.
TEST(BmpWriter, PadsRowsAndStoresThemBottomUpAsBgr) {
    Canvas c(5, 3, {0, 0, 0});
    SetPixel(c, 0, 0, {10, 20, 30}); // top-left
    SetPixel(c, 4, 2, {40, 50, 60}); // bottom-right
    auto file = TempFile("pad.bmp");
    WriteBmp(c, file);
    auto d = ReadAll(file);
    std::filesystem::remove(file);

    const std::size_t stride = 16;
    ASSERT_EQ(d.size(), 54 + stride * 3);
    EXPECT_EQ(d[0], 'B');
    EXPECT_EQ(d[1], 'M');
    EXPECT_EQ(Le32(d, 2), d.size());
    EXPECT_EQ(Le32(d, 10), 54u);
    EXPECT_EQ(Le32(d, 14), 40u);
    EXPECT_EQ(Le32(d, 18), 5u);
    EXPECT_EQ(static_cast<std::int32_t>(Le32(d, 22)), 3); // positive: bottom-up
    EXPECT_EQ(d[28], 24);
    EXPECT_EQ(Le32(d, 30), 0u); // uncompressed

    const std::uint8_t* bottomRow = &d[54];
    const std::uint8_t* topRow = &d[54 + 2 * stride];
    EXPECT_EQ(bottomRow[12], 60);
    EXPECT_EQ(bottomRow[13], 50);
    EXPECT_EQ(bottomRow[14], 40);
    EXPECT_EQ(topRow[0], 30);
    EXPECT_EQ(topRow[1], 20);
    EXPECT_EQ(topRow[2], 10);
    EXPECT_EQ(topRow[15], 0); // padding
}

TEST(BmpWriter, ReportsAFolderItCannotWriteTo) {
    Canvas c(2, 2, {0, 0, 0});
    EXPECT_THROW(WriteBmp(c, "/nonexistent-folder/x.bmp"), std::runtime_error);
}

TEST(JpegWriter, WritesABaselineJpegThatDecodesToTheSameImage) {
    Canvas c(64, 40, {255, 0, 0});
    c.RoundRect(32, 0, 64, 40, 0, {0, 0, 255});
    auto file = TempFile("meter.jpeg");
    WriteJpeg(c, file, 92);
    auto d = ReadAll(file);

    bool sof0 = false, progressive = false;
    for (std::size_t i = 0; i + 1 < d.size(); ++i) {
        sof0 |= d[i] == 0xFF && d[i + 1] == 0xC0;
        progressive |= d[i] == 0xFF && d[i + 1] == 0xC2;
    }
    EXPECT_TRUE(sof0);
    EXPECT_FALSE(progressive);

    jpeg_decompress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, d.data(), d.size());
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    EXPECT_EQ(info.output_width, 64u);
    EXPECT_EQ(info.output_height, 40u);
    std::vector<std::uint8_t> row(64 * 3);
    for (int y = 0; y <= 20; ++y) {
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&info, &r, 1);
    }
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::filesystem::remove(file);

    EXPECT_GT(row[8 * 3], 200); // left half red
    EXPECT_LT(row[8 * 3 + 2], 60);
    EXPECT_LT(row[56 * 3], 60); // right half blue
    EXPECT_GT(row[56 * 3 + 2], 200);
}

// Anti-aliased shapes must cover their true area, not merely the pixels whose centres fall inside.
TEST(Canvas, ShapesCoverTheirAreaWithSoftEdges) {
    Canvas disc(100, 100, {0, 0, 0});
    disc.Circle({50.3f, 49.6f}, 20, {255, 255, 255});
    EXPECT_NEAR(Coverage(disc), std::numbers::pi * 400, 0.005 * std::numbers::pi * 400);
    int partial = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            partial += disc.Pixel(x, y).r > 5 && disc.Pixel(x, y).r < 250;
    EXPECT_GT(partial, 60);

    Canvas ring(100, 100, {0, 0, 0});
    ring.Ring({50, 50}, 30, 6, {255, 255, 255});
    EXPECT_NEAR(Coverage(ring), 2 * std::numbers::pi * 30 * 6, 0.01 * 2 * std::numbers::pi * 30 * 6);

    Canvas tri(100, 100, {0, 0, 0});
    tri.Polygon({{10, 10}, {90, 10}, {10, 70}}, {255, 255, 255});
    EXPECT_NEAR(Coverage(tri), 0.5 * 80 * 60, 0.01 * 0.5 * 80 * 60);

    Canvas bar(100, 100, {0, 0, 0});
    bar.Line({20, 50}, {80, 50}, 8, {255, 255, 255}); // a capsule: rectangle plus two half discs
    EXPECT_NEAR(Coverage(bar), 60 * 8 + std::numbers::pi * 16, 0.01 * (60 * 8 + std::numbers::pi * 16));
}

TEST(Canvas, DrawingOutsideTheCanvasIsClipped) {
    Canvas c(10, 10, {0, 0, 0});
    c.Circle({-50, -50}, 200, {255, 255, 255});
    c.Polygon({{-1000, -1000}, {1000, -1000}, {0, 1000}}, {255, 255, 255});
    EXPECT_EQ(c.Pixel(9, 9).r, 255);
}

// Every picture a question names must be drawn, under the name the program loads (".jpg" becomes ".bmp").
TEST(Pictures, EveryPictureTheBankNamesIsDrawn) {
    std::set<std::string> drawn;
    for (const auto& pic : Pictures())
        EXPECT_TRUE(drawn.insert(pic.file).second) << "drawn twice: " << pic.file;

    int named = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BANKPICS_QUESTIONS_DIR)) {
        if (entry.path().extension() != ".txt")
            continue;
        std::ifstream f(entry.path());
        std::string line;
        for (int n = 1; std::getline(f, line); ++n) {
            if (line.rfind("picture: ", 0) != 0)
                continue;
            std::string name = line.substr(9);
            if (name.size() > 4 && name.ends_with(".jpg"))
                name.replace(name.size() - 3, 3, "bmp");
            ++named;
            EXPECT_TRUE(drawn.count(name))
                << entry.path().filename().string() << ":" << n << " names " << name;
        }
    }
    EXPECT_GT(named, 0);
}

TEST(Pictures, EachPictureFillsItsCanvasWithMoreThanABackground) {
    for (const auto& pic : Pictures()) {
        Canvas c(pic.width, pic.height, {255, 255, 255});
        pic.draw(c);
        std::set<std::uint32_t> colours;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                Color p = c.Pixel(x, y);
                colours.insert(static_cast<std::uint32_t>(p.r) << 16 | static_cast<std::uint32_t>(p.g) << 8 |
                               static_cast<std::uint32_t>(p.b));
            }
        EXPECT_GT(colours.size(), 20u) << pic.file;
    }
}
