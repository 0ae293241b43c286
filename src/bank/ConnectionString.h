// A connection string of "Key=Value" pairs separated by ";": the provider, the data source and options.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace bank {

class ConnectionString {
public:
    // Throws EDatabaseError for a pair without "=", an empty key or a key given twice.
    static ConnectionString Parse(std::string_view text);

    const std::string& Provider() const { return m_provider; }
    const std::string& DataSource() const { return m_dataSource; }
    // Other options by lower-case key ("persist security info", "mode", ...).
    const std::map<std::string, std::string>& Options() const { return m_options; }
    std::string Option(const std::string& lowerKey) const;

    // The bank's connection string for a database path.
    static std::string ForJetFile(const std::string& path);

private:
    std::string m_provider;
    std::string m_dataSource;
    std::map<std::string, std::string> m_options;
};

} // namespace bank
