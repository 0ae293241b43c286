// Builds skin packages: named entries in order, laid out as the reader expects, then compressed.
#pragma once

#include "skin/package/SkinFormat.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TSkinWriter {
public:
    // Throws std::invalid_argument for a format number the reader does not know.
    explicit TSkinWriter(std::int32_t format = DefaultSkinFormat);

    // Throws std::invalid_argument, naming the entry, for an empty name, a name with a line break or NUL,
    // a name that equals an earlier one without regard to letter case, or one entry too many; and
    // std::length_error when the expanded package would exceed what the reader accepts.
    void AddEntry(std::string_view name, std::span<const std::uint8_t> data);

    std::vector<std::uint8_t> BuildExpanded() const;
    std::vector<std::uint8_t> BuildPackage() const; // the compressed container

    std::int32_t Format() const { return m_format; }
    std::size_t EntryCount() const { return m_names.size(); }

private:
    std::size_t ExpandedSize() const;

    std::int32_t m_format;
    std::vector<std::string> m_names;
    std::vector<std::vector<std::uint8_t>> m_data;
    std::size_t m_dataBytes = 0;
    std::size_t m_nameBytes = 0;
};

} // namespace skin
