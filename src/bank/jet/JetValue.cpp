#include "bank/jet/JetValue.h"

namespace bank::jet {

namespace {

struct TypeInfo {
    ColumnType type;
    std::uint32_t fixedSize;
    std::string_view name;
};

constexpr TypeInfo kTypes[] = {
    {ColumnType::Boolean, 0, "Boolean"},   {ColumnType::Byte, 1, "Byte"},
    {ColumnType::Integer, 2, "Integer"},   {ColumnType::Long, 4, "Long Integer"},
    {ColumnType::Currency, 8, "Currency"}, {ColumnType::Single, 4, "Single"},
    {ColumnType::Double, 8, "Double"},     {ColumnType::DateTime, 8, "Date/Time"},
    {ColumnType::Binary, 0, "Binary"},     {ColumnType::Text, 0, "Text"},
    {ColumnType::Ole, 0, "OLE Object"},    {ColumnType::Memo, 0, "Memo"},
    {ColumnType::Guid, 16, "GUID"},        {ColumnType::Numeric, 17, "Numeric"},
};

const TypeInfo* Find(std::uint8_t type) {
    for (const auto& t : kTypes)
        if (static_cast<std::uint8_t>(t.type) == type)
            return &t;
    return nullptr;
}

} // namespace

std::uint32_t FixedSize(ColumnType type) {
    const TypeInfo* t = Find(static_cast<std::uint8_t>(type));
    return t ? t->fixedSize : 0;
}

bool IsKnownType(std::uint8_t type) {
    return Find(type) != nullptr;
}

std::string_view TypeName(ColumnType type) {
    const TypeInfo* t = Find(static_cast<std::uint8_t>(type));
    return t ? t->name : "unknown";
}

} // namespace bank::jet
