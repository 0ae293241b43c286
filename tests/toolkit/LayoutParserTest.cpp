#include "toolkit/layout/LayoutParser.h"
#include "toolkit/layout/LayoutWriter.h"

#include <gtest/gtest.h>

using namespace tk::layout;

namespace {

LayoutError ParseError(const std::string& text) {
    try {
        LayoutParser::Parse(text, "test.layout");
    } catch (const LayoutError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for:\n" << text;
    return {};
}

const char* kSample = R"(# the main window
object Form1: TForm1
  Caption = "【岚途学堂】 \"quoted\" \\ # not a comment"
  Left = -12
  Color = 0x8000000F
  Enabled = false
  BorderIcons = [biSystemMenu, biMinimize]
  EmptySet = []
  Font.Color = clRed   # trailing comment
  OnCreate = @FormCreate
  object Panel1: TPanel
    Data = {
      00 01 FF
      7f
    }
    object Label1: TStaticText
      Caption = ""
    end
  end
end
)";

} // namespace

TEST(LayoutParser, ReadsEveryValueKindWithItsLine) {
    LayoutObject root = LayoutParser::Parse(kSample, "main.layout");
    EXPECT_EQ(root.name, "Form1");
    EXPECT_EQ(root.className, "TForm1");
    ASSERT_EQ(root.properties.size(), 8u);
    EXPECT_EQ(root.properties[0].value.text, "【岚途学堂】 \"quoted\" \\ # not a comment");
    EXPECT_EQ(root.properties[0].line, 3);
    EXPECT_EQ(root.properties[1].value.integer, -12);
    EXPECT_EQ(root.properties[2].value.integer, 0x8000000F);
    EXPECT_EQ(root.properties[3].value.kind, LayoutValue::Kind::Boolean);
    EXPECT_FALSE(root.properties[3].value.boolean);
    EXPECT_EQ(root.properties[4].value.items, (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
    EXPECT_TRUE(root.properties[5].value.items.empty());
    EXPECT_EQ(root.properties[6].path, "Font.Color");
    EXPECT_EQ(root.properties[6].value.kind, LayoutValue::Kind::Identifier);
    EXPECT_EQ(root.properties[7].value.kind, LayoutValue::Kind::Handler);
    EXPECT_EQ(root.properties[7].value.text, "FormCreate");

    ASSERT_EQ(root.children.size(), 1u);
    const LayoutObject& panel = root.children[0];
    EXPECT_EQ(panel.line, 11);
    EXPECT_EQ(panel.properties[0].value.bytes, (std::vector<std::uint8_t>{0x00, 0x01, 0xFF, 0x7F}));
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children[0].line, 16) << "lines inside binary data are counted";
    EXPECT_EQ(panel.children[0].properties[0].value.text, "");
}

TEST(LayoutParser, WriterOutputReadsBackToTheSameTree) {
    LayoutObject root = LayoutParser::Parse(kSample, "main.layout");
    LayoutValue big;
    big.kind = LayoutValue::Kind::Binary;
    for (int i = 0; i < 1000; ++i)
        big.bytes.push_back(static_cast<std::uint8_t>(i * 7));
    root.children[0].properties.push_back({"SkinStream", big, 0});
    LayoutValue extreme;
    extreme.kind = LayoutValue::Kind::Integer;
    extreme.integer = INT64_MIN;
    root.properties.push_back({"Extreme", extreme, 0});
    LayoutValue text;
    text.kind = LayoutValue::Kind::String;
    text.text = "line\nbreak\ttab \"q\" \\";
    root.properties.push_back({"Text", text, 0});

    LayoutObject again = LayoutParser::Parse(LayoutWriter::Write(root), "again.layout");
    EXPECT_EQ(LayoutWriter::Write(again), LayoutWriter::Write(root));
    EXPECT_EQ(again.children[0].properties.back().value.bytes, big.bytes);
    EXPECT_EQ(again.properties[again.properties.size() - 2].value.integer, INT64_MIN);
    EXPECT_EQ(again.properties.back().value.text, text.text);
}

TEST(LayoutParser, AcceptsByteOrderMarkAndBlankLines) {
    LayoutObject root = LayoutParser::Parse("\xEF\xBB\xBF\n\nobject A: TA\n\n  X = 1\nend\n\n", "f");
    EXPECT_EQ(root.properties.at(0).line, 5);
}

TEST(LayoutParser, FaultsNameTheLine) {
    struct Case {
        const char* text;
        int line;
        const char* fragment;
    } cases[] = {
        {"", 1, "empty"},
        {"object A: TA\n  X = 1\n", 3, "no \"end\""},
        {"object A: TA\n  X = \"open\nend\n", 2, "unterminated string"},
        {"object A: TA\n  X = \"\\q\"\nend\n", 2, "unknown escape"},
        {"object A: TA\n  X = {0 1 2}\nend\n", 2, "odd number"},
        {"object A: TA\n  X = {zz}\nend\n", 2, "non-hex"},
        {"object A: TA\n  X = {00\n", 3, "no closing"},
        {"object A: TA\n  X = 99999999999999999999\nend\n", 2, "out of range"},
        {"object A: TA\n  X = 12ab\nend\n", 2, "malformed integer"},
        {"object A: TA\n  X 1\nend\n", 2, "expected \"=\""},
        {"object A: TA\n  X = [a b]\nend\n", 2, "\",\" or \"]\""},
        {"object A: TA\n  X = 1 2\nend\n", 2, "end of the line"},
        {"object A TA\nend\n", 1, "\":\""},
        {"object A: TA\nend\nobject B: TB\nend\n", 3, "after the final"},
        {"object A: TA\n  X =\nend\n", 2, "expected a value"},
        // Keywords never name a property: the writer could not write such a line back readably.
        {"object A: TA\n  object= 1\nend\n", 2, "expected an object name"},
        {"object A: TA\n  end = 1\nend\n", 2, "end of the line"},
    };
    for (const Case& c : cases) {
        LayoutError e = ParseError(c.text);
        EXPECT_EQ(e.file, "test.layout");
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_NE(e.message.find(c.fragment), std::string::npos) << c.text << " -> " << e.message;
    }
}

TEST(LayoutParser, DeepNestingIsRefusedNotOverflowed) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "object A" + std::to_string(i) + ": T\n";
    LayoutError e = ParseError(text);
    EXPECT_NE(e.message.find("nested too deeply"), std::string::npos);
    EXPECT_EQ(e.line, LayoutParser::kMaxDepth + 1);
}

TEST(LayoutParser, MissingFileIsAnErrorNamingIt) {
    try {
        LayoutParser::ParseFile("/nonexistent/x.layout");
        FAIL();
    } catch (const LayoutError& e) {
        EXPECT_EQ(e.file, "/nonexistent/x.layout");
        EXPECT_NE(e.What().find("cannot open"), std::string::npos);
    }
}
