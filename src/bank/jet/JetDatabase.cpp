#include "bank/jet/JetDatabase.h"

#include "bank/jet/JetText.h"
#include "bank/jet/MessageTable.h"
#include "bank/jet/RowReader.h"
#include "platform/os/CodePage.h"

#include <set>

namespace bank::jet {

namespace {
constexpr std::uint32_t kCatalogPage = 2;
}

JetDatabase::JetDatabase(const std::string& path, JetFile::Mode mode)
    : m_file(std::make_unique<JetFile>(path, mode)) {
    ReadCatalog();
}

void JetDatabase::ReadCatalog() {
    TableDef sys = TableDef::Read(*m_file, kCatalogPage, "MSysObjects");
    int id = sys.Find("Id"), name = sys.Find("Name"), type = sys.Find("Type"), flags = sys.Find("Flags");
    if (id < 0 || name < 0 || type < 0)
        m_file->Fail(Say(Msg::CatalogLacksColumns));
    RowReader reader(*m_file, sys);
    std::vector<Value> row;
    Scan(sys, [&](const RowExtent& e) {
        reader.Read(e, row);
        CatalogEntry c;
        c.name = row[name].text;
        c.id = static_cast<std::uint32_t>(row[id].integer);
        c.type = static_cast<std::int32_t>(row[type].integer);
        c.flags = flags >= 0 ? static_cast<std::uint32_t>(row[flags].integer) : 0;
        m_catalog.push_back(std::move(c));
        return true;
    });
}

std::vector<std::string> JetDatabase::TableNames() const {
    std::vector<std::string> names;
    for (const auto& c : m_catalog)
        if (c.IsUserTable())
            names.push_back(c.name);
    return names;
}

const TableDef& JetDatabase::Table(std::string_view name) {
    for (const auto& c : m_catalog) {
        if ((c.type & 0x7F) != 1 || !NamesEqual(c.name, name))
            continue;
        std::uint32_t page = c.id & 0x00FFFFFF;
        auto it = m_tables.find(page);
        if (it == m_tables.end())
            it = m_tables.emplace(page, std::make_unique<TableDef>(TableDef::Read(*m_file, page, c.name)))
                     .first;
        return *it->second;
    }
    m_file->Fail(Say(Msg::NoSuchTable, name));
}

std::vector<PageFault> JetDatabase::ForeignPages(const TableDef& table) const {
    return ForeignPages(table, DataPage::UsageMap(*m_file, table.UsageMapPointer()));
}

std::vector<PageFault> JetDatabase::ForeignPages(const TableDef& table,
                                                 const std::vector<std::uint32_t>& pages) const {
    std::vector<PageFault> faults;
    for (std::uint32_t page : pages) {
        auto p = m_file->Page(page);
        std::uint32_t owner = win::ReadLe32(p, 4);
        if (p[0] != 0x01)
            faults.push_back({page, Say(Msg::ForeignPage, table.Name(), page, table.Page(),
                                        Say(Msg::FoundPageType, p[0]))});
        else if (owner != table.Page())
            faults.push_back({page, Say(Msg::ForeignPage, table.Name(), page, table.Page(),
                                        Say(Msg::FoundOtherOwner, owner))});
    }
    return faults;
}

void JetDatabase::Scan(const TableDef& table, const std::function<bool(const RowExtent&)>& visit) const {
    // A listed page that is not the table's own means rows are missing; reading on would hand out a
    // silently shortened table (and take wrong-answer flags into it).
    std::vector<std::uint32_t> pages = DataPage::UsageMap(*m_file, table.UsageMapPointer());
    std::vector<PageFault> foreign = ForeignPages(table, pages);
    if (!foreign.empty())
        m_file->Fail(foreign.front().what);
    const std::string what = Say(Msg::WhatTable, table.Name());
    for (std::uint32_t page : pages) {
        std::uint32_t count = DataPage::RowCount(*m_file, page);
        for (std::uint32_t r = 0; r < count; ++r) {
            RowExtent e = DataPage::Row(*m_file, page, r);
            if (e.flags & kRowDeleted)
                continue;
            if (e.flags & kRowOverflow)
                e = DataPage::Resolve(*m_file, (page << 8) | r, what);
            if (!visit(e))
                return;
        }
    }
}

std::vector<std::vector<Value>> JetDatabase::ReadAll(const TableDef& table) const {
    RowReader reader(*m_file, table);
    std::vector<std::vector<Value>> rows;
    Scan(table, [&](const RowExtent& e) {
        rows.emplace_back();
        reader.Read(e, rows.back());
        return true;
    });
    return rows;
}

const Column& JetDatabase::WritableColumn(const TableDef& table, std::string_view column,
                                          size_t& index) const {
    if (!m_file->Writable())
        m_file->Fail(Say(Msg::ReadOnly));
    int i = table.Find(column);
    if (i < 0)
        m_file->Fail(Say(Msg::NoSuchColumn, table.Name(), column));
    index = static_cast<size_t>(i);
    const Column& c = table.Columns()[index];
    if (c.indexed)
        m_file->Fail(Say(Msg::ColumnIndexed, table.Name(), c.name));
    return c;
}

void JetDatabase::UpdateFixed(const TableDef& table, std::string_view column,
                              const std::vector<RowExtent>& rows, std::int64_t value) {
    size_t index;
    const Column& c = WritableColumn(table, column, index);
    std::int64_t lo, hi;
    switch (c.type) {
    case ColumnType::Byte: lo = 0, hi = 255; break;
    case ColumnType::Integer: lo = INT16_MIN, hi = INT16_MAX; break;
    case ColumnType::Long: lo = INT32_MIN, hi = INT32_MAX; break;
    default: m_file->Fail(Say(Msg::ColumnNotUpdatable, c.name, TypeName(c.type)));
    }
    if (value < lo || value > hi)
        m_file->Fail(Say(Msg::ValueOutOfRange, value, c.name, TypeName(c.type)));
    RowReader reader(*m_file, table);
    std::vector<JetFile::Patch> patches;
    const std::uint32_t size = FixedSize(c.type);
    for (const RowExtent& e : rows) {
        RowReader::FixedSlot s = reader.Slot(e, index);
        std::vector<std::uint8_t> bytes(size);
        for (std::uint32_t k = 0; k < size; ++k)
            bytes[k] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * k));
        patches.push_back({e.page, s.offset, std::move(bytes)});
        if (!s.present)
            patches.push_back({e.page,
                               s.maskByte,
                               {static_cast<std::uint8_t>(m_file->Page(e.page)[s.maskByte] | s.maskBit)}});
    }
    if (!patches.empty())
        m_file->Write(patches);
}

