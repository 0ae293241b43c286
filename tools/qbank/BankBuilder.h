// Builds the titles table from question source records, and the table's column layout.
#pragma once

#include "QuestionSource.h"
#include "bank/jet/JetWriter.h"

#include <string>
#include <vector>

namespace qbank {

class BankBuilder {
public:
    static constexpr const char* kTable = "titles";
    // The ten columns, in the order the program reads them.
    static const std::vector<bank::jet::ColumnSpec>& Columns();

    // Rows with the right answers encoded; throws SourceError for duplicate stems or ids, or a picture
    // name longer than its column.
    static bank::jet::TableSpec Table(const std::vector<SourceQuestion>& questions);
    static void Build(const std::vector<SourceQuestion>& questions, const std::string& out, bool overwrite);
};

} // namespace qbank
