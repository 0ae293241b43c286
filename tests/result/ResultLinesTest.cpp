#include "result/Tchengjiform.h"

#include <gtest/gtest.h>

TEST(ResultLines, PassMarkIsEightyWhateverTheFullMarks) {
    auto pass = Tchengjiform::ResultLines(90, 100, 70, 20, 80);
    EXPECT_EQ(pass[0], "考试总题数：90 题");
    EXPECT_EQ(pass[1], "考试总分：100 分");
    EXPECT_EQ(pass[2], "答对：70 题");
    EXPECT_EQ(pass[3], "答错：20 题");
    EXPECT_EQ(pass[4], "得分：80 分 【及格】");
    EXPECT_EQ(Tchengjiform::ResultLines(90, 100, 69, 21, 79)[4], "得分：79 分 【未及格】");
    EXPECT_EQ(Tchengjiform::ResultLines(90, 100, 0, 90, 0)[4], "得分：0 分 【未及格】");
    EXPECT_EQ(Tchengjiform::ResultLines(90, 50, 90, 0, 100)[4], "得分：100 分 【及格】");
}
