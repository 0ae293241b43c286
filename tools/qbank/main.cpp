// qbank: builds, checks, queries, exports and adopts question bank files.
#include "BankAdopter.h"
#include "BankBuilder.h"
#include "BankExporter.h"
#include "BankVerifier.h"
#include "QuestionSource.h"
#include "bank/ConnectionString.h"
#include "bank/DatabaseError.h"
#include "bank/Statement.h"
#include "bank/TADOQuery.h"
#include "bank/jet/JetError.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

constexpr int kOk = 0, kFailed = 1, kUsage = 2;

const char* const kHelp = R"(usage: qbank COMMAND ...

  build SOURCE OUT.mdb [--class N] [--force]
        SOURCE is a folder holding ch1.txt ... ch8.txt, or one file with --class N (its chapter).
        Writes a new Jet 4 database holding table titles; refuses to replace OUT.mdb unless --force.
  verify DB
        Checks the ten columns, unique stems, right answers, the examination's kinds and marks, and
        prints a summary with the per-chapter counts. Exit status 1 when a problem is found.
  query DB "STATEMENT" [NAME=VALUE ...]
        Runs one statement through the program's data-access layer: a select prints its rows as
        tab-separated text with a header; an update prints how many rows it changed. A VALUE that is a
        whole number is an integer, else text; NAME:text=VALUE or NAME:int=VALUE chooses.
  export DB [--out FOLDER] [--force]
        Writes the bank in the source format, ch1.txt ... ch8.txt, into FOLDER (default: .).
  adopt DB
        Recovers the answer key of a bank made for another build and re-encodes its right answers
        in place with this build's key.

Exit status: 0 success, 1 failure (the message says what and where), 2 wrong usage.
)";

int Usage(const std::string& what) {
    std::cerr << "qbank: " << what << "\n(qbank --help lists the commands)\n";
    return kUsage;
}

// Tabs, line breaks and backslashes in values would break the tab-separated layout.
std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

int Build(const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    int chapter = 0;
    bool force = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--force") {
            force = true;
        } else if (args[i] == "--class") {
            if (i + 1 >= args.size() || args[i + 1].size() != 1 || args[i + 1][0] < '1' ||
                args[i + 1][0] > '8')
                return Usage("--class takes a chapter number from 1 to 8");
            chapter = args[++i][0] - '0';
        } else {
            plain.push_back(args[i]);
        }
    }
    if (plain.size() != 2)
        return Usage("build takes SOURCE and OUT.mdb");
    std::error_code ec;
    bool folder = std::filesystem::is_directory(plain[0], ec);
    if (folder && chapter)
        return Usage("--class is for a single source file, not a folder");
    if (!folder && !chapter)
        return Usage("a single source file needs --class N");
    auto questions = folder ? qbank::QuestionSource::ReadFolder(plain[0])
                            : qbank::QuestionSource::ReadFile(plain[0], chapter);
    qbank::BankBuilder::Build(questions, plain[1], force);
    std::cout << "wrote " << questions.size() << " questions to " << plain[1] << "\n";
    return kOk;
}

int Verify(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Usage("verify takes DB");
    qbank::VerifyReport r = qbank::BankVerifier::Verify(args[0]);
    std::cout << args[0] << ": " << r.Summary();
    for (const auto& w : r.warnings)
        std::cout << "warning: " << w << "\n";
    for (const auto& p : r.problems)
        std::cerr << args[0] << ": " << p << "\n";
    std::cout << (r.Ok() ? "OK\n" : "NOT OK\n");
    return r.Ok() ? kOk : kFailed;
}

int Query(const std::vector<std::string>& args) {
    if (args.size() < 2)
        return Usage("query takes DB and a statement");
    bank::TADOConnection connection;
    connection.ConnectionString = bank::ConnectionString::ForJetFile(args[0]);
    connection.LoginPrompt = false;
    connection.Open();
    bank::TADOQuery q;
    q.Connection = &connection;
    q.SQL.Clear();
    q.SQL.Add(args[1]);
    bank::Statement st = bank::Statement::Parse(args[1]);
    for (size_t i = 2; i < args.size(); ++i) {
        size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0)
            return Usage("parameter \"" + args[i] + "\" is not NAME=VALUE");
        std::string name = args[i].substr(0, eq), value = args[i].substr(eq + 1), type;
        if (size_t colon = name.find(':'); colon != std::string::npos)
            type = name.substr(colon + 1), name = name.substr(0, colon);
        std::int64_t n = 0;
        auto r = std::from_chars(value.data(), value.data() + value.size(), n);
        bool integer = !value.empty() && r.ec == std::errc() && r.ptr == value.data() + value.size();
        auto& param = q.Parameters.ParamByName(name).Value;
        if (type == "int" || (type.empty() && integer)) {
            if (!integer)
                return Usage("parameter " + name + ": \"" + value + "\" is not an integer");
            param = n;
        } else if (type == "text" || type.empty()) {
            param = value;
        } else {
            return Usage("parameter " + name + ": type must be int or text");
        }
    }
    if (st.kind == bank::Statement::Kind::Update) {
        int n = q.ExecSQL();
        std::cout << n << (n == 1 ? " row" : " rows") << " updated\n";
        return kOk;
    }
    q.Open();
    const auto& names = q.FieldNames();
    for (size_t i = 0; i < names.size(); ++i)
        std::cout << (i ? "\t" : "") << Escape(names[i]);
    std::cout << "\n";
    for (q.First(); !q.Eof(); q.Next()) {
        for (size_t i = 0; i < names.size(); ++i)
            std::cout << (i ? "\t" : "") << Escape(q.FieldByName(names[i]).AsString());
        std::cout << "\n";
    }
    return kOk;
}

int Export(const std::vector<std::string>& args) {
    std::string db, folder = ".";
    bool force = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--force")
            force = true;
        else if (args[i] == "--out" && i + 1 < args.size())
            folder = args[++i];
        else if (db.empty())
            db = args[i];
        else
            return Usage("export takes DB [--out FOLDER] [--force]");
    }
    if (db.empty())
        return Usage("export takes DB");
    int n = qbank::BankExporter::Export(db, folder, force);
    std::cout << "exported " << n << " questions to " << folder << "\n";
    return kOk;
}

int Adopt(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Usage("adopt takes DB");
    qbank::AdoptResult r = qbank::BankAdopter::Adopt(args[0]);
    for (const auto& w : r.warnings)
        std::cout << "warning: " << w << "\n";
    (r.outcome == qbank::AdoptResult::Outcome::Refused ? std::cerr : std::cout)
        << args[0] << ": " << r.message << "\n";
    return r.outcome == qbank::AdoptResult::Outcome::Refused ? kFailed : kOk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage("no command given");
    std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kHelp;
        return kOk;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "build")
            return Build(args);
        if (command == "verify")
            return Verify(args);
        if (command == "query")
            return Query(args);
        if (command == "export")
            return Export(args);
        if (command == "adopt")
            return Adopt(args);
        return Usage("unknown command \"" + command + "\"");
    } catch (const qbank::SourceError& e) {
        std::cerr << "qbank " << command << ": " << e.what() << "\n";
    } catch (const bank::EDatabaseError& e) {
        std::cerr << "qbank " << command << ": " << e.what() << "\n";
    } catch (const bank::jet::JetError& e) {
        std::cerr << "qbank " << command << ": " << e.what() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "qbank " << command << ": " << e.what() << "\n";
    }
    return kFailed;
}
