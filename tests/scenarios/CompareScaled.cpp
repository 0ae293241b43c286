// compare_scaled SMALL.png LARGE.png FACTOR: exit 0 when LARGE is SMALL with each pixel repeated FACTOR times
// across and down, else 1 naming the first difference (2 for wrong usage or an unreadable file).
#include "platform/gdi/GdiInternal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const int factor = argc == 4 ? std::atoi(argv[3]) : 0;
    if (factor < 1) {
        std::fprintf(stderr, "usage: compare_scaled SMALL.png LARGE.png FACTOR\n");
        return 2;
    }
    std::string error;
    const auto small = win::gdi::ReadPng(argv[1], &error);
    const auto large = small ? win::gdi::ReadPng(argv[2], &error) : nullptr;
    if (!small || !large) {
        std::fprintf(stderr, "compare_scaled: %s\n", error.c_str());
        return 2;
    }
    if (large->Width() != small->Width() * factor || large->Height() != small->Height() * factor) {
        std::fprintf(stderr, "compare_scaled: %s is %dx%d, not %d times %dx%d\n", argv[2], large->Width(),
                     large->Height(), factor, small->Width(), small->Height());
        return 1;
    }
    for (int y = 0; y < large->Height(); ++y)
        for (int x = 0; x < large->Width(); ++x)
            if ((large->Row(y)[x] & 0xFFFFFF) != (small->Row(y / factor)[x / factor] & 0xFFFFFF)) {
                std::fprintf(stderr, "compare_scaled: pixel %d,%d of %s is %06x, not %06x\n", x, y, argv[2],
                             large->Row(y)[x] & 0xFFFFFF, small->Row(y / factor)[x / factor] & 0xFFFFFF);
                return 1;
            }
    std::printf("%s is %s enlarged %d times\n", argv[2], argv[1], factor);
    return 0;
}
