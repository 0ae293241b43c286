#include "bank/ConnectionString.h"

#include "bank/DatabaseError.h"

namespace bank {

namespace {

std::string Trim(std::string_view s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos)
        return {};
    size_t b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return s;
}

} // namespace

std::string ConnectionString::ForJetFile(const std::string& path) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Persist Security Info=false";
}

ConnectionString ConnectionString::Parse(std::string_view text) {
    ConnectionString cs;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view pair = text.substr(start, end - start);
        start = end + 1;
        if (Trim(pair).empty())
            continue;
        size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            throw EDatabaseError("connection string: \"" + Trim(pair) + "\" is not of the form Key=Value");
        std::string key = Lower(Trim(pair.substr(0, eq)));
        std::string value = Trim(pair.substr(eq + 1));
        if (key.empty())
            throw EDatabaseError("connection string: a value without a key");
        if (!cs.options_.emplace(key, value).second)
            throw EDatabaseError("connection string: \"" + key + "\" is given twice");
    }
    cs.provider_ = cs.Option("provider");
    cs.dataSource_ = cs.Option("data source");
    cs.options_.erase("provider");
    cs.options_.erase("data source");
    return cs;
}

std::string ConnectionString::Option(const std::string& lowerKey) const {
    auto it = options_.find(lowerKey);
    return it == options_.end() ? std::string() : it->second;
}

} // namespace bank
