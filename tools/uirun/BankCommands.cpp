// The script's look into the program folder's bank: statements run on it and expectations of its rows.
#include "CommandSupport.h"
#include "ScriptRunner.h"

#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"
#include "toolkit/TApplication.h"

namespace uirun {

namespace {

// A query of the folder's db1.mdb, the connection opened before the statement is read.
struct BankQuery {
    bank::TADOConnection connection;
    bank::TADOQuery query;

    explicit BankQuery(const std::string& folder) {
        connection.ConnectionString = bank::ConnectionString::ForJetFile(folder + "db1.mdb");
        connection.LoginPrompt = false;
        connection.Open();
        query.Connection = &connection;
    }
};

} // namespace

bool ScriptRunner::Bank(const ScriptLine& line) {
    BankQuery bank(m_folder);
    bank.query.SQL.Add(Argument(line, 1));
    for (std::size_t i = 2; i < line.words.size(); ++i) {
        const std::string a = Argument(line, i);
        const auto eq = a.find('=');
        if (eq == std::string::npos)
            Fail(line, "bank: parameters are written NAME=value");
        const std::string v = a.substr(eq + 1);
        if (IsInteger(v))
            bank.query.Parameters.ParamByName(a.substr(0, eq)).Value = std::stoi(v);
        else
            bank.query.Parameters.ParamByName(a.substr(0, eq)).Value = v;
    }
    std::string head = Argument(line, 1).substr(0, 6);
    if (tk::SameText(head, "select"))
        bank.query.Open();
    else
        bank.query.ExecSQL();
    return false;
}

bool ScriptRunner::ExpectBank(const ScriptLine& line) {
    BankQuery bank(m_folder);
    bank.query.SQL.Add(Argument(line, 1));
    bank::TADOQuery& query = bank.query;
    NeedArguments(line, 3);
    query.Open();
    if (line.words[2].text == "rows") {
        Expectation(line, query.RecordCount() == Number(line, 3), "rows " + Argument(line, 3),
                    std::to_string(query.RecordCount()));
        return false;
    }
    NeedArguments(line, 4);
    const int row = Number(line, 3);
    if (row < 1 || row > query.RecordCount()) {
        Expectation(line, false, "row " + Argument(line, 3), std::to_string(query.RecordCount()) + " rows");
        return false;
    }
    query.First();
    for (int i = 1; i < row; ++i)
        query.Next();
    const std::string got = query.FieldByName(Argument(line, 2)).AsString();
    Expectation(line, got == Argument(line, 4), Argument(line, 2) + " " + Quote(Argument(line, 4)),
                Quote(got));
    return false;
}

} // namespace uirun
