// The question source format: records, defaults, and errors that name file and line.
#include "BankSamples.h"
#include "BankTestUtil.h"

#include "bank/RightAnswer.h"

using qbank::QuestionSource;
using qbank::SourceError;
using testing::HasSubstr;

namespace {

std::string ErrorOf(const std::string& text) {
    try {
        QuestionSource::Parse(text, "ch4.txt", 4);
    } catch (const SourceError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(QuestionSourceFormat, RecordsAndDefaults) {
    auto q =
        QuestionSource::Parse("# 样例\n\ntype: judge\nstem: 车辆起步后应尽快平稳地升入高速挡。\nanswer: Y\n\n"
                              "\r\nid: 77\ntype: multi\nstem: 多选\r\nA: a\nB: b\nC: c\nD: d\nanswer: BD\n"
                              "picture: x\\y.jpg\nscore: 3\nwrong: 1\n",
                              "ch4.txt", 4);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_FALSE(q[0].id);
    EXPECT_EQ(q[0].type, 1);
    EXPECT_EQ(q[0].chapter, 4);
    EXPECT_EQ(q[0].score, 1);
    EXPECT_EQ(q[0].wrong, 0);
    EXPECT_TRUE(q[0].options.empty());
    EXPECT_EQ(*q[1].id, 77);
    EXPECT_EQ(q[1].stem, "多选");
    EXPECT_EQ(q[1].options, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(q[1].picture, "x\\y.jpg");
    EXPECT_EQ(q[1].score, 3);
    EXPECT_EQ(q[1].wrong, 1);
    EXPECT_EQ(q[1].line, 8);
    EXPECT_EQ(QuestionSource::Parse(banktest::SourceText(2, 2, 2, "t"), "f", 1)[5].score, 2);
}

TEST(QuestionSourceFormat, StoredOptionTextStandsInForTheFourLines) {
    auto q = QuestionSource::Parse("type: judge\nstem: j\noptions: 正确|错误|其它\nanswer: N\n\n"
                                   "type: single\nstem: s\noptions: 甲|乙|\nanswer: B\n\n"
                                   "type: multi\nstem: m\noptions:\nanswer: AB\n",
                                   "ch4.txt", 4);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0].storedOptions, "正确|错误|其它");
    EXPECT_EQ(q[1].storedOptions, "甲|乙|");
    EXPECT_TRUE(q[1].options.empty());
    EXPECT_EQ(q[2].storedOptions, "");
    auto table = qbank::BankBuilder::Table(q);
    EXPECT_EQ(table.rows[0][4].text, "正确|错误|其它");
    EXPECT_EQ(table.rows[1][4].text, "甲|乙|");
    auto back = QuestionSource::Parse(QuestionSource::Format(q, 4), "ch4.txt", 4);
    ASSERT_EQ(back.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(back[i].storedOptions, q[i].storedOptions);
    EXPECT_THAT(ErrorOf("type: single\nstem: s\noptions: a|b\nA: a\nanswer: A\n"),
                HasSubstr(":4: expected \"answer:\""));
}

TEST(QuestionSourceFormat, ViolationsNameFileAndLine) {
    EXPECT_EQ(ErrorOf("type: judge\nstem: s\nanswer: X\n"),
              "ch4.txt:3: the answer of a judge question must be Y or N, not \"X\"");
    EXPECT_THAT(ErrorOf("\n\ntype: truefalse\n"), HasSubstr("ch4.txt:3: type must be judge"));
    EXPECT_THAT(ErrorOf("type: single\nstem: s\nA: a\nB: b\nC: c\nanswer: A\n"),
                HasSubstr("ch4.txt:6: expected \"D:\""));
    EXPECT_THAT(ErrorOf("type: multi\nstem: s\nA: a\nB: b\nC: c\nD: d\nanswer: CA\n"),
                HasSubstr(":7: the answer of a multi"));
    EXPECT_THAT(ErrorOf("type: single\nstem: s\nA: a\nB: b|c\nC: c\nD: d\nanswer: A\n"),
                HasSubstr(":4: option B contains \"|\""));
    EXPECT_THAT(ErrorOf("type: judge\nstem:\nanswer: Y\n"), HasSubstr(":2: the stem is empty"));
    EXPECT_THAT(ErrorOf("type: judge\nstem: s\n"), HasSubstr("ends before its \"answer:\""));
    EXPECT_THAT(ErrorOf("type: judge\nstem: s\nanswer: Y\nscore: x\n"), HasSubstr(":4: score must be"));
    EXPECT_THAT(ErrorOf("type: judge\nstem: s\nanswer: Y\nwrong: 2\n"),
                HasSubstr(":4: wrong must be 0 or 1"));
    EXPECT_THAT(ErrorOf("type: judge\nstem: s\nanswer: Y\nA: a\n"), HasSubstr(":4: unexpected \"A:\""));
    EXPECT_THAT(ErrorOf("stem: s\ntype: judge\nanswer: Y\n"), HasSubstr(":1: expected \"type:\""));
    EXPECT_THAT(ErrorOf("id: -3\ntype: judge\nstem: s\nanswer: Y\n"), HasSubstr(":1: id must be a positive"));
    EXPECT_THAT(ErrorOf("type: judge\nno colon here\n"), HasSubstr(":2: expected \"key: value\""));
    EXPECT_THAT(ErrorOf("# ok\ntype: judge\nstem: \xC3\x28\nanswer: Y\n"),
                HasSubstr("ch4.txt:3: the text is not valid UTF-8"));
}

TEST(QuestionSourceFormat, BuilderRefusesDuplicateStemsAndIds) {
    auto q = banktest::Questions(3, 0, 0);
    q[2].stem = q[0].stem;
    try {
        qbank::BankBuilder::Table(q);
        ADD_FAILURE();
    } catch (const SourceError& e) {
        EXPECT_THAT(e.what(), HasSubstr("repeats the question at ch1.txt:3"));
    }
    q = banktest::Questions(3, 0, 0);
    q[1].id = 3; // the third question is numbered 3 by its position
    EXPECT_THROW(qbank::BankBuilder::Table(q), SourceError);
}

TEST(QuestionSourceFormat, FormatParsesBackToTheSameRecords) {
    auto q = banktest::Questions(4, 6, 5, 3);
    q[1].score = 5;
    q[2].wrong = 1;
    for (size_t i = 0; i < q.size(); ++i)
        q[i].id = static_cast<int>(100 + i);
    auto back = QuestionSource::Parse(QuestionSource::Format(q, 3), "ch3.txt", 3);
    ASSERT_EQ(back.size(), q.size());
    for (size_t i = 0; i < q.size(); ++i) {
        EXPECT_EQ(back[i].id, q[i].id);
        EXPECT_EQ(back[i].stem, q[i].stem);
        EXPECT_EQ(back[i].options, q[i].options);
        EXPECT_EQ(back[i].answer, q[i].answer);
        EXPECT_EQ(back[i].picture, q[i].picture);
        EXPECT_EQ(back[i].score, q[i].score);
        EXPECT_EQ(back[i].wrong, q[i].wrong);
    }
}
