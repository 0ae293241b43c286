#include "bank/ConnectionString.h"

#include "bank/DatabaseError.h"
#include "bank/jet/MessageTable.h"
#include "platform/os/Bytes.h"

namespace bank {

namespace {

std::string Trim(std::string_view s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos)
        return {};
    size_t b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

} // namespace

std::string ConnectionString::ForJetFile(const std::string& path) {
    // A path with ";" (or leading quotes or blanks) would be cut apart unquoted; quote only then, so
    // ordinary paths give the plain concatenation.
    std::string source = path;
    if (path.find(';') != std::string::npos ||
        (!path.empty() &&
         (path.front() == '"' || path.front() == '\'' || path.front() == ' ' || path.back() == ' '))) {
        source = "\"";
        for (char c : path)
            source += c == '"' ? std::string("\"\"") : std::string(1, c);
        source += "\"";
    }
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + source + ";Persist Security Info=false";
}

ConnectionString ConnectionString::Parse(std::string_view text) {
    ConnectionString cs;
    size_t i = 0;
    while (i < text.size()) {
        size_t eq = text.find('=', i), semi = text.find(';', i);
        if (semi < eq) {
            if (!Trim(text.substr(i, semi - i)).empty())
                throw EDatabaseError(
                    jet::Say(jet::Msg::ConnectionStringNotKeyValue, Trim(text.substr(i, semi - i))));
            i = semi + 1;
            continue;
        }
        if (eq == std::string_view::npos) {
            if (!Trim(text.substr(i)).empty())
                throw EDatabaseError(jet::Say(jet::Msg::ConnectionStringNotKeyValue, Trim(text.substr(i))));
            break;
        }
        std::string key = win::AsciiLower(Trim(text.substr(i, eq - i)));
        if (key.empty())
            throw EDatabaseError(jet::Say(jet::Msg::ConnectionStringValueWithoutKey));
        i = eq + 1;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        std::string value;
        if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
            // A quoted value may hold ";"; a doubled quote stands for one.
            char quote = text[i++];
            while (true) {
                if (i >= text.size())
                    throw EDatabaseError(jet::Say(jet::Msg::ConnectionStringNoClosingQuote, key));
                if (text[i] == quote) {
                    if (i + 1 < text.size() && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            size_t end = text.find(';', i);
            if (!Trim(text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i))
                     .empty())
                throw EDatabaseError(jet::Say(jet::Msg::ConnectionStringTextAfterQuote, key));
            i = end == std::string_view::npos ? text.size() : end + 1;
        } else {
            size_t end = text.find(';', i);
            if (end == std::string_view::npos)
                end = text.size();
            value = Trim(text.substr(i, end - i));
            i = end + 1;
        }
        if (!cs.m_options.emplace(key, value).second)
            throw EDatabaseError(jet::Say(jet::Msg::ConnectionStringKeyTwice, key));
    }
    cs.m_provider = cs.Option("provider");
    cs.m_dataSource = cs.Option("data source");
    cs.m_options.erase("provider");
    cs.m_options.erase("data source");
    return cs;
}

std::string ConnectionString::Option(const std::string& lowerKey) const {
    auto it = m_options.find(lowerKey);
    return it == m_options.end() ? std::string() : it->second;
}

} // namespace bank
