// Helpers shared by the bank tests: temporary folders, file bytes, and running the mdbtools oracle.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace banktest {

namespace fs = std::filesystem;

inline std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs a shell command; returns its standard output, and its exit status through `status`.
inline std::string Run(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) {
        if (status)
            *status = -1;
        return out;
    }
    char buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    int rc = pclose(p);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

inline bool HaveMdbTools() {
    int status = 0;
    Run("command -v mdb-export >/dev/null 2>&1 && command -v mdb-sql >/dev/null 2>&1", &status);
    return status == 0;
}

#define SKIP_WITHOUT_MDBTOOLS()                                                                              \
    if (!banktest::HaveMdbTools())                                                                           \
    GTEST_SKIP() << "mdbtools (mdb-export, mdb-sql) is not installed; the independent reader is missing"

// A file under tests/bank/data (see the README there).
inline std::string DataFile(const std::string& name) {
    return std::string(BANK_TEST_DATA_DIR) + "/" + name;
}

// A fresh folder under the build tree, removed when the object goes.
class TempDir {
public:
    TempDir() {
        m_path = fs::path(TAXI_BINARY_DIR) / "tests" /
                 ("bank-tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const fs::path& Path() const { return m_path; }

private:
    static inline int counter_ = 0;
    fs::path m_path;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string CopyDataFile(const TempDir& dir, const std::string& name) {
    std::string to = dir.File(name);
    fs::copy_file(DataFile(name), to, fs::copy_options::overwrite_existing);
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write);
    return to;
}

// Offsets at which two byte strings of equal length differ.
inline std::vector<size_t> DiffOffsets(const std::string& a, const std::string& b) {
    std::vector<size_t> out;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            out.push_back(i);
    return out;
}

// mdb-export of one table, as rows of fields (header included as the first row).
inline std::vector<std::vector<std::string>> MdbExport(const std::string& file, const std::string& table) {
    std::string out =
        Run("mdb-export -Q -d \"$(printf '\\037')\" -R \"$(printf '\\036')\" -b hex -T '%Y-%m-%d %H:%M:%S' " +
            ShellQuote(file) + " " + ShellQuote(table) + " 2>/dev/null");
    std::vector<std::vector<std::string>> rows;
    size_t start = 0;
    while (start < out.size()) {
        size_t end = out.find('\x1e', start);
        if (end == std::string::npos)
            end = out.size();
        std::string line = out.substr(start, end - start);
        std::vector<std::string> fields;
        size_t f = 0;
        while (true) {
            size_t g = line.find('\x1f', f);
            fields.push_back(line.substr(f, g == std::string::npos ? std::string::npos : g - f));
            if (g == std::string::npos)
                break;
            f = g + 1;
        }
        rows.push_back(std::move(fields));
        start = end + 1;
    }
    return rows;
}

} // namespace banktest
