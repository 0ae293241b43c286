#include "GdiTestUtil.h"
#include "support/GoldenImage.h"

#include <string>
#include <vector>

using namespace win;
using gditest::Canvas;

namespace {

// Anti-aliased edges may move by a level or two between FreeType builds; the face itself is pinned to the
// distribution's WenQuanYi Zen Hei file.
constexpr taxi::test::GoldenTolerance kTextTolerance{48, 40};

struct DialogFont {
    HFONT font;
    HGDIOBJ old;
    HDC dc;
    DialogFont(HDC d, int height = -11, int weight = FW_NORMAL, const char* face = "MS Sans Serif",
               bool underline = false)
        : dc(d) {
        font = CreateFont(height, 0, 0, 0, weight, 0, underline, 0, GB2312_CHARSET, 0, 0, 0, 0, face);
        old = SelectObject(dc, font);
    }
    ~DialogFont() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

int TextWidth(HDC dc, const std::string& s) {
    SIZE sz{};
    GetTextExtentPoint32(dc, s.c_str(), static_cast<int>(s.size()), &sz);
    return sz.cx;
}

} // namespace

TEST(Text, DialogFontMetricsAndChineseGlyphs) {
    Canvas c(200, 40);
    DialogFont f(c.dc);
    TEXTMETRIC tm{};
    ASSERT_TRUE(GetTextMetrics(c.dc, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 12);
    EXPECT_LE(tm.tmHeight, 17); // the layouts give labels 17 pixels
    SIZE sz{};
    GetTextExtentPoint32(c.dc, "出租车", -1, &sz);
    EXPECT_EQ(sz.cy, tm.tmHeight);
    EXPECT_GE(sz.cx, 3 * 11);
    EXPECT_LE(sz.cx, 3 * 13);
    // A Chinese character has ink: the fallback face covers it.
    SetBkMode(c.dc, TRANSPARENT);
    TextOut(c.dc, 2, 2, "中", 3);
    RECT ink = c.Ink();
    EXPECT_GE(ink.right - ink.left, 8);
    EXPECT_GE(ink.bottom - ink.top, 8);
}

TEST(Text, ExtentIsAdditiveAndIgnoresMalformedBytes) {
    Canvas c(10, 10);
    DialogFont f(c.dc);
    EXPECT_EQ(TextWidth(c.dc, "AB中"), TextWidth(c.dc, "AB") + TextWidth(c.dc, "中"));
    const std::string broken = std::string("A\xE4\xB8") + "B\xFF"; // truncated sequence, stray byte
    EXPECT_GT(TextWidth(c.dc, broken), 0);
    RECT r{0, 0, 10, 10};
    EXPECT_GT(DrawText(c.dc, broken.c_str(), -1, &r, DT_WORDBREAK), 0);
}

TEST(DrawTextLayout, CalcRectSingleLineMatchesTheExtent) {
    Canvas c(10, 10);
    DialogFont f(c.dc);
    TEXTMETRIC tm{};
    GetTextMetrics(c.dc, &tm);
    RECT r{5, 7, 6, 8};
    int h = DrawText(c.dc, "考试结果 Result", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(h, tm.tmHeight);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right - r.left, TextWidth(c.dc, "考试结果 Result"));
    EXPECT_EQ(r.bottom - r.top, tm.tmHeight);
    // Flags 0xD00 measure a caption without drawing it.
    RECT caption{0, 0, 0, 0};
    DrawText(c.dc, " 练习  ", -1, &caption, 0xD00);
    EXPECT_EQ(caption.right, TextWidth(c.dc, " 练习  "));
    EXPECT_EQ(c.Ink().right, 0);
}

TEST(DrawTextLayout, ChineseWrapsAtCharactersButNotBeforeClosingPunctuation) {
    Canvas c(10, 10);
    DialogFont f(c.dc);
    const int cw = TextWidth(c.dc, "中");
    // Five characters fit per line; the comma would start line two, so "车" moves down with it.
    const std::string text = "出租车驾驶员，从业资格";
    RECT r{0, 0, 5 * cw, 0};
    TEXTMETRIC tm{};
    GetTextMetrics(c.dc, &tm);
    int h = DrawText(c.dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h, 3 * tm.tmHeight);
    EXPECT_EQ(r.right, 5 * cw);
    // A long Latin word is broken where it overflows rather than spilling out of the box.
    RECT narrow{0, 0, 3 * cw, 0};
    h = DrawText(c.dc, "Supercalifragilistic", -1, &narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(h, tm.tmHeight);
    EXPECT_LE(narrow.right, 3 * cw);
    // Latin words wrap at blanks, and the blank does not count at the end of a line.
    RECT words{0, 0, TextWidth(c.dc, "one two"), 0};
    h = DrawText(c.dc, "one two three", -1, &words, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h, 2 * tm.tmHeight);
    EXPECT_EQ(words.right, TextWidth(c.dc, "one two"));
}

TEST(DrawTextLayout, LineBreaksAndTabs) {
    Canvas c(10, 10);
    DialogFont f(c.dc);
    TEXTMETRIC tm{};
    GetTextMetrics(c.dc, &tm);
    RECT r{0, 0, 500, 0};
    EXPECT_EQ(DrawText(c.dc, "a\r\nb\nc", -1, &r, DT_CALCRECT), 3 * tm.tmHeight);
    RECT s{0, 0, 500, 0};
    EXPECT_EQ(DrawText(c.dc, "a\r\nb\nc", -1, &s, DT_CALCRECT | DT_SINGLELINE), tm.tmHeight);
    RECT t{0, 0, 500, 0};
    DrawText(c.dc, "a\tb", -1, &t, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
    EXPECT_EQ(t.right, 8 * tm.tmAveCharWidth + TextWidth(c.dc, "b"));
}

TEST(DrawTextLayout, PrefixesAreRemovedUnlessNoPrefix) {
    Canvas c(10, 10);
    DialogFont f(c.dc);
    RECT a{0, 0, 500, 0}, b{0, 0, 500, 0}, d{0, 0, 500, 0};
    DrawText(c.dc, "&File && Go", -1, &a, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(a.right, TextWidth(c.dc, "File & Go"));
    DrawText(c.dc, "&File", -1, &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(b.right, TextWidth(c.dc, "&File"));
    DrawText(c.dc, "trailing&", -1, &d, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(d.right, TextWidth(c.dc, "trailing"));
}

TEST(DrawTextLayout, EndEllipsisStaysInsideTheBox) {
    Canvas c(200, 20);
    DialogFont f(c.dc);
    SetBkMode(c.dc, TRANSPARENT);
    RECT r{10, 2, 90, 18};
    DrawText(c.dc, "【岚途学堂】出租车从业资格证考试题练习系统 1.0", -1, &r, 0x8820 | DT_NOCLIP);
    RECT ink = c.Ink();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 90);
    EXPECT_GT(ink.right, 70); // the text runs up to the ellipsis, not stopping early
}

TEST(DrawTextLayout, AlignmentAndVerticalCentring) {
    Canvas c(120, 40);
    DialogFont f(c.dc);
    SetBkMode(c.dc, TRANSPARENT);
    TEXTMETRIC tm{};
    GetTextMetrics(c.dc, &tm);
    RECT r{0, 0, 120, 40};
    int ret = DrawText(c.dc, "交卷", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(ret, 40);
    RECT ink = c.Ink();
    EXPECT_GE(ink.right, 115);
    EXPECT_GE(ink.bottom, 40 - tm.tmDescent - 2);

    Canvas d(120, 40);
    DialogFont g(d.dc);
    SetBkMode(d.dc, TRANSPARENT);
    ret = DrawText(d.dc, "交卷", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(ret, (40 - tm.tmHeight) / 2 + tm.tmHeight);
    ink = d.Ink();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20, 3);
}

TEST(DrawTextLayout, ClipsToTheRectangleUnlessNoClip) {
    Canvas c(100, 30);
    DialogFont f(c.dc);
    SetBkMode(c.dc, TRANSPARENT);
    RECT r{0, 0, 20, 30};
    DrawText(c.dc, "答题卡已经对错题进行了红色标记", -1, &r, DT_SINGLELINE);
    EXPECT_LE(c.Ink().right, 20);
    DrawText(c.dc, "答题卡已经对错题进行了红色标记", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(c.Ink().right, 60);
}

TEST(DrawTextGolden, LayoutsOfChineseAndLatinText) {
    Canvas c(240, 200, RGB(212, 208, 200));
    DialogFont f(c.dc);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(0, 0, 0));
    RECT wrap{4, 4, 120, 80};
    DrawText(c.dc, "【单选题】12、 出租汽车驾驶员在营运中应当遵守哪些规定？Taxi drivers must obey the rules.",
             -1, &wrap, DT_WORDBREAK);
    RECT centred{124, 4, 236, 40};
    SetTextColor(c.dc, RGB(255, 0, 0));
    DrawText(c.dc, "剩余时间：00:45:00", -1, &centred, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT right{124, 44, 236, 60};
    SetTextColor(c.dc, RGB(0, 0, 255));
    DrawText(c.dc, "&Right 右对齐", -1, &right, DT_RIGHT | DT_SINGLELINE);
    RECT ellipsis{4, 84, 150, 100};
    SetTextColor(c.dc, RGB(0, 128, 0));
    DrawText(c.dc, "出租车驾驶员从业资格证模拟考试系统 (taxi)", -1, &ellipsis, 0x8820);
    RECT tabs{4, 104, 236, 120};
    SetTextColor(c.dc, RGB(0, 0, 0));
    DrawText(c.dc, "答对：\t0\t题", -1, &tabs, DT_EXPANDTABS | DT_SINGLELINE);
    SetBkMode(c.dc, OPAQUE);
    SetBkColor(c.dc, RGB(255, 0, 0));
    SetTextColor(c.dc, RGB(255, 255, 255));
    RECT review{4, 124, 236, 140};
    DrawText(c.dc, "您答错了，正确答案是：【正确】", -1, &review, DT_SINGLELINE);
    DialogFont big(c.dc, -19, FW_BOLD, "宋体", true);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(0, 0, 0));
    RECT title{4, 150, 236, 196};
    DrawText(c.dc, "模拟考试 Exam", -1, &title, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EXPECT_TRUE(
        taxi::test::MatchesGolden(c.Surface(), "platform/gdi/golden/drawtext-layouts.png", kTextTolerance));
}

namespace {

struct SizedFont {
    HFONT font;
    SizedFont(int height, const char* face, bool italic = false) {
        font = CreateFont(height, 0, 0, 0, FW_NORMAL, italic, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, face);
    }
    ~SizedFont() { DeleteObject(font); }
    SizedFont(const SizedFont&) = delete;
    SizedFont& operator=(const SizedFont&) = delete;
};

// The pixels of `text` drawn alone in black on white with `font`.
std::vector<std::uint32_t> Rendered(HFONT font, const std::string& text) {
    Canvas c(160, 48);
    HGDIOBJ old = SelectObject(c.dc, font);
    SetBkMode(c.dc, TRANSPARENT);
    TextOut(c.dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
    SelectObject(c.dc, old);
    const auto& s = c.Surface();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            pixels.push_back(s.Row(y)[x] & 0xFFFFFF);
    return pixels;
}

int CharWidth(HFONT font, const std::string& ch) {
    Canvas c(1, 1);
    HGDIOBJ old = SelectObject(c.dc, font);
    const int width = TextWidth(c.dc, ch);
    SelectObject(c.dc, old);
    return width;
}

} // namespace

// The interface families all come from one font file, whose face the fonts share: each must still rasterise
// at its own size and slant when glyphs of the others were loaded in between.
TEST(FontSharing, FontsOfOneFileDrawnAlternatelyKeepTheirOwnSizeAndSlant) {
    const std::vector<std::string> chars = {"考", "试", "结", "果", "A", "g", "W", "7"};
    std::string text;
    for (const std::string& ch : chars)
        text += ch;
    // References drawn before the other sizes take part.
    SizedFont small(-12, "SimHei"), middle(-19, "SimHei");
    const auto smallRef = Rendered(small.font, text);
    const auto middleRef = Rendered(middle.font, text);

    SizedFont big(-31, "Tahoma"), slanted(-19, "Tahoma", true);
    SizedFont smallTwin(-12, "Segoe UI"), middleTwin(-19, "Segoe UI");
    for (const std::string& ch : chars) {
        const int wBig = CharWidth(big.font, ch);
        const int wSlanted = CharWidth(slanted.font, ch);
        const int wSmall = CharWidth(smallTwin.font, ch);
        const int wMiddle = CharWidth(middleTwin.font, ch);
        EXPECT_GT(wBig, wMiddle) << ch;
        EXPECT_GT(wMiddle, wSmall) << ch;
        EXPECT_NEAR(wSlanted, wMiddle, 1) << ch;
    }
    EXPECT_EQ(Rendered(smallTwin.font, text), smallRef);
    EXPECT_EQ(Rendered(middleTwin.font, text), middleRef);
    EXPECT_NE(Rendered(slanted.font, text), middleRef);
    // Cached glyphs of the first fonts are unaffected too.
    EXPECT_EQ(Rendered(small.font, text), smallRef);
    EXPECT_EQ(Rendered(middle.font, text), middleRef);
}

TEST(FontSharing, DeletingAFontLeavesAnotherOfTheSameFileWorking) {
    HFONT gone = CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "NSimSun");
    SizedFont kept(-22, "SimSun");
    EXPECT_GT(CharWidth(gone, "出"), 0);
    EXPECT_GT(CharWidth(kept.font, "租"), 0);
    Canvas c(1, 1);
    HGDIOBJ old = SelectObject(c.dc, kept.font);
    TEXTMETRIC before{};
    ASSERT_TRUE(GetTextMetrics(c.dc, &before));
    SelectObject(c.dc, old);
    ASSERT_TRUE(DeleteObject(gone));

    // Characters not drawn before load glyphs from the shared face after the other font has gone.
    const std::string text = "驾驶员Qy";
    const auto keptPixels = Rendered(kept.font, text);
    SizedFont twin(-22, "微软雅黑");
    EXPECT_EQ(keptPixels, Rendered(twin.font, text));
    EXPECT_NE(keptPixels, Rendered(SizedFont(-12, "SimSun").font, text));
    old = SelectObject(c.dc, kept.font);
    TEXTMETRIC after{};
    ASSERT_TRUE(GetTextMetrics(c.dc, &after));
    EXPECT_EQ(after.tmHeight, before.tmHeight);
    EXPECT_EQ(after.tmAveCharWidth, before.tmAveCharWidth);
    EXPECT_GE(TextWidth(c.dc, "驾驶员"), 3 * 20);
    SelectObject(c.dc, old);
}
