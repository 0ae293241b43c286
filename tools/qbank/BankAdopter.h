// Re-encodes, in place, the right answers of a bank made with another answer key.
#pragma once

#include <string>

namespace qbank {

struct AdoptResult {
    enum class Outcome { AlreadyOurs, Adopted, Refused } outcome = Outcome::Refused;
    int rows = 0;
    std::string message;
};

class BankAdopter {
public:
    // Throws bank::jet::JetError when the file cannot be read or written.
    static AdoptResult Adopt(const std::string& path);
};

} // namespace qbank
