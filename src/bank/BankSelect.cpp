#include "bank/BankSelect.h"

#include "bank/ConnectionString.h"

namespace bank {

BankSelect::BankSelect(const std::string& path, const std::string& statement, bool writable) {
    m_connection.ConnectionString = ConnectionString::ForJetFile(path) + (writable ? "" : ";Mode=Read");
    m_connection.LoginPrompt = false;
    m_connection.Open();
    m_query.Connection = &m_connection;
    m_query.SQL.Add(statement);
    m_query.Open();
}

} // namespace bank
