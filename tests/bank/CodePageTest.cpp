// Code-page conversion at the file boundary: code pages 936 and 1252, UTF-16.
#include <gtest/gtest.h>

#include "platform/os/CodePage.h"

using namespace win;

TEST(CodePage, Gbk936RoundTrip) {
    std::string gbk, back;
    ASSERT_TRUE(Utf8ToCodePage(CP_GBK, "出租汽车 ABC 一", gbk));
    EXPECT_EQ(gbk.size(), 2 * 5 + 5u);
    ASSERT_TRUE(CodePageToUtf8(CP_GBK, gbk, back));
    EXPECT_EQ(back, "出租汽车 ABC 一");
    EXPECT_FALSE(CodePageToUtf8(CP_GBK, "\x81", back)); // a lead byte cut off
    EXPECT_TRUE(back.empty());
    EXPECT_FALSE(Utf8ToCodePage(CP_GBK, "\xF0\x9F\x98\x80", back)); // no emoji in 936
}

TEST(CodePage, Windows1252) {
    std::string out;
    ASSERT_TRUE(CodePageToUtf8(CP_WINDOWS_LATIN1, "Ums\xE4tze \x80", out));
    EXPECT_EQ(out, "Umsätze €");
    EXPECT_FALSE(Utf8ToCodePage(CP_WINDOWS_LATIN1, "中", out));
    EXPECT_TRUE(IsCodePageSupported(936));
    EXPECT_TRUE(IsCodePageSupported(CP_UTF8));
    EXPECT_FALSE(IsCodePageSupported(4242));
    EXPECT_FALSE(CodePageToUtf8(4242, "x", out));
}

TEST(CodePage, Utf16) {
    EXPECT_EQ(Utf16ToUtf8(u"𠀀一a"), "𠀀一a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx"); // a lone surrogate
    EXPECT_EQ(Utf16LeToUtf8(std::string("a\0b\0c", 5)), "ab");                    // odd last byte dropped
    std::u16string units;
    ASSERT_TRUE(Utf8ToUtf16("𠀀一", units));
    EXPECT_EQ(units, u"𠀀一");
    std::string le;
    ASSERT_TRUE(Utf8ToUtf16Le("一", le));
    EXPECT_EQ(le, std::string("\x00\x4E", 2));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8", "\x80", "\xFF"}) {
        EXPECT_FALSE(Utf8ToUtf16(bad, units)) << bad;
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
}
