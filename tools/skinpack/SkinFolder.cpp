#include "SkinFolder.h"

#include "platform/os/AtomicFile.h"

#include <filesystem>

namespace refskin {

std::string JoinDescription(const std::vector<const char*>& lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteSkinFolder(const std::string& dir, const SkinDrawing& skin, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) {
        error = dir + ": cannot create the folder";
        return false;
    }
    const auto write = [&](const std::string& name, const void* data, std::size_t size) {
        std::string reason;
        if (win::WriteFileAtomically(fs::path(dir) / name,
                                     std::string_view(static_cast<const char*>(data), size), reason))
            return true;
        error = (fs::path(dir) / name).string() + ": " + reason;
        return false;
    };
    for (const ImageSpec& entry : skin.images) {
        const DrawnImage image = skin.draw(entry.name);
        if (image.canvas.Width() != entry.width || image.canvas.Height() != entry.height) {
            error = std::string(entry.name) + ": drawn at the wrong size";
            return false;
        }
        const std::vector<std::uint8_t> bmp = image.canvas.Bmp(entry.bits, image.transparent, skin.matte);
        if (!write(entry.name, bmp.data(), bmp.size()))
            return false;
    }
    return write(kDescriptionName, skin.description.data(), skin.description.size());
}

} // namespace refskin
