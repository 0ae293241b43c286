#include "BankAdopter.h"

#include "KeyRecovery.h"
#include "bank/RightAnswer.h"
#include "bank/jet/JetDatabase.h"
#include "bank/jet/RowReader.h"

namespace qbank {

using namespace bank::jet;

namespace {

bool Judged(int kind) {
    return kind >= 1 && kind <= 3;
}

// Every row's stored right answer, with a label naming the row in messages.
struct StoredAnswers {
    std::vector<RowExtent> rows;
    std::vector<std::string> stored, labels;
    std::vector<EncodedAnswer> answers;
    bool allOurs = true; // every judged answer decodes with this build's key
};

StoredAnswers ReadAnswers(JetDatabase& db, const TableDef& t, int typeColumn, int answerColumn,
                          int idColumn) {
    StoredAnswers a;
    RowReader reader(db.File(), t);
    db.Scan(t, [&](const RowExtent& e) {
        Value type = reader.ReadColumn(e, static_cast<size_t>(typeColumn));
        Value answer = reader.ReadColumn(e, static_cast<size_t>(answerColumn));
        int kind = type.kind == Value::Kind::Integer ? static_cast<int>(type.integer) : 0;
        std::string label = "row " + std::to_string(a.rows.size() + 1) + " (";
        if (idColumn >= 0) {
            Value id = reader.ReadColumn(e, static_cast<size_t>(idColumn));
            if (id.kind == Value::Kind::Integer)
                label += "_id " + std::to_string(id.integer) + ", ";
        }
        label += "kind " + std::to_string(kind) + ")";
        a.rows.push_back(e);
        a.stored.push_back(answer.text);
        a.labels.push_back(label);
        a.answers.push_back({kind, bank::RightAnswer::HexToBytes(answer.text)});
        if (Judged(kind))
            a.allOurs =
                a.allOurs && bank::RightAnswer::IsValidForm(kind, bank::RightAnswer::Decode(answer.text));
        return true;
    });
    return a;
}

// The bytes as this build's key encodes what `key` encoded.
std::string Rekey(std::string bytes, const bank::RightAnswer::Key& key) {
    for (size_t k = 0; k < bytes.size(); ++k) {
        auto plain = static_cast<std::uint8_t>(bytes[k]) ^ key[(k + 1) % 10];
        bytes[k] = static_cast<char>(plain ^ bank::RightAnswer::kAnswerKey[(k + 1) % 10]);
    }
    return bytes;
}

} // namespace

AdoptResult BankAdopter::Adopt(const std::string& path) {
    AdoptResult result;
    JetDatabase db(path, JetFile::Mode::ReadWrite);
    const TableDef& t = db.Table("titles");
    int typeColumn = t.Find("t_type"), answerColumn = t.Find("t_right_answer"), idColumn = t.Find("_id");
    if (typeColumn < 0 || answerColumn < 0) {
        result.message = "table titles lacks its t_type or t_right_answer column";
        return result;
    }
    const StoredAnswers read = ReadAnswers(db, t, typeColumn, answerColumn, idColumn);
    const auto& [rows, stored, labels, answers, allOurs] = read;
    result.rows = static_cast<int>(rows.size());
    auto warnInvalid = [&result, &labels = read.labels](size_t i, const char* what) {
        result.warnings.push_back(labels[i] + ": the decoded right answer has no valid form for its kind" +
                                  what);
    };
    if (allOurs) {
        for (size_t i = 0; i < answers.size(); ++i)
            if (!bank::RightAnswer::IsValidForm(answers[i].type, bank::RightAnswer::Decode(stored[i])))
                warnInvalid(i, "");
        result.outcome = AdoptResult::Outcome::AlreadyOurs;
        result.message = "every judged right answer already decodes with this build's key; nothing changed";
        return result;
    }
    KeyRecoveryResult key = KeyRecovery::Recover(answers);
    if (!key.found) {
        result.message = "the bank's answer key cannot be recovered: " + key.reason + "; nothing changed";
        return result;
    }
    // The change of key is the same byte-wise transform for every row, so rows that are never judged are
    // re-encoded too and keep whatever they meant.
    std::vector<std::pair<RowExtent, std::string>> updates;
    for (size_t i = 0; i < rows.size(); ++i) {
        auto text = KeyRecovery::ReencodeInPlace(stored[i], Rekey(answers[i].bytes, key.key));
        if (!text) {
            if (!Judged(answers[i].type)) {
                result.warnings.push_back(labels[i] +
                                          ": the re-encoded answer does not fit the stored text; left as it "
                                          "was (the row is never judged)");
                continue;
            }
            result.message =
                labels[i] + ": the re-encoded answer does not fit the stored text's length; nothing changed";
            result.warnings.clear();
            return result;
        }
        if (*text != stored[i])
            updates.emplace_back(rows[i], *text);
    }
    for (size_t i : key.invalid)
        warnInvalid(i, " (after re-encoding)");
    db.RewriteText(t, "t_right_answer", updates);
    result.outcome = AdoptResult::Outcome::Adopted;
    result.message = "re-encoded " + std::to_string(updates.size()) + " right answers with this build's key";
    return result;
}

} // namespace qbank
