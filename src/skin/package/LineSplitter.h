// Line breaks as the package and its description text use them: CR LF, a lone CR or a lone LF each end a
// line, and a final break adds no empty line.
#pragma once

#include <cstddef>
#include <string_view>

namespace skin {

// Calls `onLine(offset, line)` for each line of `text`, in order.
template <typename OnLine> void ForEachLine(std::string_view text, OnLine&& onLine) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        while (i < text.size() && text[i] != '\r' && text[i] != '\n')
            ++i;
        onLine(start, text.substr(start, i - start));
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
    }
}

} // namespace skin
