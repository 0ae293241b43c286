#include "toolkit/SysUtils.h"

#include <cstdint>
#include <optional>

namespace tk {

namespace {
std::optional<int> ParseInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{INT32_MAX} + 1)
            return std::nullopt; // stops before a long digit string can overflow
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}
} // namespace

int StrToInt(const std::string& text) {
    if (auto value = ParseInteger(text))
        return *value;
    throw EConvertError("'" + text + "' is not a valid integer value");
}

int StrToIntDef(const std::string& text, int fallback) {
    return ParseInteger(text).value_or(fallback);
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

} // namespace tk
