// Creates a new Jet 4 file holding one user table: header, catalog (MSysObjects), the table's definition,
// its data pages and the long-value pages its Memo values need.
#pragma once

#include "bank/jet/JetValue.h"

#include <string>
#include <vector>

namespace bank::jet {

struct ColumnSpec {
    std::string name;
    ColumnType type = ColumnType::Long;
    std::uint16_t textChars = 255; // Text columns: the most characters a value may hold (1 to 255)
};

struct TableSpec {
    std::string name;
    std::vector<ColumnSpec> columns;
    std::vector<std::vector<Value>>
        rows; // one Value per column: Null, Integer, Real or Text as the type asks
};

class JetWriter {
public:
    struct Options {
        bool overwrite = false; // replace an existing file (it is replaced whole, never half-written)
        bool referenceUsageMap =
            false; // list the data pages through bitmap pages even when an inline map fits
    };

    // Throws JetError, naming the row and column, when a value does not fit its column; the file is
    // written to a temporary name beside `path` and renamed into place only when complete.
    static void Create(const std::string& path, const TableSpec& table, const Options& options);
    static void Create(const std::string& path, const TableSpec& table) { Create(path, table, Options{}); }
};

} // namespace bank::jet
