#include "BankVerifier.h"

#include "bank/BankSelect.h"
#include "bank/DatabaseError.h"
#include "bank/OptionList.h"
#include "bank/QuestionRecord.h"
#include "bank/RightAnswer.h"
#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetError.h"
#include "bank/jet/TableDef.h"

#include <algorithm>

namespace qbank {

namespace {

constexpr const char* kColumns[] = {"_id",      "t_class",        "t_type",  "t_name", "t_answers",
                                    "t_picurl", "t_right_answer", "t_score", "wrong",  "t_ran"};
// The chapter sizes the main window's captions state.
constexpr int kChapterCaptionCounts[9] = {0, 244, 330, 90, 67, 38, 103, 187, 149};
// How many of each kind the examination draws, and the marks its caption states.
constexpr int kExamCount[4] = {0, 30, 50, 10};
constexpr int kMarks[4] = {0, 1, 1, 2};
constexpr size_t kMaxListed = 10;

} // namespace

std::string VerifyReport::Summary() const {
    if (!read)
        return "the questions could not be read\n";
    std::string s = std::to_string(rows) +
                    " questions: " + std::to_string(perType.count(1) ? perType.at(1) : 0) + " true/false, " +
                    std::to_string(perType.count(2) ? perType.at(2) : 0) + " single choice, " +
                    std::to_string(perType.count(3) ? perType.at(3) : 0) + " multiple choice\nchapters:";
    for (const auto& [chapter, count] : perChapter)
        s += " " + std::to_string(chapter) + ":" + std::to_string(count);
    return s + "\n";
}

namespace {

// Every damaged page is listed; the select would stop at the first.
void CheckPages(const std::string& path, VerifyReport& r) {
    try {
        bank::jet::JetDatabase db(path, bank::jet::JetFile::Mode::ReadOnly);
        for (const auto& fault : db.ForeignPages(db.Table("titles")))
            r.problems.push_back(fault.what);
    } catch (const bank::jet::JetError& e) {
        throw bank::EDatabaseError(e.what());
    }
}

void CheckColumns(const std::vector<std::string>& names, VerifyReport& r) {
    for (const char* c : kColumns)
        if (std::none_of(names.begin(), names.end(),
                         [&](const std::string& n) { return bank::jet::NamesEqual(n, c); }))
            r.problems.push_back(std::string("column \"") + c + "\" is missing from table titles");
}

// Checks the rows one by one, listing at most 4 * kMaxListed of their problems.
class RowChecker {
public:
    explicit RowChecker(VerifyReport& r) : m_r(r) {}

    void Check(bank::TADOQuery& q) {
        ++m_r.rows;
        std::string where = "row " + std::to_string(m_r.rows);
        try {
            int id = q.FieldByName("_id").AsInteger();
            where += " (_id " + std::to_string(id) + ")";
            CheckFields(q, where);
        } catch (const bank::EDatabaseError& e) {
            Problem(where + ": " + e.what());
        }
    }

    int Decodable() const { return m_decodable; }
    size_t Listed() const { return m_listed; }

private:
    VerifyReport& m_r;
    std::map<std::string, int> m_stems;
    size_t m_listed = 0;
    int m_decodable = 0;

    void Problem(const std::string& what) {
        if (m_listed++ < 4 * kMaxListed)
            m_r.problems.push_back(what);
    }

