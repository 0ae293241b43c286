// Reads layout text into a LayoutObject tree. Grammar (UTF-8, '#' starts a comment outside strings):
//
//   object  := "object" NAME ":" CLASS NEWLINE { assignment | object } "end"
//   assignment := PATH "=" value            PATH is NAME { "." NAME }
//   value   := STRING | INTEGER | "true" | "false" | IDENT | "[" [IDENT {"," IDENT}] "]"
//            | "{" hex digits and blanks over any number of lines "}" | "@" HANDLER
//
// Strings are double-quoted with \" \\ \n \t escapes; integers are decimal (optionally negative) or 0x hex.
// Every fault throws LayoutError with the file name and line.
#pragma once

#include "toolkit/layout/LayoutDocument.h"

#include <string_view>

namespace tk::layout {

class LayoutParser {
public:
    // Limits that keep a hostile file from exhausting the stack or memory.
    static constexpr int kMaxDepth = 64;
    static constexpr std::size_t kMaxText = 64u << 20;

    static LayoutObject Parse(std::string_view text, std::string_view fileName);
    static LayoutObject ParseFile(const std::string& path);
};

} // namespace tk::layout
