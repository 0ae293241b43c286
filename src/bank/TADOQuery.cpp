#include "bank/TADOQuery.h"

#include "bank/DatabaseError.h"
#include "bank/jet/JetError.h"
#include "bank/jet/MessageTable.h"
#include "bank/jet/RowReader.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace bank {

using jet::Value;

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return jet::NamesEqual(a, b);
}

// Whether a stored value matches an integer literal or an integer/text parameter.
bool Matches(const Value& stored, const std::variant<std::monostate, std::int64_t, std::string>& want) {
    if (stored.IsNull())
        return false;
    if (const auto* text = std::get_if<std::string>(&want))
        return stored.kind == Value::Kind::Text ? stored.text == *text : false;
    std::int64_t n = std::get<std::int64_t>(want);
    switch (stored.kind) {
    case Value::Kind::Integer: return stored.integer == n;
    case Value::Kind::Real: return stored.real == static_cast<double>(n);
    case Value::Kind::Text: {
        std::int64_t v;
        auto r = std::from_chars(stored.text.data(), stored.text.data() + stored.text.size(), v);
        return r.ec == std::errc() && r.ptr == stored.text.data() + stored.text.size() && v == n;
    }
    default: return false;
    }
}

} // namespace

int TField::AsInteger() const {
    const Value& v = *m_value;
    auto bad = [&](const std::string& shown) -> int {
        throw EDatabaseError("field \"" + FieldName + "\": \"" + shown + "\" is not a valid integer value");
    };
    switch (v.kind) {
    case Value::Kind::Null: return 0;
    case Value::Kind::Integer:
        if (v.integer < INT32_MIN || v.integer > INT32_MAX)
            return bad(std::to_string(v.integer));
        return static_cast<int>(v.integer);
    case Value::Kind::Real:
        if (v.real != std::floor(v.real) || v.real < INT32_MIN || v.real > INT32_MAX)
            return bad(AsString());
        return static_cast<int>(v.real);
    case Value::Kind::Text: {
        std::string_view s = v.text;
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        if (!s.empty() && s.front() == '+')
            s.remove_prefix(1);
        int n;
        auto r = std::from_chars(s.data(), s.data() + s.size(), n);
        if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
            return bad(v.text);
        return n;
    }
    default: return bad("(binary data)");
    }
}

std::string TField::AsString() const {
    const Value& v = *m_value;
    switch (v.kind) {
    case Value::Kind::Null: return {};
    case Value::Kind::Integer: return std::to_string(v.integer);
    case Value::Kind::Real: {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", v.real);
        return buf;
    }
    default: return v.text;
    }
}

TParameter& TParameters::ParamByName(std::string_view name) {
    for (auto& p : m_items)
        if (SameName(p.Name, name))
            return p;
    throw EDatabaseError(jet::Say(jet::Msg::ParameterNotFound, name));
}

void TQueryText::Clear() {
    m_lines.clear();
    m_owner.TextChanged();
}

void TQueryText::Add(const std::string& line) {
    m_lines.push_back(line);
    m_owner.TextChanged();
}

std::string TQueryText::Text() const {
    std::string s;
    for (const auto& l : m_lines)
        s += l + "\r\n";
    return s;
}

void TADOQuery::TextChanged() {
    Close();
    m_statement.reset();
    Parameters.m_items.clear();
    // Parameters come from the ":Name" markers as soon as the text is set, as callers look them up
    // before executing. Text that does not parse gets its error at Open/ExecSQL.
    try {
        m_statement = Statement::Parse(SQL.Text());
        for (const auto& name : m_statement->Parameters())
            Parameters.m_items.push_back({name, {}});
    } catch (const EDatabaseError&) {
    }
}

const Statement& TADOQuery::Parsed() {
    if (!m_statement) {
        std::string text = SQL.Text();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        if (text.find_first_not_of(" \t\r\n") == std::string::npos)
            throw EDatabaseError(jet::Say(jet::Msg::QueryNoText));
        Statement::Parse(text); // throws the parse error
    }
    return *m_statement;
}

