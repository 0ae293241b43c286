// The data-access layer's failure: the message is what the toolkit's error box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace bank {

class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace bank
