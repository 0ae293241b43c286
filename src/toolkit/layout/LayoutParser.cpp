#include "toolkit/layout/LayoutParser.h"

#include "platform/os/Bytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace tk::layout {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

class Parser {
public:
    Parser(std::string_view text, std::string_view file) : m_text(text), m_file(file) {}

    LayoutObject ParseDocument() {
        SkipBlankLines();
        if (AtEnd())
            Fail("the layout is empty: expected \"object NAME: CLASS\"");
        LayoutObject root = ParseObject(1);
        SkipBlankLines();
        if (!AtEnd())
            Fail("unexpected text after the final \"end\"");
        return root;
    }

private:
    std::string_view m_text;
    std::string m_file;
    std::size_t m_pos = 0;
    int m_line = 1;

    [[noreturn]] void Fail(const std::string& message) const { throw LayoutError{m_file, m_line, message}; }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }

    // Blanks and comments up to, but not including, the end of the line.
    void SkipSpaces() {
        while (!AtEnd()) {
            char c = m_text[m_pos];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++m_pos;
            } else if (c == '#') {
                while (!AtEnd() && m_text[m_pos] != '\n')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    void SkipBlankLines() {
        for (;;) {
            SkipSpaces();
            if (Peek() != '\n')
                return;
            ++m_pos;
            ++m_line;
        }
    }

    void ExpectEndOfLine() {
        SkipSpaces();
        if (AtEnd())
            return;
        if (Peek() != '\n')
            Fail("unexpected text at the end of the line");
        ++m_pos;
        ++m_line;
    }

    std::string Identifier(const char* what) {
        SkipSpaces();
        if (!IsIdentStart(Peek()))
            Fail(std::string("expected ") + what);
        std::size_t start = m_pos;
        while (!AtEnd() && IsIdentChar(m_text[m_pos]))
            ++m_pos;
        return std::string(m_text.substr(start, m_pos - start));
    }

    LayoutObject ParseObject(int depth) {
        if (depth > LayoutParser::kMaxDepth)
            Fail("objects are nested too deeply");
        LayoutObject object;
        object.line = m_line;
        if (Identifier("\"object\"") != "object")
            Fail("expected \"object\"");
        object.name = Identifier("an object name");
        SkipSpaces();
        if (Peek() != ':')
            Fail("expected \":\" and a class name after the object name");
        ++m_pos;
        object.className = Identifier("a class name");
        ExpectEndOfLine();
        for (;;) {
            SkipBlankLines();
            if (AtEnd())
                Fail("object \"" + object.name + "\" has no \"end\"");
            std::size_t mark = m_pos;
            std::string word = Identifier("a property, \"object\" or \"end\"");
            if (word == "end") {
                ExpectEndOfLine();
                return object;
            }
            // "object" and "end" are keywords wherever a line starts, never property names.
            if (word == "object") {
                m_pos = mark;
                object.children.push_back(ParseObject(depth + 1));
                continue;
            }
            object.properties.push_back(ParseAssignment(std::move(word)));
        }
    }

    LayoutProperty ParseAssignment(std::string path) {
        LayoutProperty property;
        property.line = m_line;
        while (Peek() == '.') {
            ++m_pos;
            path += '.';
            path += Identifier("a property name after \".\"");
        }
        property.path = std::move(path);
        SkipSpaces();
        if (Peek() != '=')
            Fail("expected \"=\" after property " + property.path);
        ++m_pos;
        SkipSpaces();
        property.value = ParseValue(property.path);
        ExpectEndOfLine();
        return property;
    }

    LayoutValue ParseValue(const std::string& path) {
        LayoutValue value;
        char c = Peek();
        if (c == '"') {
            value.kind = LayoutValue::Kind::String;
            value.text = ParseString(path);
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            value.kind = LayoutValue::Kind::Integer;
            value.integer = ParseInteger(path);
        } else if (c == '[') {
            value.kind = LayoutValue::Kind::Set;
            value.items = ParseSet(path);
        } else if (c == '{') {
            value.kind = LayoutValue::Kind::Binary;
            value.bytes = ParseBinary(path);
        } else if (c == '@') {
            ++m_pos;
            value.kind = LayoutValue::Kind::Handler;
            value.text = Identifier(("a handler name for " + path).c_str());
        } else if (IsIdentStart(c)) {
            std::string word = Identifier("a value");
            if (word == "true" || word == "false") {
                value.kind = LayoutValue::Kind::Boolean;
                value.boolean = word == "true";
            } else {
                value.kind = LayoutValue::Kind::Identifier;
                value.text = std::move(word);
            }
        } else {
            Fail("expected a value for " + path);
        }
        return value;
    }

    std::string ParseString(const std::string& path) {
        ++m_pos; // opening quote
        std::string out;
        for (;;) {
            if (AtEnd() || Peek() == '\n')
                Fail("unterminated string in " + path);
            char c = m_text[m_pos++];
            if (c == '"')
                return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (AtEnd())
                Fail("unterminated string in " + path);
            char e = m_text[m_pos++];
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            default: Fail(std::string("unknown escape \\") + e + " in " + path);
            }
        }
    }

    std::int64_t ParseInteger(const std::string& path) {
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++m_pos;
        }
        std::uint64_t magnitude = 0;
        int base = 10;
        if (Peek() == '0' && m_pos + 1 < m_text.size() &&
            (m_text[m_pos + 1] == 'x' || m_text[m_pos + 1] == 'X')) {
            base = 16;
            m_pos += 2;
        }
        std::size_t digits = 0;
        for (; !AtEnd(); ++m_pos, ++digits) {
            int d = win::HexDigitValue(m_text[m_pos]);
            if (d < 0 || d >= base)
                break;
            if (magnitude > (std::numeric_limits<std::uint64_t>::max() - d) / base)
                Fail("integer out of range in " + path);
            magnitude = magnitude * base + d;
        }
        if (digits == 0)
            Fail("expected digits in " + path);
        if (IsIdentChar(Peek()))
            Fail("malformed integer in " + path);
        constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        if (magnitude > limit + (negative ? 1 : 0))
            Fail("integer out of range in " + path);
        if (negative)
            return magnitude == limit + 1 ? std::numeric_limits<std::int64_t>::min()
                                          : -static_cast<std::int64_t>(magnitude);
        return static_cast<std::int64_t>(magnitude);
    }

    std::vector<std::string> ParseSet(const std::string& path) {
        ++m_pos; // [
        std::vector<std::string> items;
        SkipSpaces();
        if (Peek() == ']') {
            ++m_pos;
            return items;
        }
        for (;;) {
            items.push_back(Identifier(("a set member in " + path).c_str()));
            SkipSpaces();
            if (Peek() == ']') {
                ++m_pos;
                return items;
            }
            if (Peek() != ',')
                Fail("expected \",\" or \"]\" in " + path);
            ++m_pos;
        }
    }

    std::vector<std::uint8_t> ParseBinary(const std::string& path) {
        ++m_pos; // {
        std::vector<std::uint8_t> bytes;
        int high = -1;
        for (;;) {
            if (AtEnd())
                Fail("binary data of " + path + " has no closing \"}\"");
            char c = m_text[m_pos++];
            if (c == '}')
                break;
            if (c == '\n') {
                ++m_line;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r')
                continue;
            int d = win::HexDigitValue(c);
            if (d < 0)
                Fail(std::string("binary data of ") + path + " holds a non-hex character '" + c + "'");
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("binary data of " + path + " has an odd number of hex digits");
        return bytes;
    }
};

} // namespace

LayoutObject LayoutParser::Parse(std::string_view text, std::string_view fileName) {
    if (text.size() > kMaxText)
        throw LayoutError{std::string(fileName), 0, "the layout file is too large"};
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return Parser(text, fileName).ParseDocument();
}

LayoutObject LayoutParser::ParseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw LayoutError{path, 0, std::string("cannot open the layout file: ") + std::strerror(errno)};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return Parse(buffer.str(), path);
}

} // namespace tk::layout
