#include "app/BankLocation.h"

#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"
#include "platform/os/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace taxi {

namespace {

constexpr const char* kBankName = "db1.mdb";
constexpr const char* kOriginName = "db1.mdb.origin";
constexpr const char* kUpgradeName = "db1.mdb.upgrade";
constexpr const char* kOldName = "db1.mdb.old";
// Far above any bank of questions; a file larger than this is not read into memory.
constexpr std::uintmax_t kMaxBankBytes = std::uintmax_t{256} << 20;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::uint8_t> ReadWhole(const fs::path& path) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        throw std::runtime_error(path.string() + ": " + ec.message());
    if (size > kMaxBankBytes)
        throw std::runtime_error(path.string() + ": too large for a question bank");
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error(path.string() + ": cannot be read");
    return bytes;
}

std::string ReadSmall(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char buffer[128];
    in.read(buffer, sizeof buffer);
    text.assign(buffer, static_cast<std::size_t>(in.gcount()));
    return text;
}

void WriteOrThrow(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::string error;
    if (!win::WriteFileAtomically(path, bytes, error))
        throw std::runtime_error(error);
}

void WriteOrThrow(const fs::path& path, std::string_view text) {
    std::string error;
    if (!win::WriteFileAtomically(path, text, error))
        throw std::runtime_error(error);
}

// Made with mode 0700 when missing, as the XDG rules ask of the folders a program makes for a user's data;
// the folders above it get the usual mode.
void MakePrivateFolder(const fs::path& folder) {
    std::error_code ec;
    if (folder.has_parent_path())
        fs::create_directories(folder.parent_path(), ec);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw std::runtime_error(folder.string() + ": cannot be made: " + std::strerror(errno));
    if (!fs::is_directory(folder, ec))
        throw std::runtime_error(folder.string() + ": is not a folder");
}

struct Flags {
    std::map<std::string, int> byStem;
};

Flags ReadFlags(bank::TADOConnection& connection) {
    bank::TADOQuery q;
    q.Connection = &connection;
    q.SQL.Add("select * from titles");
    q.Open();
    Flags flags;
    for (q.First(); !q.Eof(); q.Next())
        flags.byStem[q.FieldByName("t_name").AsString()] = q.FieldByName("wrong").AsInteger();
    return flags;
}

void OpenBank(bank::TADOConnection& connection, const fs::path& path) {
    connection.ConnectionString = bank::ConnectionString::ForJetFile(path.string());
    connection.LoginPrompt = false;
    connection.Open();
}

// Gives every question of `fresh` that `old` also has the flag it has there.
void CarryFlags(const fs::path& old, const fs::path& fresh) {
    bank::TADOConnection from;
    OpenBank(from, old);
    const Flags kept = ReadFlags(from);
    from.Close();
    bank::TADOConnection to;
    OpenBank(to, fresh);
    const Flags current = ReadFlags(to);
    bank::TADOQuery update;
    update.Connection = &to;
    update.SQL.Add("update titles set wrong=:A where t_name=:B");
    for (const auto& [stem, wrong] : current.byStem) {
        const auto it = kept.byStem.find(stem);
        if (it == kept.byStem.end() || it->second == wrong)
            continue;
        update.Parameters.ParamByName("A").Value = it->second;
        update.Parameters.ParamByName("B").Value = stem;
        update.ExecSQL();
    }
    to.Close();
}

} // namespace

BankLocation::Environment BankLocation::Environment::FromProcess() {
    return Environment{Variable("XDG_DATA_HOME"), Variable("HOME"), Variable(kReadOnlySwitch)};
}

fs::path BankLocation::UserFolder(const Environment& environment, std::string* error) {
    const fs::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute())
        return xdg / "taxitrainer";
    const fs::path home(environment.home);
    if (home.is_absolute())
        return home / ".local" / "share" / "taxitrainer";
    if (error)
        *error = "neither XDG_DATA_HOME nor HOME names an absolute folder";
    return {};
}

bool BankLocation::FolderWritable(const fs::path& folder) {
    std::string probe = (folder / ".taxitrainer-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string BankLocation::Fingerprint(std::span<const std::uint8_t> bytes) {
    // FNV-1a: it tells one build's bank from another's; nothing hostile chooses these bytes.
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (std::uint8_t b : bytes)
        hash = (hash ^ b) * 0x100000001b3u;
    char text[40];
    std::snprintf(text, sizeof text, "%016llx %zu", static_cast<unsigned long long>(hash), bytes.size());
    return text;
}

BankLocation::Choice BankLocation::Choose(const std::string& programFolder, const Environment& environment) {
    Choice choice{programFolder, ""};
    const fs::path program(programFolder);
    const bool forced = environment.readOnlySwitch == "1";
    if (!environment.readOnlySwitch.empty() && !forced)
        choice.warning =
            std::string(kReadOnlySwitch) + " is \"" + environment.readOnlySwitch + "\", not 1; it is ignored";
    // Without a bank of its own there is nothing to copy; the practice window says the bank is missing.
    if ((!forced && FolderWritable(program)) || !fs::exists(program / kBankName))
        return choice;
    std::string error;
    const fs::path folder = UserFolder(environment, &error);
    if (folder.empty()) {
        choice.warning = "your progress cannot be kept: " + error;
        return choice;
    }
    try {
        choice.folder = CopyForUser(program / kBankName, folder, &choice.warning);
    } catch (const std::exception& e) {
        choice.warning = "your progress cannot be kept: " + std::string(e.what());
    }
    return choice;
}

std::string BankLocation::CopyForUser(const fs::path& installed, const fs::path& folder,
                                      std::string* warning) {
    MakePrivateFolder(folder);
    const std::vector<std::uint8_t> bytes = ReadWhole(installed);
    const std::string fingerprint = Fingerprint(bytes);
    const std::string result = folder.string() + "/";
    if (!fs::exists(folder / kBankName)) {
        WriteOrThrow(folder / kBankName, bytes);
        WriteOrThrow(folder / kOriginName, fingerprint + "\n");
        return result;
    }
    if (ReadSmall(folder / kOriginName) == fingerprint + "\n")
        return result;
    try {
        Upgrade(folder, bytes);
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove(folder / kUpgradeName, ignored);
        *warning = "the installed question bank is newer, but " + (folder / kBankName).string() +
                   " stays as it was: " + e.what();
        return result;
    }
    WriteOrThrow(folder / kOriginName, fingerprint + "\n");
    return result;
}

void BankLocation::Upgrade(const fs::path& folder, std::span<const std::uint8_t> installedBytes) {
    const fs::path current = folder / kBankName, fresh = folder / kUpgradeName;
    WriteOrThrow(fresh, installedBytes);
    CarryFlags(current, fresh);
    WriteOrThrow(folder / kOldName, ReadWhole(current));
    fs::rename(fresh, current);
}

} // namespace taxi
