// Text conversion at file boundaries: everything above the platform holds UTF-8, while stored files may
// hold a Windows code page (936, 1252, ...) or UTF-16LE.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

namespace win {

constexpr UINT CP_ACP = 0;
constexpr UINT CP_GBK = 936;
constexpr UINT CP_WINDOWS_LATIN1 = 1252;
constexpr UINT CP_UTF8 = 65001;

// True when the code page can be converted (CP_ACP and CP_UTF8 mean UTF-8 on this platform).
bool IsCodePageSupported(UINT codePage);

// Strict conversions: false (and `out` cleared) when the input holds a byte sequence the code page does
// not define, or a character the target code page cannot hold.
bool CodePageToUtf8(UINT codePage, std::string_view bytes, std::string& out);
bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& out);

// UTF-16 code units to UTF-8. An unpaired surrogate becomes U+FFFD rather than failing, because stored
// text cut at an arbitrary length can split a pair and the rest must stay readable.
std::string Utf16ToUtf8(std::u16string_view units);
// Little-endian byte form of UTF-16, as stored in files; an odd trailing byte is dropped.
std::string Utf16LeToUtf8(std::string_view bytes);

// Strict: false when `utf8` is not well-formed UTF-8 (overlongs, surrogates, values past U+10FFFF).
bool Utf8ToUtf16(std::string_view utf8, std::u16string& out);
bool Utf8ToUtf16Le(std::string_view utf8, std::string& out);

// Well-formed UTF-8 check, with the same rules as Utf8ToUtf16.
bool IsValidUtf8(std::string_view text);

// Lenient, for text on screen: malformed bytes and values that are no code point become U+FFFD.
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view codePoints);

} // namespace win
