// bankpics OUTDIR – draws every picture the sample question bank refers to into OUTDIR.
#include "BmpWriter.h"
#include "JpegWriter.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: bankpics OUTDIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "bankpics: cannot create " << dir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    try {
        for (const auto& pic : bankpics::Pictures()) {
            bankpics::Canvas canvas(pic.width, pic.height, {255, 255, 255});
            pic.draw(canvas);
            if (pic.format == bankpics::Format::Jpeg)
                bankpics::WriteJpeg(canvas, dir / pic.file, 92);
            else
                bankpics::WriteBmp(canvas, dir / pic.file);
        }
    } catch (const std::exception& e) {
        std::cerr << "bankpics: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
