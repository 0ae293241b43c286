// Column types and the value of one cell as the engine reads or writes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bank::jet {

enum class ColumnType : std::uint8_t {
    Boolean = 1,
    Byte = 2,
    Integer = 3,
    Long = 4,
    Currency = 5,
    Single = 6,
    Double = 7,
    DateTime = 8,
    Binary = 9,
    Text = 10,
    Ole = 11,
    Memo = 12,
    Guid = 15,
    Numeric = 16,
};

// Bytes a fixed-width type takes in a row; 0 for the variable-length ones.
std::uint32_t FixedSize(ColumnType type);
bool IsKnownType(std::uint8_t type);
std::string_view TypeName(ColumnType type);

struct Value {
    enum class Kind { Null, Integer, Real, Text, Bytes };

    Kind kind = Kind::Null;
    std::int64_t integer = 0; // Boolean, Byte, Integer, Long; Currency in 1/10000 units
    double real = 0;          // Single, Double, DateTime (days since 1899-12-30)
    std::string text;         // Text and Memo as UTF-8; Binary, OLE, GUID and Numeric as raw bytes

    bool IsNull() const { return kind == Kind::Null; }
    static Value Null() { return {}; }
    static Value Int(std::int64_t v) { return {Kind::Integer, v, 0, {}}; }
    static Value Real(double v) { return {Kind::Real, 0, v, {}}; }
    static Value Str(std::string v) { return {Kind::Text, 0, 0, std::move(v)}; }
    static Value Raw(std::string v) { return {Kind::Bytes, 0, 0, std::move(v)}; }
};

} // namespace bank::jet
