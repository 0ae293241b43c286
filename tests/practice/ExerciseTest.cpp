#include "practice/Exercise.h"
#include "practice/Feedback.h"
#include "practice/RandomGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace {

bank::QuestionRecord Question(int type, std::string right, int score = 1) {
    static int n = 0;
    bank::QuestionRecord q;
    q.type = type;
    q.name = "stem " + std::to_string(++n);
    q.rightAnswer = std::move(right);
    q.score = score;
    return q;
}

// A bank shaped like the real one: `perType` rows of each kind 1..3 plus rows of unknown kinds.
std::vector<bank::QuestionRecord> Bank(int judge, int single, int multi, int other = 0) {
    std::vector<bank::QuestionRecord> rows;
    for (int i = 0; i < judge; ++i)
        rows.push_back(Question(1, i % 2 ? "N" : "Y"));
    for (int i = 0; i < single; ++i)
        rows.push_back(Question(2, std::string(1, static_cast<char>('A' + i % 4))));
    for (int i = 0; i < multi; ++i)
        rows.push_back(Question(3, "ACD", 2));
    for (int i = 0; i < other; ++i)
        rows.push_back(Question(7, "A"));
    return rows;
}

TEST(ExerciseOrder, SequentialPracticeWalksLoadOrderAndRandomVisitsEveryRowOnce) {
    Exercise e;
    e.LoadRecords(Bank(40, 30, 20), false);
    ASSERT_EQ(e.QuestionCount(), 90);
    for (int p = 0; p < 90; ++p)
        EXPECT_EQ(e.RowAt(p), p);

    RandomGenerator random;
    e.ShufflePracticeOrder(random);
    std::vector<int> order = e.PracticeOrder();
    EXPECT_NE(order, std::vector<int>(order.size())) << "not shuffled";
    std::sort(order.begin(), order.end());
    std::vector<int> all(90);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(order, all);
}

TEST(ExerciseOrder, RandomPracticeRepeatsFromTheFixedSeed) {
    Exercise a, b;
    a.LoadRecords(Bank(10, 10, 10), false);
    b.LoadRecords(Bank(10, 10, 10), false);
    RandomGenerator r1, r2;
    a.ShufflePracticeOrder(r1);
    b.ShufflePracticeOrder(r2);
    EXPECT_EQ(a.PracticeOrder(), b.PracticeOrder());
}

TEST(ExerciseOrder, ExamDrawTakes30_50_10InterleavedAndNeverUnknownKinds) {
    Exercise e;
    e.LoadRecords(Bank(300, 700, 150, 58), true);
    RandomGenerator random;
    e.DrawExam(random);
    ASSERT_EQ(e.QuestionCount(), 90);
    int perType[8] = {};
    std::set<int> rows;
    for (int p = 0; p < 90; ++p) {
        ++perType[e.QuestionAt(p).type];
        rows.insert(e.RowAt(p));
    }
    EXPECT_EQ(perType[1], 30);
    EXPECT_EQ(perType[2], 50);
    EXPECT_EQ(perType[3], 10);
    EXPECT_EQ(perType[7], 0);
    EXPECT_EQ(rows.size(), 90u) << "a row drawn twice";
    bool grouped = true;
    for (int p = 0; p < 30; ++p)
        grouped &= e.QuestionAt(p).type == 1;
    EXPECT_FALSE(grouped) << "the kinds should come interleaved";
}

TEST(ExerciseOrder, EachExamMakesANewDrawWithTheSameGenerator) {
    Exercise e;
    RandomGenerator random;
    e.LoadRecords(Bank(300, 700, 150), true);
    e.DrawExam(random);
    std::vector<int> first;
    for (int p = 0; p < 90; ++p)
        first.push_back(e.RowAt(p));
    e.LoadRecords(Bank(300, 700, 150), true);
    e.DrawExam(random);
    std::vector<int> second;
    for (int p = 0; p < 90; ++p)
        second.push_back(e.RowAt(p));
    EXPECT_NE(first, second) << "the second examination repeats the first one's draw";
}

TEST(ExerciseOrder, ExamOnAThinBankLeavesRowZeroInTheUnfilledPlaces) {
    Exercise e;
    e.LoadRecords(Bank(5, 3, 1), true);
    RandomGenerator random;
    e.DrawExam(random);
    EXPECT_EQ(e.QuestionCount(), 90);
    for (int p = 9; p < 90; ++p)
        EXPECT_EQ(e.RowAt(p), 0);
    EXPECT_EQ(e.CountUnanswered(), 90);
    EXPECT_EQ(e.Score().wrong, 90);
}

TEST(ExerciseCounters, AccuracyRoundsHalvesToEven) {
    struct Case {
        int right, answered;
        const char* text;
    } cases[] = {{2, 3, "67%"}, {1, 8, "12%"}, {3, 8, "38%"},  {1, 1, "100%"}, {0, 1, "0%"},
                 {5, 8, "62%"}, {7, 8, "88%"}, {1, 200, "0%"}, {3, 200, "2%"}};
    for (const Case& c : cases) {
        Exercise e;
        e.AnsweredCount = c.answered;
        e.RightCount = c.right;
        EXPECT_EQ(e.AccuracyText(), c.text) << c.right << " of " << c.answered;
    }
}

