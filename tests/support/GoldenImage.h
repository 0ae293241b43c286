// Golden-image checks (#include "support/GoldenImage.h", link test_support): a rendered surface is compared
// with a PNG kept under tests/.
//
//   EXPECT_TRUE(MatchesGolden(surface, "platform/gdi/golden/blit.png"));
//   EXPECT_TRUE(MatchesGolden(surface, "skin/golden/frame.png", {.channelTolerance = 40, .maxDifferentPixels
//   = 30}));
//
// On a mismatch the actual image is written to <build>/golden-actual/<same path> and the message says where.
// With TAXI_UPDATE_GOLDENS=1 in the environment the golden is rewritten instead (scripts/update-goldens.sh).
#pragma once

#include "platform/gdi/Surface.h"

#include <gtest/gtest.h>
#include <string>

namespace taxi::test {

struct GoldenTolerance {
    // A pixel differs when any channel differs by more than this.
    int channelTolerance = 0;
    // How many differing pixels are still a match (anti-aliased text may shift by a few).
    int maxDifferentPixels = 0;
};

// `relativePath` is relative to the tests/ folder of the source tree.
::testing::AssertionResult MatchesGolden(const win::gdi::Surface& actual, const std::string& relativePath,
                                         GoldenTolerance tolerance = {});

} // namespace taxi::test
