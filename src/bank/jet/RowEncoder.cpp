#include "bank/jet/RowEncoder.h"

#include "bank/jet/JetError.h"
#include "bank/jet/JetText.h"

#include <cstring>

namespace bank::jet::writer {

TableLayout Lay(const std::string& name, const std::vector<ColumnSpec>& specs, bool system) {
    TableLayout t;
    t.name = name;
    t.system = system;
    for (const auto& s : specs) {
        ColumnLayout c;
        c.layout = s;
        c.number = static_cast<std::uint16_t>(t.columns.size());
        c.size = FixedSize(s.type);
        if (c.size) {
            c.fixedOffset = static_cast<std::uint16_t>(t.fixedArea);
            t.fixedArea += c.size;
        } else {
            c.varIndex = t.varColumns++;
        }
        t.columns.push_back(c);
    }
    return t;
}

std::vector<std::uint8_t> RowEncoder::Encode(const std::vector<Value>& values, size_t rowNumber) {
    m_row = rowNumber;
    if (values.size() != m_t.columns.size())
        Fail(nullptr, "has " + std::to_string(values.size()) + " values for " +
                          std::to_string(m_t.columns.size()) + " columns");
    const std::uint32_t n = static_cast<std::uint32_t>(m_t.columns.size());
    std::vector<std::uint8_t> row;
    Append16(row, n);
    row.resize(2 + m_t.fixedArea, 0);
    std::vector<std::uint8_t> mask((n + 7) / 8, 0);
    std::vector<std::uint32_t> offsets;
    for (const auto& c : m_t.columns) {
        const Value& v = values[c.number];
        if (!c.size)
            offsets.push_back(static_cast<std::uint32_t>(row.size()));
        if (v.IsNull())
            continue;
        mask[c.number / 8] |= static_cast<std::uint8_t>(1u << (c.number % 8));
        if (c.size)
            Fixed(c, v, &row[2 + c.fixedOffset]);
        else
            Variable(c, v, row);
    }
    if (m_t.varColumns) {
        std::uint32_t eod = static_cast<std::uint32_t>(row.size());
        Append16(row, eod);
        for (size_t i = offsets.size(); i-- > 0;)
            Append16(row, offsets[i]);
        Append16(row, m_t.varColumns);
    }
    row.insert(row.end(), mask.begin(), mask.end());
    if (row.size() > kMaxRow)
        Fail(nullptr, "takes " + std::to_string(row.size()) + " bytes; a row holds at most " +
                          std::to_string(kMaxRow));
    return row;
}

void RowEncoder::Fail(const ColumnLayout* c, const std::string& what) const {
    throw JetError("table \"" + m_t.name + "\", row " + std::to_string(m_row + 1) +
                   (c ? ", column \"" + c->layout.name + "\"" : std::string()) + ": " + what);
}

std::int64_t RowEncoder::Integer(const ColumnLayout& c, const Value& v, std::int64_t lo,
                                 std::int64_t hi) const {
    if (v.kind != Value::Kind::Integer)
        Fail(&c, "needs an integer");
    if (v.integer < lo || v.integer > hi)
        Fail(&c, "the value " + std::to_string(v.integer) + " is out of range");
    return v.integer;
}

void RowEncoder::Fixed(const ColumnLayout& c, const Value& v, std::uint8_t* at) const {
    switch (c.layout.type) {
    case ColumnType::Byte: *at = static_cast<std::uint8_t>(Integer(c, v, 0, 255)); break;
    case ColumnType::Integer:
        Put16(at, static_cast<std::uint32_t>(Integer(c, v, INT16_MIN, INT16_MAX)));
        break;
    case ColumnType::Long: Put32(at, static_cast<std::uint32_t>(Integer(c, v, INT32_MIN, INT32_MAX))); break;
    case ColumnType::Currency: {
        std::int64_t x = Integer(c, v, INT64_MIN, INT64_MAX);
        std::memcpy(at, &x, 8);
        break;
    }
    default: {
        double d = v.kind == Value::Kind::Real      ? v.real
                   : v.kind == Value::Kind::Integer ? static_cast<double>(v.integer)
                                                    : (Fail(&c, "needs a number"), 0.0);
        if (c.layout.type == ColumnType::Single) {
            float x = static_cast<float>(d);
            std::memcpy(at, &x, 4);
        } else {
            std::memcpy(at, &d, 8);
        }
    }
    }
}

void RowEncoder::Variable(const ColumnLayout& c, const Value& v, std::vector<std::uint8_t>& row) {
    if (v.kind != Value::Kind::Text && v.kind != Value::Kind::Bytes)
        Fail(&c, "needs text");
    std::string stored;
    switch (c.layout.type) {
    case ColumnType::Text:
        if (JetText::Utf16Length(v.text) > c.layout.textChars)
            Fail(&c, "the text has more than " + std::to_string(c.layout.textChars) + " characters");
        [[fallthrough]];
    case ColumnType::Memo: {
        bool compress =
            c.layout.type == ColumnType::Text || JetText::Utf16Length(v.text) <= kMaxCompressedMemoChars;
        if (!JetText::Encode(v.text, compress, stored))
            Fail(&c, "the text is not valid UTF-8 (or starts with U+FEFF in a form that cannot be stored)");
        break;
    }
    default: stored = v.text;
    }
    if (c.layout.type == ColumnType::Memo || c.layout.type == ColumnType::Ole)
        LongValue(stored, row);
    else
        row.insert(row.end(), stored.begin(), stored.end());
}

void RowEncoder::LongValue(const std::string& data, std::vector<std::uint8_t>& row) {
    const auto size = static_cast<std::uint32_t>(data.size());
    if (size > 0x3FFFFFFF)
        Fail(nullptr, "a long value is too large");
    std::uint8_t h[12] = {};
    if (size <= kInlineLongValue) {
        Put32(h, size | 0x80000000u);
        row.insert(row.end(), h, h + 12);
        row.insert(row.end(), data.begin(), data.end());
        return;
    }
    if (size <= kMaxRow) {
        Put32(h, size | 0x40000000u);
        Put32(h + 4, m_lval.Add(std::vector<std::uint8_t>(data.begin(), data.end())));
    } else {
        // A chain: each row is the pointer to the next piece, then its piece. Written back to front
        // so every row knows its successor.
        const std::uint32_t piece = kMaxRow - 4;
        std::uint32_t next = 0;
        std::uint32_t pieces = (size + piece - 1) / piece;
        for (std::uint32_t k = pieces; k-- > 0;) {
            std::uint32_t from = k * piece, n = std::min(piece, size - from);
            std::vector<std::uint8_t> r;
            Append32(r, next);
            r.insert(r.end(), data.begin() + from, data.begin() + from + n);
            next = m_lval.Add(r);
        }
        Put32(h, size);
        Put32(h + 4, next);
    }
    row.insert(row.end(), h, h + 12);
}

} // namespace bank::jet::writer
