// A select run on a bank file through a connection of its own: how the tools, the benchmarks and the
// fuzzer read a bank. The program itself keeps its connection and query as components of its window.
#pragma once

#include "bank/TADOQuery.h"

#include <string>

namespace bank {

class BankSelect {
public:
    // Opens `path` (read-only unless `writable`) and runs `statement`; throws EDatabaseError.
    BankSelect(const std::string& path, const std::string& statement, bool writable = false);
    BankSelect(const BankSelect&) = delete;
    BankSelect& operator=(const BankSelect&) = delete;

    TADOQuery& Query() { return m_query; }

private:
    TADOConnection m_connection;
    TADOQuery m_query;
};

} // namespace bank
