// The statements the bank runs, parsed: "select * from T", "select * from T where C = <integer>" and
// "update T set C = <value> where D = <value>", where a value is an integer or a ":Name" parameter.
// Keywords are case-insensitive and blanks (line breaks included) are free; anything else is refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bank {

struct Operand {
    bool isParameter = false;
    std::string parameter; // without the ":"
    std::int64_t integer = 0;
};

struct Statement {
    enum class Kind { Select, Update };
    Kind kind = Kind::Select;
    std::string table;
    bool hasWhere = false;
    std::string whereColumn;
    Operand whereValue;
    std::string setColumn; // update only
    Operand setValue;

    // Throws EDatabaseError naming the statement and what is wrong with it for any other statement.
    static Statement Parse(std::string_view text);
    // Parameter names in order of first appearance.
    std::vector<std::string> Parameters() const;
};

} // namespace bank
