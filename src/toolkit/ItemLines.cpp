#include "toolkit/ItemLines.h"

namespace tk {

std::vector<std::string> SplitItemLines(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string item = text.substr(start, end - start);
        if (!item.empty() && item.back() == '\r')
            item.pop_back();
        items.push_back(std::move(item));
        start = end + 1;
    }
    return items;
}

std::string JoinItemLines(const std::vector<std::string>& items, const char* lineBreak) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += lineBreak;
        out += items[i];
    }
    return out;
}

} // namespace tk