TEST(ExerciseCounters, OnlyTheFirstJudgementOfAPositionCountsAndCountersSurviveANewExercise) {
    Exercise e;
    e.LoadRecords(Bank(3, 0, 0), false);
    EXPECT_TRUE(e.MarkJudged(1));
    e.CountJudgement(false);
    EXPECT_FALSE(e.MarkJudged(1));
    EXPECT_TRUE(e.MarkJudged(2));
    e.CountJudgement(true);
    e.LoadRecords(Bank(2, 0, 0), false);
    EXPECT_TRUE(e.MarkJudged(1)) << "a new exercise clears the judged flags";
    EXPECT_EQ(e.AnsweredCount, 2);
    EXPECT_EQ(e.RightCount, 1);
    EXPECT_EQ(e.WrongCount, 1);
}

TEST(ExerciseHandIn, ScoresExactAnswersAndCountsEmptyOnesWrong) {
    Exercise e;
    e.LoadRecords(Bank(30, 50, 10), true);
    RandomGenerator random;
    e.DrawExam(random);
    EXPECT_EQ(e.CountUnanswered(), 90);
    Exercise::HandInResult none = e.Score();
    EXPECT_EQ(none.right, 0);
    EXPECT_EQ(none.wrong, 90);
    EXPECT_EQ(none.score, 0);
    EXPECT_EQ(none.fullMarks, 100);
    EXPECT_EQ(none.notRight.size(), 90u);

    for (int p = 0; p < 90; ++p)
        e.RecordAnswer(p, e.QuestionAt(p).rightAnswer);
    Exercise::HandInResult all = e.Score();
    EXPECT_EQ(all.right, 90);
    EXPECT_EQ(all.score, 100);
    EXPECT_TRUE(all.notRight.empty());

    int multi = 0;
    while (e.QuestionAt(multi).type != 3)
        ++multi;
    e.RecordAnswer(multi, "AC");
    e.RecordAnswer(0, e.QuestionAt(0).type == 1 ? "y" : "a");
    e.RecordAnswer(1, "");
    Exercise::HandInResult some = e.Score();
    EXPECT_EQ(some.right, 90 - 3 + (multi <= 1 ? 1 : 0));
    EXPECT_EQ(e.CountUnanswered(), 1);
    EXPECT_NE(std::find(some.notRight.begin(), some.notRight.end(), multi), some.notRight.end());
}

TEST(ExerciseHandIn, EmptyRightAnswerNeverMatches) {
    Exercise e;
    std::vector<bank::QuestionRecord> rows = Bank(30, 50, 10);
    rows[0].rightAnswer = "";
    e.LoadRecords(rows, true);
    RandomGenerator random;
    e.DrawExam(random);
    for (int p = 0; p < 90; ++p)
        e.RecordAnswer(p, e.QuestionAt(p).rightAnswer);
    EXPECT_EQ(e.Score().right, 89) << "the whole bank is drawn, row 0 with it";
    EXPECT_EQ(e.CountUnanswered(), 1);
}

TEST(Clock, CountdownTextHasTwoDigitsPerPart) {
    EXPECT_EQ(FormatClock(2699), "00:44:59");
    EXPECT_EQ(FormatClock(0), "00:00:00");
    EXPECT_EQ(FormatClock(3600 + 61), "01:01:01");
    EXPECT_EQ(FormatClock(36000), "10:00:00");
}

TEST(FeedbackTable, TextsDifferByHandlerExactly) {
    using C = AnswerControl;
    EXPECT_STREQ(Feedback::Find(C::RadioButton1, 1)->rightText, "恭喜您答对了。");
    EXPECT_STREQ(Feedback::Find(C::RadioButton2, 1)->rightText, "恭喜您答对了");
    EXPECT_STREQ(Feedback::Find(C::RadioButton4, 2)->rightText, "恭喜您答对了");
    EXPECT_STREQ(Feedback::Find(C::RadioButton3, 2)->rightText, "恭喜您答对了。");
    EXPECT_STREQ(Feedback::Find(C::Button1, 3)->rightText, "恭喜您答对了");
    EXPECT_EQ(Feedback::WrongText(*Feedback::Find(C::RadioButton1, 1), "Y"),
              "请注意您答错了,正确答案是：【错误】。");
    EXPECT_EQ(Feedback::WrongText(*Feedback::Find(C::RadioButton2, 1), "Y"),
              "请注意您答错了,正确答案是：【正确】。");
    EXPECT_EQ(Feedback::WrongText(*Feedback::Find(C::RadioButton1, 2), "C"),
              "请注意您答错了,正确答案是：【C】。");
    EXPECT_EQ(Feedback::WrongText(*Feedback::Find(C::Button1, 3), ""), "请注意您答错了,正确答案是：【】。");
    EXPECT_EQ(Feedback::Find(C::RadioButton3, 1), nullptr);
    EXPECT_EQ(Feedback::Find(C::RadioButton1, 3), nullptr);
    EXPECT_EQ(Feedback::Find(C::RadioButton1, 0), nullptr);
}

TEST(FeedbackTable, RecordedAnswersAndReviewLine) {
    using C = AnswerControl;
    EXPECT_EQ(Feedback::RadioAnswer(C::RadioButton1, 1), "Y");
    EXPECT_EQ(Feedback::RadioAnswer(C::RadioButton2, 1), "N");
    EXPECT_EQ(Feedback::RadioAnswer(C::RadioButton1, 3), "A");
    EXPECT_EQ(Feedback::RadioAnswer(C::RadioButton4, 2), "D");
    EXPECT_EQ(Feedback::ReviewText("Y"), "您答错了，正确答案是：【正确】");
    EXPECT_EQ(Feedback::ReviewText("N"), "您答错了，正确答案是：【错误】");
    EXPECT_EQ(Feedback::ReviewText("ABD"), "您答错了，正确答案是：【ABD】");
}

} // namespace
