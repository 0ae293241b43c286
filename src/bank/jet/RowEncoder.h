// Encodes the rows of one table in the Jet 4 row layout: column count, fixed area, variable data with
// its reversed offset table, null mask; long values go inline or to LVAL rows.
#pragma once

#include "bank/jet/JetWriter.h"
#include "bank/jet/PageFiller.h"

#include <string>
#include <vector>

namespace bank::jet::writer {

struct ColumnLayout {
    ColumnSpec layout;
    std::uint16_t number = 0;
    std::uint16_t varIndex = 0;
    std::uint16_t fixedOffset = 0;
    std::uint32_t size = 0; // fixed size, 0 for variable columns
};

struct TableLayout {
    std::string name;
    bool system = false;
    std::vector<ColumnLayout> columns;
    std::uint16_t varColumns = 0;
    std::uint32_t fixedArea = 0;
};

// Numbers the columns in the given order and places the fixed ones one after the other.
TableLayout Lay(const std::string& name, const std::vector<ColumnSpec>& specs, bool system);

class RowEncoder {
public:
    RowEncoder(const TableLayout& table, PageFiller& lval) : m_t(table), m_lval(lval) {}

    // Throws JetError naming the row (1-based) and column when a value does not fit.
    std::vector<std::uint8_t> Encode(const std::vector<Value>& values, size_t rowNumber);

private:
    [[noreturn]] void Fail(const ColumnLayout* c, const std::string& what) const;
    std::int64_t Integer(const ColumnLayout& c, const Value& v, std::int64_t lo, std::int64_t hi) const;
    void Fixed(const ColumnLayout& c, const Value& v, std::uint8_t* at) const;
    void Variable(const ColumnLayout& c, const Value& v, std::vector<std::uint8_t>& row);
    void LongValue(const std::string& data, std::vector<std::uint8_t>& row);

    const TableLayout& m_t;
    PageFiller& m_lval;
    size_t m_row = 0;
};

} // namespace bank::jet::writer
