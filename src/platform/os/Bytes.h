// Little-endian integers in byte buffers, and the ASCII-only character rules that stored formats (bank
// files, skin packages, layouts, bitmaps) are defined by. Header-only and free of dependencies, so that
// every layer may use it, the bank included. The character rules ignore the C locale on purpose: a stored
// name must compare the same on every machine.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// The caller guarantees 2 (or 4) readable bytes at `p`.
constexpr std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
constexpr std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The caller guarantees at + 2 (or at + 4) <= bytes.size(); the span does not check it.
constexpr std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return ReadLe16(bytes.data() + at);
}
constexpr std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return ReadLe32(bytes.data() + at);
}

// The caller guarantees 2 (or 4) writable bytes at `p`.
constexpr void WriteLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
constexpr void WriteLe32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}

inline void AppendLe16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

// 0-15 for 0-9, a-f and A-F; -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A-Z become a-z; every other byte (UTF-8 included) stays as it is.
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
}

// Equal when only the letters A-Z and a-z differ in case: how names of columns, parameters, properties,
// providers, sections and files are compared where case must not matter.
constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

} // namespace win
