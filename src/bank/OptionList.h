// The option texts of a choice question, stored joined by "|".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bank {

class OptionList {
public:
    // Empty pieces between separators are dropped, but the last piece always counts, so the list has at
    // least one entry: "A|B||C" gives three, "A|B|C|" four (the last empty), "" one.
    static std::vector<std::string> Split(std::string_view text);
};

} // namespace bank
