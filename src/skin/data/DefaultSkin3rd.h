// The constructor's table of third-party control classes and how to skin them ("class=kind"), 118 lines.
#pragma once

#include <string>
#include <vector>

namespace skin {

std::vector<std::string> DefaultSkin3rd();

} // namespace skin
