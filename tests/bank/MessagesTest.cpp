// The table of texts users read: every one in Chinese, and arguments inserted as they are.
#include "bank/jet/MessageTable.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace bank::jet;

TEST(Messages, EveryTextIsChineseAndNamesOnlyItsArguments) {
    for (int i = 0; i < static_cast<int>(Msg::Count); ++i) {
        std::string_view t = MessageTemplate(static_cast<Msg>(i));
        // Simplified Chinese in UTF-8: some three-byte sequence from the CJK blocks (lead bytes E3 to E9).
        bool chinese = false;
        for (char c : t)
            chinese =
                chinese || (static_cast<unsigned char>(c) >= 0xE3 && static_cast<unsigned char>(c) <= 0xE9);
        EXPECT_TRUE(chinese) << "message " << i << ": " << t;
        for (size_t at = t.find('{'); at != std::string_view::npos; at = t.find('{', at + 1))
            EXPECT_TRUE(at + 2 < t.size() && t[at + 1] >= '0' && t[at + 1] <= '9' && t[at + 2] == '}')
                << "message " << i << ": a brace that is no argument";
    }
}

TEST(Messages, ArgumentsAreInsertedVerbatim) {
    EXPECT_EQ(Say(Msg::FileMissing, "/opt/taxi/db1.mdb"), "数据库文件不存在：/opt/taxi/db1.mdb");
    // A file name or table name from outside may hold what looks like a placeholder.
    EXPECT_EQ(Say(Msg::NoSuchColumn, "{1}", "{0}"), "表“{1}”中没有名为“{0}”的列");
    EXPECT_EQ(Say(Msg::RowBounds, 6, 0u, std::uint32_t{4112}, 4096),
              "第 6 页第 0 行：行的范围 4112..4096 超出了页的行区");
    EXPECT_EQ(Say(Msg::InFile, "第 1 页", ""), "第 1 页（数据库文件：）");
    EXPECT_EQ(SystemErrorText(EACCES), "没有访问权限");
}
