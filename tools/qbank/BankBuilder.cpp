#include "BankBuilder.h"

#include "bank/RightAnswer.h"
#include "bank/jet/JetText.h"

#include <map>

namespace qbank {

using bank::jet::ColumnType;
using bank::jet::Value;

const std::vector<bank::jet::ColumnSpec>& BankBuilder::Columns() {
    static const std::vector<bank::jet::ColumnSpec> columns = {
        {"_id", ColumnType::Long},
        {"t_class", ColumnType::Long},
        {"t_type", ColumnType::Long},
        {"t_name", ColumnType::Memo},
        {"t_answers", ColumnType::Memo},
        {"t_picurl", ColumnType::Text, 255},
        {"t_right_answer", ColumnType::Text, 255},
        {"t_score", ColumnType::Long},
        {"wrong", ColumnType::Long},
        {"t_ran", ColumnType::Long},
    };
    return columns;
}

bank::jet::TableSpec BankBuilder::Table(const std::vector<SourceQuestion>& questions) {
    bank::jet::TableSpec t;
    t.name = kTable;
    t.columns = Columns();
    std::map<std::string, const SourceQuestion*> stems;
    std::map<int, const SourceQuestion*> ids;
    auto where = [](const SourceQuestion& q) { return q.file + ":" + std::to_string(q.line); };
    for (size_t i = 0; i < questions.size(); ++i) {
        const SourceQuestion& q = questions[i];
        auto [s, freshStem] = stems.emplace(q.stem, &q);
        if (!freshStem)
            throw SourceError(where(q) + ": the stem repeats the question at " + where(*s->second) +
                              " (stems are the key of the wrong-answer flag and must be unique)");
        int id = q.id ? *q.id : static_cast<int>(i + 1);
        auto [d, freshId] = ids.emplace(id, &q);
        if (!freshId)
            throw SourceError(where(q) + ": id " + std::to_string(id) + " is used by the question at " +
                              where(*d->second) + " as well");
        if (bank::jet::JetText::Utf16Length(q.picture) > 255)
            throw SourceError(where(q) + ": the picture name is longer than 255 characters");
        std::string answers;
        for (size_t k = 0; k < q.options.size(); ++k)
            answers += (k ? "|" : "") + q.options[k];
        if (q.storedOptions)
            answers = *q.storedOptions;
        t.rows.push_back({Value::Int(id), Value::Int(q.chapter), Value::Int(q.type), Value::Str(q.stem),
                          Value::Str(answers), Value::Str(q.picture),
                          Value::Str(bank::RightAnswer::Encode(q.answer)), Value::Int(q.score),
                          Value::Int(q.wrong), Value::Int(0)});
    }
    return t;
}

void BankBuilder::Build(const std::vector<SourceQuestion>& questions, const std::string& out,
                        bool overwrite) {
    bank::jet::JetWriter::Options options;
    options.overwrite = overwrite;
    bank::jet::JetWriter::Create(out, Table(questions), options);
}

} // namespace qbank
