#pragma once

#include <optional>
#include <regex>
#include <string>

// Regular expressions over the characters of UTF-8 text rather than its bytes, so that "." in a script
// stands for one Chinese character, not one byte of it.
class TextRegex {
public:
    // Throws std::regex_error for a pattern that does not compile.
    explicit TextRegex(const std::string& pattern);

    bool Search(const std::string& text) const;
    // The first match's group `group` (the whole match when the pattern has fewer groups), as UTF-8.
    std::optional<std::string> SearchGroup(const std::string& text, std::size_t group) const;
    bool WholeMatch(const std::string& text) const;

private:
    std::wregex m_regex;
};
