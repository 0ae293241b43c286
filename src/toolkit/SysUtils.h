// The runtime's failures and conversions that handlers rely on: a failure carries the text the default error
// box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace tk {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// A 32-bit decimal integer with an optional sign (leading blanks are skipped); anything else, a number out
// of range included, raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);
// The same conversion without the failure: `fallback` for text that is not an integer.
int StrToIntDef(const std::string& text, int fallback);
std::string IntToStr(long long value);

} // namespace tk
