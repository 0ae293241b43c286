// uirun [--dir DIR] [--scale N] SCRIPT...: runs scenario scripts against the program, each in a fresh
// temporary copy of the program folder (db1.mdb and img/ beside this executable) unless --dir names the
// folder to use, on a headless display standing for a screen N times as dense.
#include "ScriptParser.h"
#include "ScriptRunner.h"

#include "app/BankLocation.h"
#include "platform/display/PixelScale.h"
#include "platform/win.h"
#include "result/Modality.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string FreshCopy(const std::string& programFolder) {
    std::string pattern = (fs::temp_directory_path() / "uirun-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    const fs::path dir(pattern);
    const fs::path from(programFolder);
    if (!fs::exists(from / "db1.mdb"))
        throw std::runtime_error("there is no db1.mdb in " + programFolder);
    fs::copy_file(from / "db1.mdb", dir / "db1.mdb");
    if (fs::is_directory(from / "img"))
        fs::copy(from / "img", dir / "img", fs::copy_options::recursive);
    return dir.string() + "/";
}

// A private runtime folder for the program's instance lock, so that a copy of the program running on this
// desktop does not count for the scenario; removed when uirun ends.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
        std::string pattern = (fs::temp_directory_path() / "uirun-runtime-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a private runtime folder");
        m_path = pattern;
        setenv("XDG_RUNTIME_DIR", m_path.c_str(), 1);
    }
    ~PrivateRuntimeFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }

private:
    std::string m_path;
};

} // namespace

int main(int argc, char** argv) {
    std::string dir;
    int scale = 1;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (a == "--scale" && i + 1 < argc) {
            const auto parsed = win::display::PixelScale::Parse(argv[++i]);
            if (!parsed) {
                std::fprintf(stderr, "uirun: --scale \"%s\" is not a whole number from 1 to %d\n", argv[i],
                             win::display::PixelScale::kLargest);
                return 2;
            }
            scale = *parsed;
        } else {
            scripts.push_back(a);
        }
    }
    if (scripts.empty()) {
        std::fprintf(stderr, "usage: uirun [--dir DIR] [--scale N] SCRIPT...\n");
        return 2;
    }
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    int failed = 0;
    std::optional<PrivateRuntimeFolder> runtime;
    try {
        runtime.emplace();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "uirun: %s\n", e.what());
        return 2;
    }
    for (const std::string& script : scripts) {
        std::ifstream in(script, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "%s: cannot be read\n", script.c_str());
            failed = 1;
            continue;
        }
        std::stringstream text;
        text << in.rdbuf();
        std::string folder;
        try {
            const auto lines = uirun::ScriptParser::Parse(text.str(), script);
            folder = dir.empty() ? FreshCopy(win::ExecutableFolder()) : dir;
            Modality::ProgramFolder = folder;
            // The bank the program will open, for the script's own bank commands; the program chooses the
            // same one when it starts.
            const taxi::BankLocation::Choice bank =
                taxi::BankLocation::Choose(folder, taxi::BankLocation::Environment::FromProcess());
            uirun::ScriptRunner runner(script, lines, bank.folder, scale);
            for (const std::string& failure : runner.Run()) {
                std::fprintf(stderr, "%s\n", failure.c_str());
                failed = 1;
            }
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", script.c_str(), e.what());
            failed = 1;
        }
        if (dir.empty() && !folder.empty())
            fs::remove_all(folder);
    }
    return failed;
}
