#include "skin/package/TQuickIni.h"

#include "platform/os/Bytes.h"
#include "skin/package/LineSplitter.h"
#include "skin/package/TSkinReader.h"

#include <limits>

namespace skin {

namespace {

bool IsSectionHeader(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

bool ParseHex(std::string_view digits, std::uint32_t& value) {
    if (digits.empty())
        return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        const int d = win::HexDigitValue(c);
        if (d < 0)
            return false;
        v = v * 16 + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFu)
            return false;
    }
    value = static_cast<std::uint32_t>(v);
    return true;
}

} // namespace

std::string_view TQuickIni::Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position) {
    if (stream == nullptr)
        return;
    if (position > stream->size())
        position = stream->size();
    LoadFromText(std::string_view(reinterpret_cast<const char*>(stream->data()) + position,
                                  stream->size() - position));
}

std::string_view TQuickIni::Line(std::size_t index) const {
    const LineSpan& span = m_lines.at(index);
    return std::string_view(m_text).substr(span.Offset, span.Length);
}

void TQuickIni::LoadFromText(std::string_view text) {
    m_lines.clear();
    m_sections.clear();
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    // Offsets are 32-bit; a description text is a few kilobytes, and packages stop far below this.
    text = text.substr(0, std::numeric_limits<std::uint32_t>::max());
    m_text.assign(text);
    ForEachLine(m_text, [&](std::size_t offset, std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (IsSectionHeader(line))
            m_sections.push_back(static_cast<int>(m_lines.size()));
        const std::size_t start = offset + static_cast<std::size_t>(line.data() - raw.data());
        m_lines.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(line.size())});
    });
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const {
    list.clear();
    for (int position : m_sections) {
        const std::string_view header = Line(static_cast<std::size_t>(position));
        list.emplace_back(Trim(header.substr(1, header.size() - 2)));
    }
}

int TQuickIni::SectionIndex(std::string_view section) const {
    const std::string wanted = "[" + std::string(section) + "]";
    for (int position : m_sections) {
        if (win::EqualIgnoringAsciiCase(Line(static_cast<std::size_t>(position)), wanted))
            return position;
    }
    return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    if (key.empty())
        return std::string(defaultValue);
    const int start = SectionIndex(section);
    if (start < 0)
        return std::string(defaultValue);
    const std::string wanted = TSkinReader::LowerCase(key);
    for (std::size_t i = static_cast<std::size_t>(start) + 1; i < m_lines.size(); ++i) {
        const std::string_view line = Line(i);
        if (IsSectionHeader(line))
            break;
        const std::size_t eq = line.find('=');
        const std::string_view lineKey =
            eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
        if (TSkinReader::LowerCase(Trim(lineKey)) != wanted)
            continue;
        const std::string_view value = Trim(line.substr(eq + 1));
        return value.empty() ? std::string(defaultValue) : std::string(value);
    }
    return std::string(defaultValue);
}

bool TQuickIni::ParseInteger(std::string_view text, std::int32_t& value) {
    std::uint32_t hex = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ParseHex(text.substr(2), hex))
            return false;
        value = static_cast<std::int32_t>(hex);
        return true;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text[0] == '$') {
        if (!ParseHex(text.substr(1), hex))
            return false;
        value = static_cast<std::int32_t>(negative ? 0u - hex : hex);
        return true;
    }
    if (text.empty())
        return false;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    std::int32_t value = 0;
    return ParseInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

} // namespace skin
