#include "bank/PicturePath.h"

#include "platform/os/Bytes.h"

#include <algorithm>
#include <filesystem>

namespace bank {

namespace fs = std::filesystem;

std::string PicturePath::Rewrite(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size();) {
        auto lower = [&](size_t k) { return win::AsciiLower(stored[k]); };
        if (i + 3 <= stored.size() && lower(i) == 'j' && lower(i + 1) == 'p' && lower(i + 2) == 'g') {
            out += "bmp";
            i += 3;
        } else {
            out += stored[i] == '\\' ? '/' : stored[i];
            ++i;
        }
    }
    return out;
}

namespace {

// Banks and picture folders are made where file names ignore case, so a stored "Q12.JPG" must still find
// img/q12.bmp here. Each part of the path is taken as written when it exists, otherwise the first entry of
// its folder (in name order, so the choice is stable) that differs only in letter case.
fs::path FindIgnoringCase(const fs::path& base, const fs::path& relative) {
    std::error_code ec;
    fs::path found = base;
    for (const auto& part : relative) {
        fs::path exact = found / part;
        if (fs::exists(fs::symlink_status(exact, ec)) || !fs::is_directory(found, ec)) {
            found = exact;
            continue;
        }
        std::string match;
        for (fs::directory_iterator it(found, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (win::EqualIgnoringAsciiCase(name, part.string()) && (match.empty() || name < match))
                match = name;
        }
        found /= match.empty() ? part : fs::path(match);
    }
    return found;
}

} // namespace

std::string PicturePath::Resolve(const std::string& exeFolder, std::string_view stored) {
    if (stored.empty())
        return {};
    std::string name = Rewrite(stored);
    if (name.find('\0') != std::string::npos)
        return {};
    fs::path relative(name);
    if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory())
        return {};
    for (const auto& part : relative)
        if (part == "..")
            return {};
    std::error_code ec;
    fs::path folder = FindIgnoringCase(fs::path(exeFolder), "img");
    fs::path file = FindIgnoringCase(folder, relative);
    // A link inside img/ must not lead out of it either.
    fs::path realFolder = fs::weakly_canonical(folder, ec);
    if (ec)
        return {};
    fs::path realFile = fs::weakly_canonical(file, ec);
    if (ec)
        return {};
    auto mismatch = std::mismatch(realFolder.begin(), realFolder.end(), realFile.begin(), realFile.end());
    if (mismatch.first != realFolder.end())
        return {};
    if (!fs::is_regular_file(realFile, ec))
        return {};
    return file.string();
}

} // namespace bank
