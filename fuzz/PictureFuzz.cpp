// One input is a picture file, read both as a Windows bitmap and as a JPEG, the two kinds the question
// pictures and skins come in, and as a skin's image, which goes through the same bitmap reader with the
// skin's own limits. A bad file must give a null bitmap (an empty skin image) with a reason, never a crash.
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/WinGdi.h"
#include "skin/data/TSkinBitmap.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (auto load : {win::gdi::LoadBmpFromMemory, win::gdi::LoadJpegFromMemory}) {
        std::string error;
        win::HBITMAP bitmap = load(data, size, &error, "fuzz");
        if (bitmap)
            win::DeleteObject(bitmap);
        else if (error.empty())
            std::abort(); // a failure must say why
    }
    skin::TSkinBitmap image;
    std::string error;
    if (image.LoadFromBmp(std::span(data, size), &error)) {
        if (image.Empty() || image.Row(image.Height() - 1)[image.Width() - 1] > 0xFFFFFF)
            std::abort(); // a loaded image holds its pixels, 0x00RRGGBB
    } else if (!image.Empty() || error.empty()) {
        std::abort();
    }
    return 0;
}
