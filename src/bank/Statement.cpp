#include "bank/Statement.h"

#include "bank/DatabaseError.h"
#include "platform/os/CodePage.h"

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
        throw EDatabaseError("statement \"" + quoted + "\" is not supported: " + what);
    };
    while (i < s.size()) {
        char c = s[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '[') {
            size_t end = s.find(']', i);
            if (end == std::string_view::npos || end == i + 1)
                fail("an unclosed or empty [name]");
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
                fail("\"" + std::string(s.substr(i, j - i + 1)) + "\" is not a number");
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
            fail("unexpected \"" + std::string(1, c) + "\"");
        }
    }
    out.push_back({Token::Type::End, {}});
    return out;
}

class Parser {
public:
    Parser(std::string_view text) : quoted_(text), tokens_(Tokenize(text, quoted_)) {}

    Statement Run() {
        Statement st;
        if (Keyword("select")) {
            st.kind = Statement::Kind::Select;
            Symbol("*", "only \"select *\" is supported");
            Expect("from");
            st.table = Name("a table name");
        } else if (Keyword("update")) {
            st.kind = Statement::Kind::Update;
            st.table = Name("a table name");
            Expect("set");
            st.setColumn = Name("a column name");
            Symbol("=", "\"=\" after the column");
            st.setValue = Value();
        } else {
            Fail("only select and update statements are supported");
        }
        if (Keyword("where")) {
            st.hasWhere = true;
            st.whereColumn = Name("a column name");
            Symbol("=", "only \"column = value\" conditions are supported");
            st.whereValue = Value();
            if (st.kind == Statement::Kind::Select && st.whereValue.isParameter)
                Fail("a select takes no parameters");
        } else if (st.kind == Statement::Kind::Update) {
            Fail("an update needs a where clause");
        }
        if (tokens_[pos_].type != Token::Type::End)
            Fail("unexpected \"" + tokens_[pos_].text + "\"");
        return st;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EDatabaseError("statement \"" + quoted_ + "\" is not supported: " + what);
    }
    bool Keyword(const char* word) {
        const Token& t = tokens_[pos_];
        if (t.type != Token::Type::Word || t.text.size() != std::char_traits<char>::length(word))
            return false;
        for (size_t i = 0; i < t.text.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(t.text[i])) != word[i])
                return false;
        ++pos_;
        return true;
    }
    void Expect(const char* word) {
        if (!Keyword(word))
            Fail(std::string("expected \"") + word + "\"");
    }
    void Symbol(const char* symbol, const char* what) {
        if (tokens_[pos_].type != Token::Type::Symbol || tokens_[pos_].text != symbol)
            Fail(what);
        ++pos_;
    }
    std::string Name(const char* what) {
        const Token& t = tokens_[pos_];
        static const char* reserved[] = {"select", "from", "where", "update", "set"};
        if (t.type != Token::Type::Word)
            Fail(std::string("expected ") + what);
        for (const char* r : reserved)
            if (Keyword(r))
                Fail(std::string("expected ") + what);
        ++pos_;
        return t.text;
    }
    Operand Value() {
        const Token& t = tokens_[pos_];
        Operand o;
        if (t.type == Token::Type::Parameter) {
            o.isParameter = true;
            o.parameter = t.text;
        } else if (t.type == Token::Type::Number) {
            auto r = std::from_chars(t.text.data(), t.text.data() + t.text.size(), o.integer);
            if (r.ec != std::errc())
                Fail("the number " + t.text + " is out of range");
        } else {
            Fail("expected an integer or a :parameter");
        }
        ++pos_;
        return o;
    }

    std::string quoted_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
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
