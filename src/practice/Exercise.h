// One exercise of the practice window without the window: the loaded question records, the order the
// positions walk them in (practice order or the examination draw), the answers recorded in an examination,
// the first-judgement flags, and the practice counters that add up over the whole run.
#pragma once

#include "bank/QuestionRecord.h"

#include <string>
#include <vector>

namespace bank {
class TADOQuery;
}
class RandomGenerator;

class Exercise {
public:
    static constexpr int ExamTrueFalseCount = 30;
    static constexpr int ExamSingleChoiceCount = 50;
    static constexpr int ExamMultiChoiceCount = 10;
    static constexpr int ExamQuestionCount =
        ExamTrueFalseCount + ExamSingleChoiceCount + ExamMultiChoiceCount;

    // Runs `queryText` on the query and loads every row; false for an empty result (nothing is loaded). A
    // failure part-way leaves the exercise without questions and is passed on.
    bool Load(bank::TADOQuery& query, const std::string& queryText, bool exam);
    // Loads records directly (tests and benchmarks).
    void LoadRecords(std::vector<bank::QuestionRecord> records, bool exam);
    void Clear();

    void ShufflePracticeOrder(RandomGenerator& random);
    void DrawExam(RandomGenerator& random, bool reseed = true);

    bool Exam() const { return m_exam; }
    bool Loaded() const { return m_questionCount > 0; }
    int RowCount() const { return static_cast<int>(m_records.size()); }
    int QuestionCount() const { return m_questionCount; }
    int RowAt(int position) const;
    const bank::QuestionRecord& QuestionAt(int position) const { return m_records.at(RowAt(position)); }
    const std::vector<int>& PracticeOrder() const { return m_practiceOrder; }
    const std::vector<int>& ExamOrder() const { return m_examOrder; }

    int CurrentPosition = 0;

    // Examination answers, one per position; empty means unanswered.
    const std::string& UserAnswer(int position) const { return m_userAnswers.at(position); }
    void RecordAnswer(int position, std::string answer) { m_userAnswers.at(position) = std::move(answer); }
    int CountUnanswered() const;

    // Marks the position judged; true only the first time in this exercise.
    bool MarkJudged(int position);

    // Practice counters, kept for the whole run.
    int AnsweredCount = 0;
    int RightCount = 0;
    int WrongCount = 0;
    void CountJudgement(bool right);
    // RightCount / AnsweredCount in percent, ties rounded to even, followed by "%".
    std::string AccuracyText() const;

    struct HandInResult {
        int right = 0;
        int wrong = 0;
        int score = 0;
        int fullMarks = 0;
        std::vector<int> notRight; // positions not answered right
    };
    HandInResult Score() const;

private:
    std::vector<bank::QuestionRecord> m_records;
    std::vector<int> m_practiceOrder;
    std::vector<int> m_shuffledRows;
    std::vector<int> m_examOrder;
    std::vector<std::string> m_rowPool;
    std::vector<std::string> m_userAnswers;
    std::vector<int> m_judgedFlags;
    int m_questionCount = 0;
    bool m_exam = false;

    void Prepare(int rowCount, bool exam);
    void AddRow(bank::QuestionRecord record);
};

// "HH:MM:SS" of a number of seconds, each part at least two digits.
std::string FormatClock(int seconds);
