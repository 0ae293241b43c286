#include "bank/TADOConnection.h"

#include "bank/ConnectionString.h"
#include "bank/DatabaseError.h"
#include "bank/jet/JetError.h"
#include "bank/jet/MessageTable.h"
#include "platform/os/Bytes.h"

#include <unistd.h>

namespace bank {

namespace {
constexpr const char* kProvider = "Microsoft.Jet.OLEDB.4.0";

} // namespace

void TADOConnection::Open() {
    Close();
    bank::ConnectionString cs = bank::ConnectionString::Parse(ConnectionString);
    if (!win::EqualIgnoringAsciiCase(cs.Provider(), kProvider))
        throw EDatabaseError(jet::Say(jet::Msg::ProviderUnsupported, cs.Provider(), kProvider));
    if (cs.DataSource().empty())
        throw EDatabaseError(jet::Say(jet::Msg::NoDataSource));
    std::string mode = cs.Option("mode");
    bool readOnly = mode == "Read" || mode == "read" || ::access(cs.DataSource().c_str(), W_OK) != 0;
    try {
        m_db = std::make_unique<jet::JetDatabase>(cs.DataSource(), readOnly ? jet::JetFile::Mode::ReadOnly
                                                                            : jet::JetFile::Mode::ReadWrite);
    } catch (const jet::JetError& e) {
        throw EDatabaseError(e.what());
    }
    m_dataSource = cs.DataSource();
}

void TADOConnection::Close() {
    m_db.reset();
    m_dataSource.clear();
}

jet::JetDatabase& TADOConnection::Database() {
    if (!m_db)
        throw EDatabaseError(jet::Say(jet::Msg::ConnectionClosed));
    return *m_db;
}

} // namespace bank
