#include "platform/gdi/DialogSans.h"
#include "GdiTestUtil.h"

#include <string>

using namespace win;
using gditest::Canvas;

namespace {

// The dialog face's three strikes: 8, 10 and 12 pt.
const std::vector<gdi::BitmapStrike> kStrikes{{0, 11, 2}, {1, 13, 3}, {2, 16, 4}};

struct Choice {
    int index, ascent, descent;
    bool operator==(const Choice&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Choice& c) {
    return os << "{" << c.index << ", " << c.ascent << ", " << c.descent << "}";
}
Choice Choose(long long height) {
    gdi::StrikeChoice c = gdi::ChooseStrike(kStrikes, height);
    return {c.index, c.ascent, c.descent};
}

class DialogSansText : public ::testing::Test {
protected:
    void SetUp() override {
        m_font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        m_old = SelectObject(m_canvas.dc, m_font);
        char face[LF_FACESIZE] = {};
        GetTextFace(m_canvas.dc, LF_FACESIZE, face);
        ASSERT_STREQ(face, "MS Sans Serif");
        TEXTMETRIC tm{};
        GetTextMetrics(m_canvas.dc, &tm);
        if (tm.tmHeight != 13)
            GTEST_FAIL() << "the dialog face is not installed (fonts-wine, scripts/setup.sh); cell "
                         << tm.tmHeight;
    }
    void TearDown() override {
        SelectObject(m_canvas.dc, m_old);
        DeleteObject(m_font);
    }
    int Width(const std::string& s) {
        SIZE sz{};
        GetTextExtentPoint32(m_canvas.dc, s.c_str(), static_cast<int>(s.size()), &sz);
        return sz.cx;
    }

    Canvas m_canvas{400, 40};
    HFONT m_font = nullptr;
    HGDIOBJ m_old = nullptr;
};

} // namespace

TEST(DialogSansStrikes, HeightsPickTheStrikeOrScaleTheNearestCell) {
    EXPECT_EQ(Choose(-11), (Choice{0, 11, 2}));
    EXPECT_EQ(Choose(-12), (Choice{0, 11, 2})) << "a strike serves a request a pixel larger";
    EXPECT_EQ(Choose(-13), (Choice{1, 13, 3})) << "an exact strike wins over a smaller one";
    EXPECT_EQ(Choose(-19), (Choice{-1, 19, 5})) << "14 pt: the 12-pt cell scaled";
    EXPECT_EQ(Choose(0), (Choice{0, 11, 2}));
    EXPECT_EQ(Choose(13), (Choice{0, 11, 2})) << "a positive height is the cell";
    EXPECT_EQ(Choose(17), (Choice{1, 13, 3}));
    EXPECT_EQ(Choose(24), (Choice{-1, 19, 5}));
    EXPECT_EQ(gdi::ChooseStrike(kStrikes, 24).charHeight, 19);
    EXPECT_EQ(gdi::ChooseStrike(kStrikes, -(1LL << 40)).charHeight, 512);
    EXPECT_EQ(gdi::ChooseStrike({}, -11).index, -1);
}

TEST_F(DialogSansText, EightPointCellAndLatinWidths) {
    TEXTMETRIC tm{};
    GetTextMetrics(m_canvas.dc, &tm);
    EXPECT_EQ(tm.tmAscent, 11);
    EXPECT_EQ(tm.tmDescent, 2);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmAveCharWidth, 5);
    EXPECT_EQ(Width("0"), 6);
    EXPECT_EQ(Width("- "), 6);
    EXPECT_EQ(Width("00:00:00"), 42);
    EXPECT_EQ(Width("0%"), 14);
    EXPECT_EQ(Width("StaticText1"), 54);
    SIZE sz{};
    GetTextExtentPoint32(m_canvas.dc, "中", -1, &sz);
    EXPECT_EQ(sz.cy, 13) << "ideographs from the CJK face keep the dialog cell";
}

TEST_F(DialogSansText, IdeographsFallBackCharacterByCharacter) {
    EXPECT_EQ(Width("中"), 12);
    EXPECT_EQ(Width("【顺序】"), 48);
    EXPECT_EQ(Width("0中-"), Width("0") + Width("中") + Width("-"));
    EXPECT_EQ(Width("第一章 职业道德与服务规范（244题）"), 15 * 12 + 3 + 3 * 6);
    EXPECT_EQ(Width("--------------------------您的考试成绩如下：---------------------"), 47 * 3 + 9 * 12);
    SetBkMode(m_canvas.dc, TRANSPARENT);
    TextOut(m_canvas.dc, 2, 2, "0中", 4);
    RECT ink = m_canvas.Ink();
    EXPECT_GE(ink.right - ink.left, 6 + 8) << "both the Latin and the ideograph leave ink";
    EXPECT_GE(ink.top, 2);
    EXPECT_LE(ink.bottom, 2 + 13) << "the ideograph stays within the dialog cell";
}

TEST_F(DialogSansText, BoldAndLargerSizes) {
    const int regularWidth = Width("H");
    HFONT bold = CreateFont(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    SelectObject(m_canvas.dc, bold);
    EXPECT_EQ(Width("H"), regularWidth + 1);
    SetBkMode(m_canvas.dc, TRANSPARENT);
    TextOut(m_canvas.dc, 2, 2, "H", 1);
    RECT ink = m_canvas.Ink();
    EXPECT_GE(ink.right - ink.left, 6) << "an emboldened strike still has ink";

    HFONT large = CreateFont(-19, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    SelectObject(m_canvas.dc, large);
    TEXTMETRIC tm{};
    GetTextMetrics(m_canvas.dc, &tm);
    EXPECT_EQ(tm.tmHeight, 24);
    EXPECT_EQ(Width("出租车"), 3 * 20);
    SelectObject(m_canvas.dc, m_font);
    DeleteObject(bold);
    DeleteObject(large);
}
