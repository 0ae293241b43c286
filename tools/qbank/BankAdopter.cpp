#include "BankAdopter.h"

#include "KeyRecovery.h"
#include "bank/RightAnswer.h"
#include "bank/jet/JetDatabase.h"
#include "bank/jet/RowReader.h"

namespace qbank {

using namespace bank::jet;

AdoptResult BankAdopter::Adopt(const std::string& path) {
    AdoptResult result;
    JetDatabase db(path, JetFile::Mode::ReadWrite);
    const TableDef& t = db.Table("titles");
    int typeColumn = t.Find("t_type"), answerColumn = t.Find("t_right_answer");
    if (typeColumn < 0 || answerColumn < 0) {
        result.message = "table titles lacks its t_type or t_right_answer column";
        return result;
    }
    RowReader reader(db.File(), t);
    std::vector<RowExtent> rows;
    std::vector<std::string> stored;
    std::vector<EncodedAnswer> answers;
    bool allOurs = true;
    db.Scan(t, [&](const RowExtent& e) {
        Value type = reader.ReadColumn(e, static_cast<size_t>(typeColumn));
        Value answer = reader.ReadColumn(e, static_cast<size_t>(answerColumn));
        rows.push_back(e);
        stored.push_back(answer.text);
        int kind = type.kind == Value::Kind::Integer ? static_cast<int>(type.integer) : 0;
        answers.push_back({kind, bank::RightAnswer::HexToBytes(answer.text)});
        allOurs = allOurs && bank::RightAnswer::IsValidForm(kind, bank::RightAnswer::Decode(answer.text));
        return true;
    });
    result.rows = static_cast<int>(rows.size());
    if (allOurs) {
        result.outcome = AdoptResult::Outcome::AlreadyOurs;
        result.message = "every right answer already decodes with this build's key; nothing changed";
        return result;
    }
    KeyRecoveryResult key = KeyRecovery::Recover(answers);
    if (!key.found) {
        result.message = "the bank's answer key cannot be recovered: " + key.reason + "; nothing changed";
        return result;
    }
    std::vector<std::pair<RowExtent, std::string>> updates;
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string bytes = answers[i].bytes;
        for (size_t k = 0; k < bytes.size(); ++k) {
            auto plain = static_cast<std::uint8_t>(bytes[k]) ^ key.key[(k + 1) % 10];
            bytes[k] = static_cast<char>(plain ^ bank::RightAnswer::kAnswerKey[(k + 1) % 10]);
        }
        auto text = KeyRecovery::ReencodeInPlace(stored[i], bytes);
        if (!text) {
            result.message = "row " + std::to_string(i + 1) +
                             ": the re-encoded answer does not fit the stored text's length; nothing changed";
            return result;
        }
        if (*text != stored[i])
            updates.emplace_back(rows[i], *text);
    }
    db.RewriteText(t, "t_right_answer", updates);
    result.outcome = AdoptResult::Outcome::Adopted;
    result.message = "re-encoded " + std::to_string(updates.size()) + " right answers with this build's key";
    return result;
}

} // namespace qbank