    void CheckFields(bank::TADOQuery& q, const std::string& where) {
        int chapter = q.FieldByName("t_class").AsInteger();
        int type = q.FieldByName("t_type").AsInteger();
        std::string stem = q.FieldByName("t_name").AsString();
        std::string answer = bank::RightAnswer::Decode(q.FieldByName("t_right_answer").AsString());
        int score = q.FieldByName("t_score").AsInteger();
        int wrong = q.FieldByName("wrong").AsInteger();
        q.FieldByName("t_ran").AsInteger();
        ++m_r.perChapter[chapter];
        ++m_r.perType[type];
        if (chapter < 1 || chapter > 8)
            Problem(where + ": chapter (t_class) " + std::to_string(chapter) + " is not 1 to 8");
        if (!bank::IsKnownKind(type)) {
            Problem(where + ": kind (t_type) " + std::to_string(type) + " is not 1, 2 or 3");
            return;
        }
        CheckStem(stem, where);
        CheckAnswer(q, type, answer, where);
        if (score != kMarks[type])
            Problem(where + ": a kind-" + std::to_string(type) + " question scores " + std::to_string(score) +
                    "; the examination counts " + std::to_string(kMarks[type]));
        if (wrong != 0 && wrong != 1)
            Problem(where + ": the wrong flag is " + std::to_string(wrong) + ", not 0 or 1");
    }

    void CheckStem(const std::string& stem, const std::string& where) {
        if (stem.empty())
            Problem(where + ": the stem is empty");
        auto [s, fresh] = m_stems.emplace(stem, m_r.rows);
        if (!fresh && !stem.empty())
            Problem(where + ": the stem repeats row " + std::to_string(s->second) +
                    " (both would share one wrong-answer flag)");
    }

    void CheckAnswer(bank::TADOQuery& q, int type, const std::string& answer, const std::string& where) {
        if (!bank::RightAnswer::IsValidForm(type, answer)) {
            ++m_r.undecodable;
            return;
        }
        ++m_decodable;
        if (type == bank::qkTrueFalse)
            return;
        auto options = bank::OptionList::Split(q.FieldByName("t_answers").AsString());
        if (options.size() < 2 || options.size() > 4)
            Problem(where + ": a choice question has " + std::to_string(options.size()) +
                    " options (2 to 4 are shown)");
        else if (answer.back() - 'A' >= static_cast<int>(options.size()))
            Problem(where + ": the answer " + answer + " names an option the question lacks");
    }
};

// What the rows add up to: answers that do not decode, too few questions of a kind, chapter sizes.
void CheckTotals(VerifyReport& r, int decodable) {
    if (r.undecodable > 0) {
        if (decodable == 0) {
            r.foreignKey = true;
            r.problems.push_back("no right answer decodes with this build's answer key: the bank was made "
                                 "for another build; \"qbank adopt\" can re-encode it");
        } else {
            r.problems.push_back(std::to_string(r.undecodable) +
                                 " right answers do not decode to the form their kind needs");
        }
    }
    for (int type = 1; type <= 3; ++type)
        if (r.perType[type] < kExamCount[type])
            r.problems.push_back("only " + std::to_string(r.perType[type]) + " questions of kind " +
                                 std::to_string(type) + "; the examination draws " +
                                 std::to_string(kExamCount[type]));
    for (int chapter = 1; chapter <= 8; ++chapter) {
        int n = r.perChapter.count(chapter) ? r.perChapter[chapter] : 0;
        if (n != kChapterCaptionCounts[chapter])
            r.warnings.push_back("chapter " + std::to_string(chapter) + " holds " + std::to_string(n) +
                                 " questions; the main window's caption says " +
                                 std::to_string(kChapterCaptionCounts[chapter]));
    }
}

} // namespace

VerifyReport BankVerifier::Verify(const std::string& path) {
    VerifyReport r;
    CheckPages(path, r);
    if (!r.problems.empty())
        return r;
    bank::BankSelect select(path, "select * from titles");
    bank::TADOQuery& q = select.Query();
    CheckColumns(q.FieldNames(), r);
    if (!r.problems.empty())
        return r;
    r.read = true;

    RowChecker rows(r);
    for (q.First(); !q.Eof(); q.Next())
        rows.Check(q);
    CheckTotals(r, rows.Decodable());
    if (rows.Listed() > 4 * kMaxListed)
        r.problems.push_back("... and " + std::to_string(rows.Listed() - 4 * kMaxListed) + " more");
    return r;
}

} // namespace qbank
