// An open Jet 3 or Jet 4 database: the catalog, table definitions, row scans in stored order, and the two
// in-place updates the bank needs (a fixed-width value, and a text rewritten in the same number of bytes).
#pragma once

#include "bank/jet/DataPage.h"
#include "bank/jet/JetFile.h"
#include "bank/jet/TableDef.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bank::jet {

struct CatalogEntry {
    std::string name;
    std::uint32_t id = 0;
    std::int32_t type = 0;
    std::uint32_t flags = 0;
    bool IsUserTable() const { return (type & 0x7F) == 1 && (flags & 0x80000002u) == 0; }
};

// A page that a table's usage map lists but that is not one of the table's data pages.
struct PageFault {
    std::uint32_t page = 0;
    std::string what; // the page, what it should be and what it is
};

class JetDatabase {
public:
    JetDatabase(const std::string& path, JetFile::Mode mode);

    const JetFile& File() const { return *m_file; }
    const std::vector<CatalogEntry>& Catalog() const { return m_catalog; }
    std::vector<std::string> TableNames() const; // user tables, in catalog order

    // Throws JetError when there is no such table (names compare without regard to ASCII case).
    const TableDef& Table(std::string_view name);

    // Every page the table's usage map lists that is not a data page of the table, in page order.
    std::vector<PageFault> ForeignPages(const TableDef& table) const;

    // Calls `visit` for every live row in stored order: usage-map page order, row-table order within a
    // page, relocated rows at the place of their pointer. `visit` returns false to stop. Throws JetError
    // before the first row when ForeignPages is not empty: a table with a damaged page map is refused
    // rather than read short.
    void Scan(const TableDef& table, const std::function<bool(const RowExtent&)>& visit) const;
    std::vector<std::vector<Value>> ReadAll(const TableDef& table) const;

    // Sets a Byte, Integer or Long column of the given rows to `value`. Either every row is written and
    // the file flushed, or nothing is written and JetError explains why.
    void UpdateFixed(const TableDef& table, std::string_view column, const std::vector<RowExtent>& rows,
                     std::int64_t value);

    // Rewrites Text values (and Memo values stored in one row) in place; each new text must take exactly
    // the bytes the old one took.
    void RewriteText(const TableDef& table, std::string_view column,
                     const std::vector<std::pair<RowExtent, std::string>>& rows);

private:
    void ReadCatalog();
    std::vector<PageFault> ForeignPages(const TableDef& table, const std::vector<std::uint32_t>& pages) const;
    const Column& WritableColumn(const TableDef& table, std::string_view column, size_t& index) const;

    std::unique_ptr<JetFile> m_file;
    std::vector<CatalogEntry> m_catalog;
    std::map<std::uint32_t, std::unique_ptr<TableDef>> m_tables;
};

} // namespace bank::jet
