// Decodes the rows of one table: the fixed area, the variable-length area with its offset table, the null
// mask and long values stored on LVAL pages.
#pragma once

#include "bank/jet/DataPage.h"
#include "bank/jet/TableDef.h"

#include <string>
#include <vector>

namespace bank::jet {

class RowReader {
public:
    RowReader(const JetFile& file, const TableDef& table) : m_file(file), m_table(table) {}

    // Values in the order of table.Columns().
    void Read(const RowExtent& row, std::vector<Value>& out) const;
    Value ReadColumn(const RowExtent& row, size_t column) const;

    // Where a fixed-width column of this row lies in its page, for updating it in place.
    struct FixedSlot {
        std::uint32_t offset = 0;   // first byte of the value in the page
        std::uint32_t maskByte = 0; // the null-mask byte in the page
        std::uint8_t maskBit = 0;
        bool present = false;
    };
    // Fails (JetError) when the row was written before the column existed and so has no slot for it.
    FixedSlot Slot(const RowExtent& row, size_t column) const;
    // Where a variable-length column's stored bytes lie in the page; false when the value is null.
    bool VarBytes(const RowExtent& row, size_t column, std::uint32_t& offset, std::uint32_t& length) const;

private:
    struct Layout {
        std::uint32_t columnCount = 0;
        std::uint32_t maskStart = 0; // relative to the row
        std::uint32_t fixedLimit = 0;
        std::vector<std::uint32_t> varOffsets; // v entries plus the end of the variable data
    };
    Layout Parse(std::span<const std::uint8_t> row, const RowExtent& where) const;
    bool Present(std::span<const std::uint8_t> row, const Layout& l, std::uint16_t number) const;
    Value Decode(std::span<const std::uint8_t> row, const Layout& l, const Column& c,
                 const RowExtent& where) const;
    std::string Text(std::string_view stored) const;
    std::string LongValue(std::string_view header, std::string_view inlineData, const RowExtent& where) const;
    [[noreturn]] void Fail(const RowExtent& where, const std::string& what) const;

    const JetFile& m_file;
    const TableDef& m_table;
};

} // namespace bank::jet