void JetDatabase::RewriteText(const TableDef& table, std::string_view column,
                              const std::vector<std::pair<RowExtent, std::string>>& rows) {
    size_t index;
    const Column& c = WritableColumn(table, column, index);
    if (c.type != ColumnType::Text && c.type != ColumnType::Memo)
        m_file->Fail(Say(Msg::NotTextColumn, c.name));
    std::vector<JetFile::Patch> patches;
    for (const auto& entry : rows) {
        const RowExtent& e = entry.first;
        const std::string& text = entry.second;
        std::uint32_t page = e.page, offset, length;
        if (!RowReader(*m_file, table).VarBytes(e, index, offset, length))
            m_file->Fail(Say(Msg::TextIsNull, e.page, e.row, c.name));
        if (c.type == ColumnType::Memo) {
            // The text is after the 12-byte header (inline) or in the one long-value row it names.
            auto bytes = m_file->Page(page);
            if (length < 12)
                m_file->Fail(Say(Msg::LongValueHeaderMalformed, e.page, e.row, c.name));
            std::uint32_t word = win::ReadLe32(bytes, offset);
            std::uint32_t stored = word & 0x3FFFFFFF;
            if (word & 0x80000000u) {
                if (stored > length - 12)
                    m_file->Fail(Say(Msg::InlineValueMalformed, e.page, e.row, c.name));
                offset += 12;
                length = stored;
            } else if (word & 0x40000000u) {
                RowExtent lval =
                    DataPage::Resolve(*m_file, win::ReadLe32(bytes, offset + 4), Say(Msg::WhatLongValue));
                page = lval.page;
                offset = lval.start;
                length = std::min(stored, lval.Length());
            } else {
                m_file->Fail(Say(Msg::LongValueSpansPages, e.page, e.row, c.name));
            }
        }
        auto bytes = m_file->Page(page);
        std::string_view old(reinterpret_cast<const char*>(bytes.data() + offset), length);
        std::string stored;
        bool ok;
        if (m_file->Format().version == JetVersion::Jet3)
            ok = win::Utf8ToCodePage(m_file->TextCodePage(), text, stored) && stored.size() == old.size();
        else
            ok = JetText::Restore(old, text, stored);
        if (!ok)
            m_file->Fail(Say(Msg::TextDoesNotFit, e.page, e.row, c.name));
        patches.push_back({page, offset, std::vector<std::uint8_t>(stored.begin(), stored.end())});
    }
    if (!patches.empty())
        m_file->Write(patches);
}

} // namespace bank::jet