void TADOQuery::Open() {
    Close();
    if (!Connection)
        throw EDatabaseError(jet::Say(jet::Msg::QueryNoConnection));
    const Statement st = Parsed();
    if (st.kind != Statement::Kind::Select)
        throw EDatabaseError(jet::Say(jet::Msg::QueryOpenNeedsSelect));
    jet::JetDatabase& db = Connection->Database();
    try {
        const jet::TableDef& t = db.Table(st.table);
        int where = -1;
        if (st.hasWhere && (where = t.Find(st.whereColumn)) < 0)
            throw EDatabaseError(jet::Say(jet::Msg::NoSuchColumn, t.Name(), st.whereColumn));
        jet::RowReader reader(db.File(), t);
        std::vector<std::vector<Value>> rows;
        db.Scan(t, [&](const jet::RowExtent& e) {
            if (where >= 0 &&
                !Matches(reader.ReadColumn(e, static_cast<size_t>(where)), st.whereValue.integer))
                return true;
            rows.emplace_back();
            reader.Read(e, rows.back());
            return true;
        });
        m_columns.clear();
        for (const auto& c : t.Columns())
            m_columns.push_back(c.name);
        m_rows = std::move(rows);
    } catch (const jet::JetError& e) {
        throw EDatabaseError(e.what());
    }
    m_current = 0;
    m_active = true;
}

void TADOQuery::Close() {
    m_active = false;
    m_rows.clear();
    m_columns.clear();
    m_current = 0;
}

void TADOQuery::RequireActive(const char* what) const {
    if (!m_active)
        throw EDatabaseError(jet::Say(jet::Msg::QueryNotOpen, what));
}

int TADOQuery::RecordCount() const {
    RequireActive("RecordCount");
    return static_cast<int>(m_rows.size());
}

void TADOQuery::First() {
    RequireActive("First");
    m_current = 0;
}

void TADOQuery::Next() {
    RequireActive("Next");
    if (m_current < m_rows.size())
        ++m_current;
}

bool TADOQuery::Eof() const {
    RequireActive("Eof");
    return m_current >= m_rows.size();
}

TField TADOQuery::FieldByName(std::string_view name) const {
    RequireActive("FieldByName");
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (!SameName(m_columns[i], name))
            continue;
        if (m_current >= m_rows.size())
            throw EDatabaseError(jet::Say(jet::Msg::FieldNoCurrentRow, name));
        return TField(m_columns[i], m_rows[m_current][i]);
    }
    throw EDatabaseError(jet::Say(jet::Msg::FieldNotFound, name));
}

int TADOQuery::ExecSQL() {
    Close();
    if (!Connection)
        throw EDatabaseError(jet::Say(jet::Msg::QueryNoConnection));
    const Statement st = Parsed();
    if (st.kind != Statement::Kind::Update)
        throw EDatabaseError(jet::Say(jet::Msg::QueryExecNeedsUpdate));
    auto value = [&](const Operand& o) -> std::variant<std::monostate, std::int64_t, std::string> {
        if (!o.isParameter)
            return o.integer;
        const TParameter& p = Parameters.ParamByName(o.parameter);
        if (!p.Value.IsSet())
            throw EDatabaseError(jet::Say(jet::Msg::ParameterWithoutValue, p.Name));
        return p.Value.Get();
    };
    auto newValue = value(st.setValue);
    auto key = value(st.whereValue);
    const auto* number = std::get_if<std::int64_t>(&newValue);
    if (!number)
        throw EDatabaseError(jet::Say(jet::Msg::OnlyIntegerValues, st.setColumn));
    jet::JetDatabase& db = Connection->Database();
    try {
        const jet::TableDef& t = db.Table(st.table);
        int where = t.Find(st.whereColumn);
        if (where < 0)
            throw EDatabaseError(jet::Say(jet::Msg::NoSuchColumn, t.Name(), st.whereColumn));
        jet::RowReader reader(db.File(), t);
        std::vector<jet::RowExtent> hits;
        db.Scan(t, [&](const jet::RowExtent& e) {
            if (Matches(reader.ReadColumn(e, static_cast<size_t>(where)), key))
                hits.push_back(e);
            return true;
        });
        db.UpdateFixed(t, st.setColumn, hits, *number);
        return static_cast<int>(hits.size());
    } catch (const jet::JetError& e) {
        throw EDatabaseError(e.what());
    }
}

} // namespace bank
