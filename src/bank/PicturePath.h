// Where a question's picture lies: the stored name, with every "jpg" (any case) turned into "bmp" and
// backslashes read as folder separators, under the img/ folder beside the executable. Names are matched
// ignoring letter case where the exact name is missing, as on the systems the banks are made on.
#pragma once

#include <string>
#include <string_view>

namespace bank {

class PicturePath {
public:
    // The stored name with the rewrite applied; no check of the file.
    static std::string Rewrite(std::string_view stored);
    // The picture file for `stored` under `exeFolder`/img/, or "" when there is no picture: an empty
    // name, a name that would lead out of img/ (absolute, "..", a link pointing elsewhere), or a path
    // that is not an existing regular file.
    static std::string Resolve(const std::string& exeFolder, std::string_view stored);
};

} // namespace bank
