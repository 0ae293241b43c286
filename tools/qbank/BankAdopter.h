// Re-encodes, in place, the right answers of a bank made with another answer key. The key is recovered
// from the rows that are judged (kinds 1 to 3); every row is re-encoded.
#pragma once

#include <string>
#include <vector>

namespace qbank {

struct AdoptResult {
    enum class Outcome { AlreadyOurs, Adopted, Refused } outcome = Outcome::Refused;
    int rows = 0;
    std::string message;
    std::vector<std::string> warnings; // rows whose decoded answer has no valid form; not fatal
};

class BankAdopter {
public:
    // Throws bank::jet::JetError when the file cannot be read or written.
    static AdoptResult Adopt(const std::string& path);
};

} // namespace qbank
