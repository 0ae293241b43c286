// Pieces shared by the parts of the Jet 4 writer: layout constants, its little-endian stores, and the file
// image the writer fills page by page.
#pragma once

#include "bank/jet/JetFormat.h"
#include "platform/os/Bytes.h"

#include <cstdint>
#include <vector>

namespace bank::jet::writer {

inline constexpr std::uint32_t kPage = kJet4Format.pageSize;
inline constexpr std::uint32_t kRowTable = kJet4Format.dataRowTableOffset;
inline constexpr std::uint32_t kMaxRowsPerPage = 255;
inline constexpr std::uint32_t kMaxRow = kPage - kRowTable - 2;
inline constexpr std::uint32_t kMapRowSize = 69;
inline constexpr std::uint32_t kInlineLongValue = 64;
inline constexpr std::uint32_t kMaxCompressedMemoChars = 1024;
inline constexpr std::uint32_t kTdefMarker =
    1625; // a constant Access writes in the definition and column entries
inline constexpr std::uint16_t kSortGeneral = 0x0409;
inline constexpr std::uint32_t kLvalOwner = 0x4C41564C; // "LVAL"

using Page = std::vector<std::uint8_t>;

// The writer computes its counts and offsets in 32 bits; a 16-bit field takes the low half.
inline void Put16(std::uint8_t* p, std::uint32_t v) {
    win::WriteLe16(p, static_cast<std::uint16_t>(v));
}
inline void Put32(std::uint8_t* p, std::uint32_t v) {
    win::WriteLe32(p, v);
}
inline void Append16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    win::AppendLe16(b, static_cast<std::uint16_t>(v));
}
inline void Append32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    win::AppendLe32(b, v);
}

struct Image {
    std::vector<Page> pages;
    std::uint32_t New() {
        pages.emplace_back(kPage, 0);
        return static_cast<std::uint32_t>(pages.size() - 1);
    }
};

} // namespace bank::jet::writer
