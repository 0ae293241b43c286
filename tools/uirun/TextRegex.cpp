#include "TextRegex.h"

#include "platform/os/CodePage.h"

static_assert(sizeof(wchar_t) == sizeof(char32_t), "one wchar_t must hold one code point");

namespace {

std::wstring Widen(const std::string& utf8) {
    const std::u32string points = win::Utf8ToUtf32(utf8);
    return std::wstring(points.begin(), points.end());
}

std::string Narrow(const std::wstring& wide) {
    return win::Utf32ToUtf8(std::u32string(wide.begin(), wide.end()));
}

} // namespace

TextRegex::TextRegex(const std::string& pattern) : m_regex(Widen(pattern)) {
}

bool TextRegex::Search(const std::string& text) const {
    return std::regex_search(Widen(text), m_regex);
}

std::optional<std::string> TextRegex::SearchGroup(const std::string& text, std::size_t group) const {
    const std::wstring wide = Widen(text);
    std::wsmatch match;
    if (!std::regex_search(wide, match, m_regex))
        return std::nullopt;
    return Narrow(match[group < match.size() ? group : 0].str());
}

bool TextRegex::WholeMatch(const std::string& text) const {
    return std::regex_match(Widen(text), m_regex);
}
