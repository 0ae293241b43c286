#include "GoldenImage.h"

#include "platform/gdi/GdiInternal.h"

#include <cstdlib>
#include <filesystem>

namespace taxi::test {

namespace {

bool Updating() {
    const char* v = std::getenv("TAXI_UPDATE_GOLDENS");
    return v && *v && std::string(v) != "0";
}

} // namespace

::testing::AssertionResult MatchesGolden(const win::gdi::Surface& actual, const std::string& relativePath,
                                         GoldenTolerance tolerance) {
    namespace fs = std::filesystem;
    const fs::path golden = fs::path(TAXI_SOURCE_DIR) / "tests" / relativePath;
    if (Updating()) {
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
    auto expected = win::gdi::ReadPng(golden.string(), &err);
    if (!expected)
        return ::testing::AssertionFailure() << err << "; actual image written to " << writeActual()
                                             << " (run scripts/update-goldens.sh to create it)";
    if (expected->Width() != actual.Width() || expected->Height() != actual.Height())
        return ::testing::AssertionFailure()
               << relativePath << ": size " << actual.Width() << "x" << actual.Height() << ", golden "
               << expected->Width() << "x" << expected->Height() << "; actual written to " << writeActual();
    const win::gdi::PixelDifference d =
        win::gdi::ComparePixels(actual, *expected, tolerance.channelTolerance);
    const int different = d.count, firstX = d.first.x, firstY = d.first.y;
    if (different > tolerance.maxDifferentPixels)
        return ::testing::AssertionFailure()
               << relativePath << ": " << different << " pixels differ (allowed "
               << tolerance.maxDifferentPixels << "), first at (" << firstX << "," << firstY
               << "); actual written to " << writeActual();
    return ::testing::AssertionSuccess();
}

} // namespace taxi::test
