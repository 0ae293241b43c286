#include "bank/TADOQuery.h"

#include "bank/DatabaseError.h"
#include "bank/jet/JetError.h"
#include "bank/jet/Messages.h"
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
    const Value& v = *value_;
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
    const Value& v = *value_;
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
    for (auto& p : items_)
        if (SameName(p.Name, name))
            return p;
    throw EDatabaseError(jet::Say(jet::Msg::ParameterNotFound, name));
}

void TQueryText::Clear() {
    lines_.clear();
    owner_.TextChanged();
}

void TQueryText::Add(const std::string& line) {
    lines_.push_back(line);
    owner_.TextChanged();
}

std::string TQueryText::Text() const {
    std::string s;
    for (const auto& l : lines_)
        s += l + "\r\n";
    return s;
}

void TADOQuery::TextChanged() {
    Close();
    statement_.reset();
    Parameters.items_.clear();
    // Parameters come from the ":Name" markers as soon as the text is set, as callers look them up
    // before executing. Text that does not parse gets its error at Open/ExecSQL.
    try {
        statement_ = Statement::Parse(SQL.Text());
        for (const auto& name : statement_->Parameters())
            Parameters.items_.push_back({name, {}});
    } catch (const EDatabaseError&) {
    }
}

const Statement& TADOQuery::Parsed() {
    if (!statement_) {
        std::string text = SQL.Text();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        if (text.find_first_not_of(" \t\r\n") == std::string::npos)
            throw EDatabaseError(jet::Say(jet::Msg::QueryNoText));
        Statement::Parse(text); // throws the parse error
    }
    return *statement_;
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
        columns_.clear();
        for (const auto& c : t.Columns())
            columns_.push_back(c.name);
        rows_ = std::move(rows);
    } catch (const jet::JetError& e) {
        throw EDatabaseError(e.what());
    }
    current_ = 0;
    active_ = true;
}

void TADOQuery::Close() {
    active_ = false;
    rows_.clear();
    columns_.clear();
    current_ = 0;
}

void TADOQuery::RequireActive(const char* what) const {
    if (!active_)
        throw EDatabaseError(jet::Say(jet::Msg::QueryNotOpen, what));
}

int TADOQuery::RecordCount() const {
    RequireActive("RecordCount");
    return static_cast<int>(rows_.size());
}

void TADOQuery::First() {
    RequireActive("First");
    current_ = 0;
}

void TADOQuery::Next() {
    RequireActive("Next");
    if (current_ < rows_.size())
        ++current_;
}

bool TADOQuery::Eof() const {
    RequireActive("Eof");
    return current_ >= rows_.size();
}

TField TADOQuery::FieldByName(std::string_view name) const {
    RequireActive("FieldByName");
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!SameName(columns_[i], name))
            continue;
        if (current_ >= rows_.size())
            throw EDatabaseError(jet::Say(jet::Msg::FieldNoCurrentRow, name));
        return TField(columns_[i], rows_[current_][i]);
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
