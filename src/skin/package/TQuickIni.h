// The skin description text: INI-style sections and key=value lines, read with defaults.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TQuickIni {
public:
    // Parses the bytes from `position` to the end, replacing what was loaded before. A null stream is
    // ignored and leaves the loaded text as it was.
    void LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position = 0);
    void LoadFromText(std::string_view text);

    // Section names without brackets and surrounding blanks, in order of appearance (duplicates kept).
    void ReadSections(std::vector<std::string>& list) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    // Position in Lines() of the first header "[section]" (letter case ignored), or -1.
    int SectionIndex(std::string_view section) const;

    // The kept lines, trimmed, in order.
    std::size_t LineCount() const { return m_lines.size(); }
    std::string_view Line(std::size_t index) const;

    // Decimal with optional sign, "$" hexadecimal after the sign, or "0x"/"0X" hexadecimal (up to 32 bits,
    // taken as two's complement). False for anything else or a value out of range.
    static bool ParseInteger(std::string_view text, std::int32_t& value);

    static std::string_view Trim(std::string_view text);

private:
    // Lines are kept as places in the loaded text, so a text of many short lines costs a few bytes a line.
    struct LineSpan {
        std::uint32_t Offset;
        std::uint32_t Length;
    };
    std::string m_text;
    std::vector<LineSpan> m_lines;
    std::vector<int> m_sections; // positions in lines_ of the section headers, in order
};

} // namespace skin
