#include "bank/Statement.h"

#include "bank/DatabaseError.h"
#include "bank/jet/MessageTable.h"
#include "platform/os/Bytes.h"

#include <cctype>
#include <charconv>

namespace bank {

namespace {

struct Token {
    enum class Type { Word, Number, Parameter, Symbol, End } type;
    std::string text;
};

bool WordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

std::vector<Token> Tokenize(std::string_view s, const std::string& quoted) {
    std::vector<Token> out;
    size_t i = 0;
    auto fail = [&](const std::string& what) {
        throw EDatabaseError(jet::Say(jet::Msg::StatementUnsupported, quoted, what));
    };
    while (i < s.size()) {
        char c = s[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '[') {
            size_t end = s.find(']', i);
            if (end == std::string_view::npos || end == i + 1)
                fail(jet::Say(jet::Msg::StatementBadName));
            out.push_back({Token::Type::Word, std::string(s.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else if (c == ':' && i + 1 < s.size() && WordChar(s[i + 1])) {
            size_t j = i + 1;
            while (j < s.size() && WordChar(s[j]))
                ++j;
            out.push_back({Token::Type::Parameter, std::string(s.substr(i + 1, j - i - 1))});
            i = j;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '-' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            size_t j = i + 1;
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
                ++j;
            if (j < s.size() && WordChar(s[j]))
                fail(jet::Say(jet::Msg::StatementBadNumber, s.substr(i, j - i + 1)));
            out.push_back({Token::Type::Number, std::string(s.substr(i, j - i))});
            i = j;
        } else if (WordChar(c)) {
            size_t j = i;
            while (j < s.size() && WordChar(s[j]))
                ++j;
            out.push_back({Token::Type::Word, std::string(s.substr(i, j - i))});
            i = j;
        } else if (c == '*' || c == '=') {
            out.push_back({Token::Type::Symbol, std::string(1, c)});
            ++i;
        } else {
            fail(jet::Say(jet::Msg::StatementUnexpected, std::string(1, c)));
        }
    }
    out.push_back({Token::Type::End, {}});
    return out;
}

class Parser {
public:
    Parser(std::string_view text) : m_quoted(text), m_tokens(Tokenize(text, m_quoted)) {}

    Statement Run() {
        Statement st;
        if (Keyword("select")) {
            st.kind = Statement::Kind::Select;
            Symbol("*", jet::Msg::StatementOnlySelectStar);
            Expect("from");
            st.table = Name(jet::Msg::StatementExpectedTableName);
        } else if (Keyword("update")) {
            st.kind = Statement::Kind::Update;
            st.table = Name(jet::Msg::StatementExpectedTableName);
            Expect("set");
            st.setColumn = Name(jet::Msg::StatementExpectedColumnName);
            Symbol("=", jet::Msg::StatementEqualsAfterColumn);
            st.setValue = Value();
        } else {
            Fail(jet::Say(jet::Msg::StatementOnlySelectUpdate));
        }
        if (Keyword("where")) {
            st.hasWhere = true;
            st.whereColumn = Name(jet::Msg::StatementExpectedColumnName);
            Symbol("=", jet::Msg::StatementOnlyEquality);
            st.whereValue = Value();
            if (st.kind == Statement::Kind::Select && st.whereValue.isParameter)
                Fail(jet::Say(jet::Msg::StatementSelectWithParameter));
        } else if (st.kind == Statement::Kind::Update) {
            Fail(jet::Say(jet::Msg::StatementUpdateNeedsWhere));
        }
        if (m_tokens[m_pos].type != Token::Type::End)
            Fail(jet::Say(jet::Msg::StatementUnexpected, m_tokens[m_pos].text));
        return st;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EDatabaseError(jet::Say(jet::Msg::StatementUnsupported, m_quoted, what));
    }
    bool Keyword(const char* word) {
        const Token& t = m_tokens[m_pos];
        if (t.type != Token::Type::Word || t.text.size() != std::char_traits<char>::length(word))
            return false;
        for (size_t i = 0; i < t.text.size(); ++i)
            if (win::AsciiLower(t.text[i]) != word[i])
                return false;
        ++m_pos;
        return true;
    }
    void Expect(const char* word) {
        if (!Keyword(word))
            Fail(jet::Say(jet::Msg::StatementExpected, word));
    }
    void Symbol(const char* symbol, jet::Msg what) {
        if (m_tokens[m_pos].type != Token::Type::Symbol || m_tokens[m_pos].text != symbol)
            Fail(jet::Say(what));
        ++m_pos;
    }
    std::string Name(jet::Msg what) {
        const Token& t = m_tokens[m_pos];
        static const char* reserved[] = {"select", "from", "where", "update", "set"};
        if (t.type != Token::Type::Word)
            Fail(jet::Say(what));
        for (const char* r : reserved)
            if (Keyword(r))
                Fail(jet::Say(what));
        ++m_pos;
        return t.text;
    }
    Operand Value() {
        const Token& t = m_tokens[m_pos];
        Operand o;
        if (t.type == Token::Type::Parameter) {
            o.isParameter = true;
            o.parameter = t.text;
        } else if (t.type == Token::Type::Number) {
            auto r = std::from_chars(t.text.data(), t.text.data() + t.text.size(), o.integer);
            if (r.ec != std::errc())
                Fail(jet::Say(jet::Msg::StatementNumberOutOfRange, t.text));
        } else {
            Fail(jet::Say(jet::Msg::StatementExpectedValue));
        }
        ++m_pos;
        return o;
    }

    std::string m_quoted;
    std::vector<Token> m_tokens;
    size_t m_pos = 0;
};

} // namespace

Statement Statement::Parse(std::string_view text) {
    return Parser(text).Run();
}

std::vector<std::string> Statement::Parameters() const {
    std::vector<std::string> names;
    auto add = [&](const Operand& o) {
        if (!o.isParameter)
            return;
        for (const auto& n : names)
            if (win::EqualIgnoringAsciiCase(n, o.parameter))
                return;
        names.push_back(o.parameter);
    };
    if (kind == Kind::Update)
        add(setValue);
    if (hasWhere)
        add(whereValue);
    return names;
}

} // namespace bank
