#include "bank/jet/RowReader.h"

#include "bank/jet/JetText.h"
#include "bank/jet/MessageTable.h"
#include "platform/os/CodePage.h"

#include <cstring>
#include <set>

namespace bank::jet {

void RowReader::Fail(const RowExtent& where, const std::string& what) const {
    m_file.Fail(Say(Msg::InRow, m_table.Name(), where.page, where.row, what));
}

RowReader::Layout RowReader::Parse(std::span<const std::uint8_t> row, const RowExtent& where) const {
    const JetFormat& f = m_file.Format();
    const bool jet4 = f.version == JetVersion::Jet4;
    Layout l;
    const std::uint32_t size = static_cast<std::uint32_t>(row.size());
    if (size < f.rowCountSize)
        Fail(where, Say(Msg::RowEmpty));
    l.columnCount = jet4 ? win::ReadLe16(row, 0) : row[0];
    std::uint32_t maskLen = (l.columnCount + 7) / 8;
    if (f.rowCountSize + maskLen > size)
        Fail(where, Say(Msg::RowShorterThanMask));
    l.maskStart = size - maskLen;
    l.fixedLimit = l.maskStart;
    if (m_table.VarColumnCount() == 0)
        return l;
    if (l.maskStart < f.rowCountSize * 2)
        Fail(where, Say(Msg::RowTooShortForVarCount));
    std::uint32_t varCount = jet4 ? win::ReadLe16(row, l.maskStart - 2) : row[l.maskStart - 1];
    l.varOffsets.resize(varCount + 1);
    if (jet4) {
        if (static_cast<std::uint64_t>(4) + 2ull * varCount + 2 > l.maskStart)
            Fail(where, Say(Msg::RowOffsetTablePastStart));
        for (std::uint32_t i = 0; i <= varCount; ++i)
            l.varOffsets[i] = win::ReadLe16(row, l.maskStart - 4 - 2 * i);
        l.fixedLimit = l.maskStart - 4 - 2 * varCount;
    } else {
        // One-byte offsets, with a table of 256-byte boundaries between them and the var count.
        std::uint32_t jumps = (size - 1) / 256;
        std::uint64_t tableEnd = l.maskStart - 1; // var count byte
        if (jumps + varCount + 2ull > tableEnd)
            Fail(where, Say(Msg::RowOffsetTablePastStart));
        std::uint32_t colPtr = static_cast<std::uint32_t>(tableEnd - jumps - 1);
        if ((colPtr - varCount) / 256 < jumps)
            --jumps;
        std::uint32_t used = 0;
        for (std::uint32_t i = 0; i <= varCount; ++i) {
            while (used < jumps && i == row[tableEnd - 1 - used])
                ++used;
            l.varOffsets[i] = row[colPtr - i] + 256 * used;
        }
        l.fixedLimit = colPtr - varCount;
    }
    for (std::uint32_t i = 0; i <= varCount; ++i)
        if (l.varOffsets[i] > l.fixedLimit || (i > 0 && l.varOffsets[i] < l.varOffsets[i - 1]))
            Fail(where, Say(Msg::RowVarOffsetOutside, i));
    if (l.varOffsets[0] < f.rowCountSize)
        Fail(where, Say(Msg::RowVarOverlapsCount));
    l.fixedLimit = l.varOffsets[0];
    return l;
}

bool RowReader::Present(std::span<const std::uint8_t> row, const Layout& l, std::uint16_t number) const {
    if (number >= l.columnCount)
        return false;
    return (row[l.maskStart + number / 8] >> (number % 8)) & 1;
}

std::string RowReader::Text(std::string_view stored) const {
    if (m_file.Format().version == JetVersion::Jet4)
        return JetText::Decode(stored);
    std::string out;
    if (!win::CodePageToUtf8(m_file.TextCodePage(), stored, out)) {
        // Keep what converts: a stray byte should not make a whole table unreadable.
        out.clear();
        for (char ch : stored) {
            std::string one;
            out += win::CodePageToUtf8(m_file.TextCodePage(), std::string_view(&ch, 1), one) ? one
                                                                                             : "\xEF\xBF\xBD";
        }
    }
    return out;
}

std::string RowReader::LongValue(std::string_view header, std::string_view inlineData,
                                 const RowExtent& where) const {
    static const std::string kWhat = Say(Msg::WhatLongValue), kWhatChain = Say(Msg::WhatLongValueChain);
    auto h = std::span(reinterpret_cast<const std::uint8_t*>(header.data()), header.size());
    std::uint32_t word = win::ReadLe32(h, 0);
    std::uint32_t length = word & 0x3FFFFFFF;
    std::uint32_t pointer = win::ReadLe32(h, 4);
    if (word & 0x80000000u) {
        if (length > inlineData.size())
            Fail(where, Say(Msg::InlineLongValueTooLong, length, inlineData.size()));
        return std::string(inlineData.substr(0, length));
    }
    if (word & 0x40000000u) {
        RowExtent e = DataPage::Resolve(m_file, pointer, kWhat);
        auto p = m_file.Page(e.page);
        std::uint32_t n = std::min(length, e.Length());
        return std::string(reinterpret_cast<const char*>(p.data() + e.start), n);
    }
    std::string out;
    std::set<std::uint32_t> seen;
    while (out.size() < length) {
        if (pointer == 0)
            Fail(where, Say(Msg::LongValueChainEnds, out.size(), length));
        if (!seen.insert(pointer).second)
            Fail(where, Say(Msg::LongValueChainCycle));
        RowExtent e = DataPage::Resolve(m_file, pointer, kWhatChain);
        if (e.Length() < 4)
            Fail(where, Say(Msg::LongValueChainRowShort));
        auto p = m_file.Page(e.page);
        pointer = win::ReadLe32(p, e.start);
        std::uint32_t n =
            std::min<std::uint32_t>(e.Length() - 4, length - static_cast<std::uint32_t>(out.size()));
        out.append(reinterpret_cast<const char*>(p.data() + e.start + 4), n);
    }
    return out;
}

Value RowReader::Decode(std::span<const std::uint8_t> row, const Layout& l, const Column& c,
                        const RowExtent& where) const {
    if (c.type == ColumnType::Boolean)
        return Value::Int(Present(row, l, c.number) ? 1 : 0);
    if (!Present(row, l, c.number))
        return Value::Null();
    if (c.fixed) {
        std::uint32_t size = FixedSize(c.type);
        std::uint32_t at = m_file.Format().rowCountSize + c.fixedOffset;
        if (at + size > l.fixedLimit)
            return Value::Null(); // the column was added after this row was written
        auto b = row.subspan(at, size);
        switch (c.type) {
        case ColumnType::Byte: return Value::Int(b[0]);
        case ColumnType::Integer: return Value::Int(static_cast<std::int16_t>(win::ReadLe16(b, 0)));
        case ColumnType::Long: return Value::Int(static_cast<std::int32_t>(win::ReadLe32(b, 0)));
        case ColumnType::Currency: {
            std::int64_t v;
            std::memcpy(&v, b.data(), 8);
            return Value::Int(v);
        }
        case ColumnType::Single: {
            float v;
            std::memcpy(&v, b.data(), 4);
            return Value::Real(v);
        }
        case ColumnType::Double:
        case ColumnType::DateTime: {
            double v;
            std::memcpy(&v, b.data(), 8);
            return Value::Real(v);
        }
        default: return Value::Raw(std::string(reinterpret_cast<const char*>(b.data()), b.size()));
        }
    }
    if (static_cast<size_t>(c.varIndex) + 1 >= l.varOffsets.size())
        return Value::Null();
    std::uint32_t from = l.varOffsets[c.varIndex], to = l.varOffsets[c.varIndex + 1];
    std::string_view data(reinterpret_cast<const char*>(row.data() + from), to - from);
    switch (c.type) {
    case ColumnType::Text: return Value::Str(Text(data));
    case ColumnType::Memo:
    case ColumnType::Ole: {
        if (data.size() < 12)
            Fail(where, Say(Msg::LongValueHeaderShort, c.name, data.size()));
        std::string raw = LongValue(data.substr(0, 12), data.substr(12), where);
        return c.type == ColumnType::Memo ? Value::Str(Text(raw)) : Value::Raw(std::move(raw));
    }
    default: return Value::Raw(std::string(data));
    }
}

void RowReader::Read(const RowExtent& row, std::vector<Value>& out) const {
    auto bytes = m_file.Page(row.page).subspan(row.start, row.Length());
    Layout l = Parse(bytes, row);
    out.clear();
    out.reserve(m_table.Columns().size());
    for (const auto& c : m_table.Columns())
        out.push_back(Decode(bytes, l, c, row));
}

Value RowReader::ReadColumn(const RowExtent& row, size_t column) const {
    auto bytes = m_file.Page(row.page).subspan(row.start, row.Length());
    Layout l = Parse(bytes, row);
    return Decode(bytes, l, m_table.Columns().at(column), row);
}

RowReader::FixedSlot RowReader::Slot(const RowExtent& row, size_t column) const {
    const Column& c = m_table.Columns().at(column);
    auto bytes = m_file.Page(row.page).subspan(row.start, row.Length());
    Layout l = Parse(bytes, row);
    std::uint32_t at = m_file.Format().rowCountSize + c.fixedOffset;
    if (c.number >= l.columnCount || at + FixedSize(c.type) > l.fixedLimit)
        Fail(row, Say(Msg::RowHasNoSlot, c.name));
    FixedSlot s;
    s.offset = row.start + at;
    s.maskByte = row.start + l.maskStart + c.number / 8;
    s.maskBit = static_cast<std::uint8_t>(1u << (c.number % 8));
    s.present = Present(bytes, l, c.number);
    return s;
}

bool RowReader::VarBytes(const RowExtent& row, size_t column, std::uint32_t& offset,
                         std::uint32_t& length) const {
    const Column& c = m_table.Columns().at(column);
    auto bytes = m_file.Page(row.page).subspan(row.start, row.Length());
    Layout l = Parse(bytes, row);
    if (c.fixed || !Present(bytes, l, c.number) || static_cast<size_t>(c.varIndex) + 1 >= l.varOffsets.size())
        return false;
    offset = row.start + l.varOffsets[c.varIndex];
    length = l.varOffsets[c.varIndex + 1] - l.varOffsets[c.varIndex];
    return true;
}

} // namespace bank::jet
