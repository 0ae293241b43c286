// Lists of texts published as one string, one item a line (a combo box's or list box's Items, a memo's
// Lines). A line may end in "\r\n" or "\n"; a last line break adds no empty item.
#pragma once

#include <string>
#include <vector>

namespace tk {

std::vector<std::string> SplitItemLines(const std::string& text);
std::string JoinItemLines(const std::vector<std::string>& items, const char* lineBreak = "\n");

} // namespace tk
