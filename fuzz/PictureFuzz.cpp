// One input is a picture file, read both as a Windows bitmap and as a JPEG, the two kinds the question
// pictures and skins come in. A bad file must give a null bitmap with a reason, never a crash.
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/WinGdi.h"

#include <cstdint>
#include <cstdlib>
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
    return 0;
}
