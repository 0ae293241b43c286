// Where the program keeps the bank whose wrong-answer flags it writes. A program folder the user may write
// to (one unpacked or built) holds the bank itself, as it always has. An installed program folder is
// read-only to its users, so the first start copies its bank to the user's data folder
// ($XDG_DATA_HOME/taxitrainer/, by default ~/.local/share/taxitrainer/), and that copy is used from then on;
// pictures stay in the program folder.
//
// A later install may bring another bank. The copy remembers which installed bank it came from (a fingerprint
// of its bytes in db1.mdb.origin); when they differ, a fresh copy of the new bank takes each question's wrong
// flag from the user's copy by stem, the stem being the key the practice window writes the flag by. Questions
// the new bank adds keep its own flag; flags of questions it no longer has are dropped. The user's previous
// copy stays beside it as db1.mdb.old, and until the fresh copy is complete the old one stays in use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace taxi {

class BankLocation {
public:
    // What the decision depends on from outside, read once (tests give their own).
    struct Environment {
        std::string xdgDataHome;
        std::string home;
        // "1" makes a writable program folder count as an installed one: root writes anywhere, so the
        // installed case cannot be reproduced any other way where checks run as root.
        std::string readOnlySwitch;
        static Environment FromProcess();
    };

    struct Choice {
        std::string folder;  // where db1.mdb is opened, with a trailing '/'
        std::string warning; // set when the user's copy could not be made or brought up to date
    };

    static constexpr const char* kReadOnlySwitch = "TAXI_READ_ONLY_PROGRAM_FOLDER";

    // `programFolder`: the folder of the program's own db1.mdb and img/, with a trailing '/'. Never throws:
    // when no private copy can be made the program folder is chosen and the warning says why.
    static Choice Choose(const std::string& programFolder, const Environment& environment);

    // The user's data folder for the program; empty with `error` set when neither variable gives an absolute
    // path (a relative or empty XDG_DATA_HOME is ignored, as the XDG rules say).
    static std::filesystem::path UserFolder(const Environment& environment, std::string* error);
    // True when a file can really be made in `folder` (permission bits alone do not say so for root, nor on a
    // read-only mount).
    static bool FolderWritable(const std::filesystem::path& folder);
    static std::string Fingerprint(std::span<const std::uint8_t> bytes);

private:
    static std::string CopyForUser(const std::filesystem::path& installed,
                                   const std::filesystem::path& folder, std::string* warning);
    static void Upgrade(const std::filesystem::path& folder, std::span<const std::uint8_t> installedBytes);
};

} // namespace taxi
