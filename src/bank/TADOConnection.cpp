#include "bank/TADOConnection.h"

#include "bank/ConnectionString.h"
#include "bank/DatabaseError.h"
#include "bank/jet/JetError.h"

#include <cctype>
#include <unistd.h>

namespace bank {

namespace {
constexpr const char* kProvider = "Microsoft.Jet.OLEDB.4.0";

bool SameProvider(const std::string& a) {
    std::string want = kProvider;
    if (a.size() != want.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(want[i])))
            return false;
    return true;
}
} // namespace

void TADOConnection::Open() {
    Close();
    bank::ConnectionString cs = bank::ConnectionString::Parse(ConnectionString);
    if (!SameProvider(cs.Provider()))
        throw EDatabaseError("provider \"" + cs.Provider() + "\" is not supported (only " + kProvider + ")");
    if (cs.DataSource().empty())
        throw EDatabaseError("the connection string names no data source");
    std::string mode = cs.Option("mode");
    bool readOnly = mode == "Read" || mode == "read" || ::access(cs.DataSource().c_str(), W_OK) != 0;
    try {
        db_ = std::make_unique<jet::JetDatabase>(cs.DataSource(), readOnly ? jet::JetFile::Mode::ReadOnly
                                                                           : jet::JetFile::Mode::ReadWrite);
    } catch (const jet::JetError& e) {
        throw EDatabaseError(e.what());
    }
    dataSource_ = cs.DataSource();
}

void TADOConnection::Close() {
    db_.reset();
    dataSource_.clear();
}

jet::JetDatabase& TADOConnection::Database() {
    if (!db_)
        throw EDatabaseError("the database connection is not open");
    return *db_;
}

} // namespace bank
