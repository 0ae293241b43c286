// RC4 keystream: masks part of the header page and, in files with a database key, every other page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace bank::jet {

class Rc4 {
public:
    explicit Rc4(std::span<const std::uint8_t> key);
    // XORs the keystream over `data`; applying it twice restores the input.
    void Apply(std::span<std::uint8_t> data);

private:
    std::uint8_t m_s[256];
    std::uint8_t m_i = 0;
    std::uint8_t m_j = 0;
};

} // namespace bank::jet
