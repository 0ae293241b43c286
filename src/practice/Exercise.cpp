#include "practice/Exercise.h"

#include "bank/TADOQuery.h"
#include "practice/RandomGenerator.h"

#include <cmath>
#include <stdexcept>

bool Exercise::Load(bank::TADOQuery& query, const std::string& queryText, bool exam) {
    Clear();
    m_exam = exam;
    query.Close();
    query.SQL.Clear();
    query.SQL.Add(queryText);
    query.Open();
    const int count = query.RecordCount();
    if (count <= 0)
        return false;
    Prepare(count, exam);
    try {
        query.First();
        while (!query.Eof()) {
            if (RowCount() == count)
                throw std::runtime_error("the query returned more rows than it counted");
            AddRow(bank::QuestionRecord::Read(query));
            query.Next();
        }
    } catch (...) {
        // Half a bank must not be answerable: the exercise shows nothing.
        Clear();
        throw;
    }
    if (RowCount() != count) {
        Clear();
        throw std::runtime_error("the query returned fewer rows than it counted");
    }
    return true;
}

void Exercise::LoadRecords(std::vector<bank::QuestionRecord> records, bool exam) {
    Clear();
    m_exam = exam;
    if (records.empty())
        return;
    Prepare(static_cast<int>(records.size()), exam);
    for (auto& record : records)
        AddRow(std::move(record));
}

void Exercise::Clear() {
    m_records.clear();
    m_practiceOrder.clear();
    m_shuffledRows.clear();
    m_examOrder.clear();
    m_rowPool.clear();
    m_userAnswers.clear();
    m_judgedFlags.clear();
    m_questionCount = 0;
    CurrentPosition = 0;
}

void Exercise::Prepare(int rowCount, bool exam) {
    m_questionCount = exam ? ExamQuestionCount : rowCount;
    m_userAnswers.assign(m_questionCount, std::string());
    m_records.reserve(rowCount);
    m_judgedFlags.reserve(rowCount);
    m_practiceOrder.reserve(rowCount);
    m_shuffledRows.reserve(rowCount);
    m_rowPool.reserve(rowCount);
    // In an examination every place the draw leaves unfilled shows row 0.
    m_examOrder.assign(exam ? ExamQuestionCount : 0, 0);
}

void Exercise::AddRow(bank::QuestionRecord record) {
    const int n = RowCount();
    m_records.push_back(std::move(record));
    m_judgedFlags.push_back(0);
    m_practiceOrder.push_back(n);
    m_shuffledRows.push_back(n);
    m_rowPool.push_back(std::to_string(n));
}

void Exercise::ShufflePracticeOrder(RandomGenerator& random) {
    const int count = RowCount();
    for (int j = 0; j < count; ++j) {
        const int r = random.Draw(count - j);
        m_practiceOrder[j] = std::stoi(m_rowPool[r]);
        m_rowPool.erase(m_rowPool.begin() + r);
    }
}

void Exercise::DrawExam(RandomGenerator& random, bool reseed) {
    const int count = RowCount();
    for (int j = 0; j < count; ++j) {
        if (reseed)
            random.SeedFromClock();
        const int r = random.Draw(count - j);
        m_shuffledRows[j] = std::stoi(m_rowPool[r]);
        m_rowPool.erase(m_rowPool.begin() + r);
    }
    m_examOrder.assign(ExamQuestionCount, 0);
    const int limits[4] = {0, ExamTrueFalseCount, ExamSingleChoiceCount, ExamMultiChoiceCount};
    int taken[4] = {0, 0, 0, 0};
    int fill = 0;
    for (int row : m_shuffledRows) {
        const int type = m_records[row].type;
        if (type >= 1 && type <= 3 && taken[type] < limits[type]) {
            m_examOrder[fill++] = row;
            ++taken[type];
        }
        if (fill == ExamQuestionCount)
            break;
    }
}

int Exercise::RowAt(int position) const {
    return m_exam ? m_examOrder.at(position) : m_practiceOrder.at(position);
}

int Exercise::CountUnanswered() const {
    int n = 0;
    for (int i = 0; i < m_questionCount && i < static_cast<int>(m_userAnswers.size()); ++i)
        n += m_userAnswers[i].empty();
    return n;
}

bool Exercise::MarkJudged(int position) {
    int& flag = m_judgedFlags.at(position);
    if (flag)
        return false;
    flag = 1;
    return true;
}

void Exercise::CountJudgement(bool right) {
    ++(right ? RightCount : WrongCount);
    ++AnsweredCount;
}

std::string Exercise::AccuracyText() const {
    if (AnsweredCount <= 0)
        return "0%";
    // rint rounds halves to the even neighbour in the default rounding mode: 12.5 gives 12, 37.5 gives 38.
    const double percent = static_cast<double>(RightCount) / static_cast<double>(AnsweredCount) * 100.0;
    return std::to_string(static_cast<long long>(std::rint(percent))) + "%";
}

Exercise::HandInResult Exercise::Score() const {
    HandInResult result;
    result.fullMarks = 2 * ExamMultiChoiceCount + ExamSingleChoiceCount + ExamTrueFalseCount;
    for (int i = 0; i < m_questionCount; ++i) {
        const bank::QuestionRecord& q = m_records.at(m_examOrder.at(i));
        const std::string& a = m_userAnswers.at(i);
        if (!a.empty() && a == q.rightAnswer) {
            ++result.right;
            result.score += q.score;
        } else {
            result.notRight.push_back(i);
        }
    }
    result.wrong = m_questionCount - result.right;
    return result;
}

std::string FormatClock(int seconds) {
    auto two = [](int v) { return v < 10 && v >= 0 ? "0" + std::to_string(v) : std::to_string(v); };
    return two(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}
