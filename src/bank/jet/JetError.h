// The one error the Jet engine throws: its message names the file and the place that is wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace bank::jet {

class JetError : public std::runtime_error {
public:
    explicit JetError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace bank::jet
