#include "SamplePackage.h"

#include "skin/package/TQuickIni.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TQuickIni Load(const std::string& text) {
    TQuickIni ini;
    const std::vector<std::uint8_t> bytes = sample::Bytes(text);
    ini.LoadFromStream(&bytes);
    return ini;
}

std::vector<std::string> Lines(const TQuickIni& ini) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < ini.LineCount(); ++i)
        lines.emplace_back(ini.Line(i));
    return lines;
}

TEST(QuickIni, KeysMatchWithoutRegardToCaseWithinTheirSection) {
    const TQuickIni ini =
        Load("[Buttons]\r\nRightwidth=7\r\n  LeftWidth  =  9  \r\n[Progress]\r\nTile=1\r\n");
    EXPECT_EQ(ini.ReadInteger("Buttons", "RightWidth", 0), 7);
    EXPECT_EQ(ini.ReadInteger("buttons", "RIGHTWIDTH", 0), 7);
    EXPECT_EQ(ini.ReadString("BUTTONS", "leftwidth", "-"), "9");
    // A key that stands only in a later section is not found.
    EXPECT_EQ(ini.ReadInteger("Buttons", "Tile", -3), -3);
    EXPECT_EQ(ini.ReadInteger("Progress", "Tile", -3), 1);
    EXPECT_EQ(ini.ReadString("Missing", "Tile", "def"), "def");
    EXPECT_EQ(ini.ReadString("Buttons", "", "def"), "def");
}

TEST(QuickIni, FirstMatchingLineDecidesEvenWhenItsValueIsEmpty) {
    const TQuickIni ini = Load("[S]\nEmpty=\nEmpty=later\nBlank =   \nTwo=a=b\nNoEquals\n=orphan\n");
    EXPECT_EQ(ini.ReadString("S", "Empty", "def"), "def");
    EXPECT_EQ(ini.ReadString("S", "Blank", "def"), "def");
    EXPECT_EQ(ini.ReadString("S", "Two", ""), "a=b");
    EXPECT_EQ(ini.ReadString("S", "NoEquals", "def"), "def");
}

TEST(QuickIni, DuplicateSectionsOnlyTheFirstIsRead) {
    const TQuickIni ini = Load("[Colours]\nA=1\n[Other]\n[colours]\nA=2\nB=3\n");
    EXPECT_EQ(ini.ReadInteger("Colours", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("Colours", "B", 0), 0);
    EXPECT_EQ(ini.SectionIndex("COLOURS"), 0);
    std::vector<std::string> sections{"stale"};
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"Colours", "Other", "colours"}));
}

TEST(QuickIni, CommentsBlankLinesAndLineBreaks) {
    const TQuickIni ini = Load("; top\r\n\r\n[S]\r;Key=1\nKey2=2\r\n  ; Key3=3\n\tKey4=4\t\n");
    EXPECT_EQ(ini.ReadInteger("S", ";Key", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Key", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Key3", -1), -1);
    EXPECT_EQ(ini.ReadInteger("S", "Key2", -1), 2);
    EXPECT_EQ(ini.ReadInteger("S", "Key4", -1), 4);
    EXPECT_EQ(Lines(ini), (std::vector<std::string>{"[S]", "Key2=2", "Key4=4"}));
    EXPECT_EQ(ini.SectionIndex("S"), 0);
}

TEST(QuickIni, SectionHeadersAreTrimmedLinesInBrackets) {
    const TQuickIni ini = Load("  [ Spaced ]  \nk=1\n[Tight]\nk=2\n[Open\nk=3\n");
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (std::vector<std::string>{"Spaced", "Tight"}));
    // The index keeps the header as written, so the inner blanks take part in the lookup.
    EXPECT_EQ(ini.SectionIndex("Spaced"), -1);
    EXPECT_EQ(ini.SectionIndex(" Spaced "), 0);
    // "[Open" is not a header: its line belongs to [Tight], and the key after it too.
    EXPECT_EQ(ini.ReadInteger("Tight", "k", 0), 2);
    EXPECT_EQ(ini.SectionIndex("Open"), -1);
}

TEST(QuickIni, NulEndsTheText) {
    const TQuickIni ini = Load(std::string("[S]\nA=1\0\nB=2\n", 12));
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), 0);
}

TEST(QuickIni, LoadingReplacesAndMissingStreamIsIgnored) {
    TQuickIni ini = Load("[A]\nk=1\n");
    ini.LoadFromStream(nullptr);
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
    const std::vector<std::uint8_t> bytes = sample::Bytes("junk[B]\nk=2\n");
    ini.LoadFromStream(&bytes, 4);
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 0);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
    ini.LoadFromStream(&bytes, 1000);
    EXPECT_EQ(ini.LineCount(), 0u);
}

TEST(QuickIni, IntegerForms) {
    const TQuickIni ini =
        Load("[N]\nhex=0x10\nhexup=0XfF\nbare=0x\ndollar=$1F\nneg=-$10\nsigned=-42\nplus=+7\n"
             "max=2147483647\nmin=-2147483648\nover=2147483648\nwide=0xFFFFFFFF\n"
             "sys=0x8000000F\ntoo=0x100000000\nspace=1 2\nword=abc\nfloat=1.5\nlead=007\n");
    struct Case {
        const char* Key;
        std::int32_t Expected;
    };
    const Case cases[] = {
        {"hex", 16},    {"hexup", 255},      {"bare", -1},
        {"dollar", 31}, {"neg", -16},        {"signed", -42},
        {"plus", 7},    {"max", 2147483647}, {"min", std::numeric_limits<std::int32_t>::min()},
        {"over", -1},   {"wide", -1},        {"too", -1},
        {"space", -1},  {"word", -1},        {"float", -1},
        {"lead", 7},    {"missing", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ini.ReadInteger("N", c.Key, -1), c.Expected) << c.Key;
    // A colour naming a system colour has the top bit set.
    EXPECT_EQ(static_cast<std::uint32_t>(ini.ReadInteger("N", "sys", 0)), 0x8000000Fu);
}

} // namespace
} // namespace skin
