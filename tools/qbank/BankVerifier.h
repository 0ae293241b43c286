// Checks a bank through the program's own data-access path: the ten columns, unique stems, answers that
// decode to the forms each kind needs, enough questions of each kind for the examination, the marks, and
// the chapter counts.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qbank {

struct VerifyReport {
    std::vector<std::string> problems; // any problem makes the bank unfit
    std::vector<std::string> warnings;
    std::map<int, int> perChapter;
    std::map<int, int> perType;
    int rows = 0;
    int undecodable = 0;
    bool foreignKey = false; // no answer decodes with this build's key
    bool read = false;       // the rows were read (not when the table's pages or columns are unfit)
    bool Ok() const { return problems.empty(); }
    std::string Summary() const;
};

class BankVerifier {
public:
    // Throws bank::EDatabaseError when the file cannot be opened or the table cannot be read.
    static VerifyReport Verify(const std::string& path);
};

} // namespace qbank
