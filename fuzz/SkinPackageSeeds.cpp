// Writes tiny seed inputs for fuzz_skin_package into the folder given as the only argument.
#include "skin/package/SkinFormat.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TSkinWriter.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_skin_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::string ini = "[Buttons]\r\nBitmap=b.bmp\r\nRightwidth=7\r\n; c=1\r\n[Colours]\r\nX=0x10\r\n"
                            "Y=$1F\r\nZ=-4\r\n[colours]\r\nX=2\r\n";
    for (const skin::TSkinFormat& format : skin::SkinFormats) {
        skin::TSkinWriter writer(format.Number);
        writer.AddEntry("B.bmp", Bytes("BM\x10\0\0\0abcabcabcabc"));
        writer.AddEntry("skin.ini", Bytes(ini));
        const std::string stem = dir + "/f" + std::to_string(format.Number);
        Write(stem + ".pack", writer.BuildPackage());
        Write(stem + ".raw", writer.BuildExpanded());
    }
    Write(dir + "/text.ini", Bytes(ini));
    Write(dir + "/lzh.bin", skin::TLZHEncoder::CompressContainer(Bytes("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaabcd")));
    return 0;
}
