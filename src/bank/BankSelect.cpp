#include "bank/BankSelect.h"

#include "bank/ConnectionString.h"

namespace bank {

BankSelect::BankSelect(const std::string& path, const std::string& statement, bool writable) {
    connection_.ConnectionString = ConnectionString::ForJetFile(path) + (writable ? "" : ";Mode=Read");
    connection_.LoginPrompt = false;
    connection_.Open();
    query_.Connection = &connection_;
    query_.SQL.Add(statement);
    query_.Open();
}

} // namespace bank
