#include "bank/jet/TableDef.h"

#include "bank/jet/DataPage.h"
#include "bank/jet/MessageTable.h"
#include "platform/os/Bytes.h"
#include "platform/os/CodePage.h"

#include <algorithm>
#include <set>

namespace bank::jet {

namespace {

class DefReader {
public:
    DefReader(const JetFile& file, const std::string& table, std::vector<std::uint8_t> bytes)
        : m_file(file), m_table(table), m_b(std::move(bytes)) {}

    void Need(std::uint64_t at, std::uint64_t n, const char* what) const {
        if (at + n > m_b.size())
            m_file.Fail(Say(Msg::DefinitionCutShort, m_table, what, at));
    }
    std::uint8_t U8(std::uint64_t at, const char* what) const {
        Need(at, 1, what);
        return m_b[at];
    }
    std::uint16_t U16(std::uint64_t at, const char* what) const {
        Need(at, 2, what);
        return win::ReadLe16(m_b, at);
    }
    std::uint32_t U32(std::uint64_t at, const char* what) const {
        Need(at, 4, what);
        return win::ReadLe32(m_b, at);
    }
    std::string_view Bytes(std::uint64_t at, std::uint64_t n, const char* what) const {
        Need(at, n, what);
        return {reinterpret_cast<const char*>(m_b.data() + at), static_cast<size_t>(n)};
    }

private:
    const JetFile& m_file;
    const std::string& m_table;
    std::vector<std::uint8_t> m_b;
};

} // namespace

bool NamesEqual(std::string_view a, std::string_view b) {
    return win::EqualIgnoringAsciiCase(a, b);
}

int TableDef::Find(std::string_view column) const {
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (NamesEqual(m_columns[i].name, column))
            return static_cast<int>(i);
    return -1;
}

TableDef TableDef::Read(const JetFile& file, std::uint32_t page, const std::string& name) {
    const JetFormat& f = file.Format();
    std::vector<std::uint8_t> bytes;
    std::set<std::uint32_t> seen;
    for (std::uint32_t p = page; p != 0;) {
        if (!seen.insert(p).second)
            file.Fail(Say(Msg::DefinitionCycle, name, p));
        if (p >= file.PageCount())
            file.Fail(Say(Msg::DefinitionPastEnd, name, p));
        auto pg = file.Page(p);
        if (pg[0] != 0x02)
            file.Fail(Say(Msg::NotDefinitionPage, name, p));
        bytes.insert(bytes.end(), pg.begin() + (bytes.empty() ? 0 : 8), pg.end());
        p = win::ReadLe32(pg, 4);
    }
    DefReader r(file, name, std::move(bytes));
    TableDef t;
    t.m_name = name;
    t.m_page = page;
    t.m_rowCount = r.U32(f.tdefRowCount, "行数");
    t.m_varColumns = r.U16(f.tdefVarColumns, "变长列数");
    std::uint32_t columnCount = r.U16(f.tdefColumns, "列数");
    std::uint64_t physical = r.U32(f.tdefPhysicalIndexes, "索引数");
    t.m_usageMap = r.U32(f.tdefUsageMap, "页映射");

    std::uint64_t at = f.tdefBlocks + physical * f.physicalIndexCounterSize;
    std::uint64_t names = at + static_cast<std::uint64_t>(columnCount) * f.columnEntrySize;
    for (std::uint32_t i = 0; i < columnCount; ++i, at += f.columnEntrySize) {
        Column c;
        std::uint8_t type = r.U8(at + f.colType, "列类型");
        if (!IsKnownType(type))
            file.Fail(Say(Msg::ColumnUnknownType, name, i, type));
        c.type = static_cast<ColumnType>(type);
        c.number = r.U16(at + f.colNumber, "列编号");
        c.varIndex = r.U16(at + f.colVarIndex, "列的变长序号");
        c.flags = r.U8(at + f.colFlags, "列标志");
        c.fixedOffset = r.U16(at + f.colFixedOffset, "列偏移");
        c.length = r.U16(at + f.colLength, "列长度");
        c.fixed = (c.flags & 0x01) != 0;
        if (c.type == ColumnType::Boolean)
            c.fixed = true;
        else if (c.fixed && FixedSize(c.type) == 0)
            file.Fail(Say(Msg::ColumnVariableMarkedFixed, name, i));
        else if (!c.fixed && FixedSize(c.type) != 0 && c.type != ColumnType::Numeric &&
                 c.type != ColumnType::Guid)
            file.Fail(Say(Msg::ColumnFixedMarkedVariable, name, i));
        t.m_columns.push_back(c);
    }
    at = names;
    for (auto& c : t.m_columns) {
        std::uint32_t len = f.columnNameLengthSize == 1 ? r.U8(at, "列名") : r.U16(at, "列名");
        at += f.columnNameLengthSize;
        std::string_view raw = r.Bytes(at, len, "列名");
        at += len;
        if (f.version == JetVersion::Jet4) {
            c.name = win::Utf16LeToUtf8(raw);
        } else if (!win::CodePageToUtf8(file.TextCodePage(), raw, c.name)) {
            file.Fail(Say(Msg::ColumnNameInvalid, name, file.TextCodePage()));
        }
    }
    for (std::uint64_t k = 0; k < physical; ++k, at += f.physicalIndexSize) {
        r.Need(at, f.physicalIndexSize, "索引定义");
        for (int slot = 0; slot < 10; ++slot) {
            std::uint16_t col = r.U16(at + f.physicalIndexSlots + 3 * slot, "索引列");
            for (auto& c : t.m_columns)
                if (col != 0xFFFF && c.number == col)
                    c.indexed = true;
        }
    }
    std::sort(t.m_columns.begin(), t.m_columns.end(),
              [](const Column& a, const Column& b) { return a.number < b.number; });
    for (size_t i = 1; i < t.m_columns.size(); ++i)
        if (t.m_columns[i].number == t.m_columns[i - 1].number)
            file.Fail(Say(Msg::ColumnNumberShared, name, t.m_columns[i].number));
    return t;
}

} // namespace bank::jet
