// The one query object: statement text as lines, open/record count/first/next/eof over a select's rows,
// fields by name, parameters by name, and execution of an update.
#pragma once

#include "bank/Statement.h"
#include "bank/TADOConnection.h"
#include "bank/jet/JetValue.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace bank {

class TADOQuery;

// One column of the current row. Null reads as 0 or as empty text.
class TField {
public:
    TField(std::string name, const jet::Value& value) : FieldName(std::move(name)), m_value(&value) {}
    std::string FieldName;
    bool IsNull() const { return m_value->IsNull(); }
    // Signed 32-bit; EDatabaseError when the value is not an integer (text that is not one included).
    int AsInteger() const;
    std::string AsString() const;

private:
    const jet::Value* m_value;
};

// A parameter's value: unset, an integer or a text.
class TParamValue {
public:
    TParamValue& operator=(std::int64_t v) {
        m_v = v;
        return *this;
    }
    TParamValue& operator=(int v) {
        m_v = static_cast<std::int64_t>(v);
        return *this;
    }
    TParamValue& operator=(std::string v) {
        m_v = std::move(v);
        return *this;
    }
    TParamValue& operator=(const char* v) {
        m_v = std::string(v);
        return *this;
    }
    bool IsSet() const { return !std::holds_alternative<std::monostate>(m_v); }
    const std::variant<std::monostate, std::int64_t, std::string>& Get() const { return m_v; }

private:
    std::variant<std::monostate, std::int64_t, std::string> m_v;
};

struct TParameter {
    std::string Name;
    TParamValue Value;
};

class TParameters {
public:
    // EDatabaseError when the statement has no parameter of that name (names are case-insensitive).
    TParameter& ParamByName(std::string_view name);
    int Count() const { return static_cast<int>(m_items.size()); }
    TParameter& Items(int index) { return m_items.at(static_cast<size_t>(index)); }

private:
    friend class TADOQuery;
    std::vector<TParameter> m_items;
};

// The statement text, line by line; any change closes the query's result set.
class TQueryText {
public:
    void Clear();
    void Add(const std::string& line);
    std::string Text() const;
    int Count() const { return static_cast<int>(m_lines.size()); }

private:
    friend class TADOQuery;
    explicit TQueryText(TADOQuery& owner) : m_owner(owner) {}
    TADOQuery& m_owner;
    std::vector<std::string> m_lines;
};

class TADOQuery {
public:
    TADOQuery() : SQL(*this) {}
    TADOQuery(const TADOQuery&) = delete;
    TADOQuery& operator=(const TADOQuery&) = delete;

    TADOConnection* Connection = nullptr;
    TQueryText SQL;
    TParameters Parameters;

    // Runs the select and loads its rows; the first row (if any) is current.
    void Open();
    void Close();
    bool Active() const { return m_active; }
    int RecordCount() const;
    void First();
    void Next();
    bool Eof() const;
    TField FieldByName(std::string_view name) const;
    const std::vector<std::string>& FieldNames() const { return m_columns; }
    // Runs an update; returns the number of rows it changed. The file is flushed when it returns.
    int ExecSQL();

private:
    friend class TQueryText;
    void TextChanged();
    const Statement& Parsed();
    void RequireActive(const char* what) const;

    std::optional<Statement> m_statement;
    bool m_active = false;
    std::vector<std::string> m_columns;
    std::vector<std::vector<jet::Value>> m_rows;
    size_t m_current = 0;
};

} // namespace bank
