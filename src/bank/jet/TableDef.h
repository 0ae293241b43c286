// A table definition (TDEF): columns, row count, usage map and which columns an index covers.
#pragma once

#include "bank/jet/JetFile.h"
#include "bank/jet/JetValue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bank::jet {

struct Column {
    std::string name;
    ColumnType type = ColumnType::Long;
    std::uint16_t number = 0;   // null-mask bit
    std::uint16_t varIndex = 0; // slot in the row's offset table (variable columns)
    std::uint16_t fixedOffset = 0;
    std::uint16_t length = 0;
    std::uint8_t flags = 0;
    bool fixed = false;
    bool indexed = false;
};

class TableDef {
public:
    // Reads the definition that starts at `page`; throws JetError naming the table on any inconsistency.
    static TableDef Read(const JetFile& file, std::uint32_t page, const std::string& name);

    const std::string& Name() const { return m_name; }
    std::uint32_t Page() const { return m_page; }
    std::uint32_t RowCount() const { return m_rowCount; }
    std::uint32_t UsageMapPointer() const { return m_usageMap; }
    std::uint16_t VarColumnCount() const { return m_varColumns; }
    const std::vector<Column>& Columns() const { return m_columns; } // sorted by column number
    // Index into Columns(), or -1; names compare without regard to ASCII case, as Jet does.
    int Find(std::string_view column) const;

private:
    std::string m_name;
    std::uint32_t m_page = 0;
    std::uint32_t m_rowCount = 0;
    std::uint32_t m_usageMap = 0;
    std::uint16_t m_varColumns = 0;
    std::vector<Column> m_columns;
};

bool NamesEqual(std::string_view a, std::string_view b);

} // namespace bank::jet
