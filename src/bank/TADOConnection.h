// The question bank connection: a connection string naming the Jet provider and the database file.
#pragma once

#include "bank/jet/JetDatabase.h"

#include <memory>
#include <string>

namespace bank {

class TADOConnection {
public:
    std::string ConnectionString;
    bool LoginPrompt = true; // this provider never asks for credentials; kept because callers set it

    // Throws EDatabaseError naming the file when it is missing, unreadable or not a Jet file, or when the
    // connection string names another provider. A file without write permission opens read-only, and
    // updates then fail with a message saying so.
    void Open();
    void Close();
    bool Connected() const { return m_db != nullptr; }

    // The open database; throws EDatabaseError when the connection is closed.
    jet::JetDatabase& Database();
    const std::string& DataSource() const { return m_dataSource; }

private:
    std::unique_ptr<jet::JetDatabase> m_db;
    std::string m_dataSource;
};

} // namespace bank
