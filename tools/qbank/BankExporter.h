// Writes a bank back to the question source format, one file per chapter.
#pragma once

#include <string>

namespace qbank {

class BankExporter {
public:
    // Reads through the program's data-access path; throws SourceError naming the row when a row cannot
    // be written in the source format, and before any file is written. Returns the number of questions.
    static int Export(const std::string& path, const std::string& folder, bool overwrite);
};

} // namespace qbank
