// appicon FOLDER: draws the program's icon at every size the desktop asks for, as
// FOLDER/SIZExSIZE/apps/taxitrainer.png (the layout of an icon theme such as hicolor).
#include "AppIcon.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2 || !*argv[1]) {
        std::fprintf(stderr, "usage: appicon FOLDER\n");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    for (int size : appicon::AppIcon::kSizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder = root / (side + "x" + side) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            std::fprintf(stderr, "appicon: %s: %s\n", folder.c_str(), ec.message().c_str());
            return 1;
        }
        std::string error;
        if (!appicon::AppIcon::WriteFile(size, (folder / "taxitrainer.png").string(), &error)) {
            std::fprintf(stderr, "appicon: %s: %s\n", (folder / "taxitrainer.png").c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
