#include "bank/jet/Rc4.h"

#include <utility>

namespace bank::jet {

Rc4::Rc4(std::span<const std::uint8_t> key) {
    for (int k = 0; k < 256; ++k)
        m_s[k] = static_cast<std::uint8_t>(k);
    std::uint8_t j = 0;
    for (int k = 0; k < 256; ++k) {
        j = static_cast<std::uint8_t>(j + m_s[k] + key[k % key.size()]);
        std::swap(m_s[k], m_s[j]);
    }
}

void Rc4::Apply(std::span<std::uint8_t> data) {
    for (auto& b : data) {
        m_i = static_cast<std::uint8_t>(m_i + 1);
        m_j = static_cast<std::uint8_t>(m_j + m_s[m_i]);
        std::swap(m_s[m_i], m_s[m_j]);
        b ^= m_s[static_cast<std::uint8_t>(m_s[m_i] + m_s[m_j])];
    }
}

} // namespace bank::jet
