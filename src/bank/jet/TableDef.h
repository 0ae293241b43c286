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

    const std::string& Name() const { return name_; }
    std::uint32_t Page() const { return page_; }
    std::uint32_t RowCount() const { return rowCount_; }
    std::uint32_t UsageMapPointer() const { return usageMap_; }
    std::uint16_t VarColumnCount() const { return varColumns_; }
    const std::vector<Column>& Columns() const { return columns_; } // sorted by column number
    // Index into Columns(), or -1; names compare without regard to ASCII case, as Jet does.
    int Find(std::string_view column) const;

private:
    std::string name_;
    std::uint32_t page_ = 0;
    std::uint32_t rowCount_ = 0;
    std::uint32_t usageMap_ = 0;
    std::uint16_t varColumns_ = 0;
    std::vector<Column> columns_;
};

bool NamesEqual(std::string_view a, std::string_view b);

} // namespace bank::jet
