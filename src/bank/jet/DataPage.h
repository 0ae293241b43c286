// Rows on data pages and the usage maps that list a table's pages.
#pragma once

#include "bank/jet/JetFile.h"
#include "platform/os/Bytes.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bank::jet {

constexpr std::uint16_t kRowDeleted = 0x8000;
constexpr std::uint16_t kRowOverflow = 0x4000;

struct RowExtent {
    std::uint32_t page = 0;
    std::uint32_t row = 0;
    std::uint32_t start = 0; // offset in the page
    std::uint32_t end = 0;   // exclusive
    std::uint16_t flags = 0;
    std::uint32_t Length() const { return end - start; }
};

class DataPage {
public:
    // Rows on a data page (0 for a page of another type).
    static std::uint32_t RowCount(const JetFile& file, std::uint32_t page);
    // One row's extent and flags; throws JetError when the page is not a data page, the row table is
    // malformed or the row's extent lies outside the page's row area (deleted rows included).
    static RowExtent Row(const JetFile& file, std::uint32_t page, std::uint32_t row);
    // The live row a row pointer names, following one overflow pointer.
    static RowExtent Resolve(const JetFile& file, std::uint32_t rowPointer, const std::string& what);
    // Pages of a usage map, ascending; only existing pages, checked against the end of the file.
    static std::vector<std::uint32_t> UsageMap(const JetFile& file, std::uint32_t rowPointer);
};

} // namespace bank::jet
