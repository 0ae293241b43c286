#include "bank/OptionList.h"

namespace bank {

std::vector<std::string> OptionList::Split(std::string_view text) {
    std::vector<std::string> options;
    size_t bar;
    while ((bar = text.find('|')) != std::string_view::npos) {
        if (bar > 0)
            options.emplace_back(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    options.emplace_back(text);
    return options;
}

} // namespace bank
