#include "SamplePackage.h"

#include "skin/package/SkinFormat.h"
#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TSkinReader.h"
#include "skin/package/TSkinWriter.h"

#include <gtest/gtest.h>

#include <optional>

namespace skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
}

// An expanded package laid out by hand, so the reader is checked against the layout, not the writer.
Bytes RawPackage(std::int32_t format, const std::string& names, const std::vector<std::int32_t>& sizes,
                 const std::string& data, std::optional<std::int32_t> nameLength = {}) {
    Bytes out;
    Put32(out, format);
    Put32(out, nameLength ? *nameLength : static_cast<std::int32_t>(names.size()));
    Put32(out, 0x11111111);
    Put32(out, 0x22222222);
    const TSkinFormat* known = FindSkinFormat(format);
    out.insert(out.end(), static_cast<std::size_t>(known ? known->SkippedBlock : 0), 0xEE);
    out.insert(out.end(), names.begin(), names.end());
    for (std::int32_t s : sizes)
        Put32(out, s);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::string Entry(const TSkinReader& reader, const std::string& name) {
    Bytes out{'?'};
    reader.ExtractEntry(name, out);
    return std::string(out.begin(), out.end());
}

TEST(SkinReader, ReadsTheSamplePackage) {
    const TSkinWriter writer = sample::MakeSkinWriter();
    const Bytes expanded = writer.BuildExpanded();
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(writer.BuildPackage())) << reader.FailureText();
    EXPECT_EQ(reader.Header().Format, 70000);
    EXPECT_EQ(reader.EntryCount(), 35);
    std::int64_t total = 0;
    for (int i = 0; i < reader.EntryCount(); ++i)
        total += reader.EntrySize(i);
    EXPECT_EQ(16 + 69 + reader.Header().NameListLength + 4 * 35 + total,
              static_cast<std::int64_t>(expanded.size()));

    Bytes bmp;
    reader.ExtractEntry("FrameTop.bmp", bmp);
    EXPECT_EQ(bmp, sample::MakeBmp(367, 58, 24, 32));

    Bytes ini;
    std::string name;
    reader.ExtractFirstMatching(".ini", ini, name);
    EXPECT_EQ(name, "sample.ini");
    EXPECT_EQ(std::string(ini.begin(), ini.end()), sample::MakeDescription());
}

TEST(SkinReader, EverySkippedBlockSizeIsHonoured) {
    for (const TSkinFormat& format : SkinFormats) {
        TSkinReader reader;
        ASSERT_TRUE(reader.IndexPackage(RawPackage(format.Number, "a.bmp\r\nb.ini\r\n", {3, 2}, "AAABB")))
            << format.Number << ": " << reader.FailureText();
        EXPECT_EQ(Entry(reader, "a.bmp"), "AAA") << format.Number;
        EXPECT_EQ(Entry(reader, "b.ini"), "BB") << format.Number;
        EXPECT_EQ(reader.Header().Reserved1, 0x11111111);
    }
}

TEST(SkinReader, Format20000NameListStartsAtByte16) {
    Bytes raw = RawPackage(20000, "x.bmp", {1}, "Z");
    EXPECT_EQ(raw[16], 'x');
    TSkinReader reader;
    ASSERT_TRUE(reader.IndexPackage(raw));
    EXPECT_EQ(Entry(reader, "x.bmp"), "Z");
}

TEST(SkinReader, NamesMatchWithoutRegardToCaseButOnlyWhole) {
    TSkinReader reader;
    ASSERT_TRUE(reader.IndexPackage(RawPackage(70000, "FrameTop.BMP\r\nbuttons.bmp", {2, 3}, "ftbtn")));
    EXPECT_EQ(reader.EntryName(0), "frametop.bmp");
    EXPECT_EQ(Entry(reader, "frametop.bmp"), "ft");
    EXPECT_EQ(Entry(reader, "FRAMETOP.BMP"), "ft");
    EXPECT_EQ(Entry(reader, "FrameTop.bmp"), "ft");
    EXPECT_EQ(Entry(reader, "BUTTONS.bmp"), "btn");
    EXPECT_EQ(Entry(reader, "frametop"), "");
    EXPECT_EQ(Entry(reader, "rametop.bmp"), "");
    EXPECT_EQ(Entry(reader, ""), "");
}

TEST(SkinReader, FirstMatchingFindsTheDescriptionByFragment) {
    TSkinReader reader;
    ASSERT_TRUE(
        reader.IndexPackage(RawPackage(70000, "a.bmp\r\nMy Blue Skin.INI\r\nz.ini", {1, 2, 3}, "abbccc")));
    Bytes out;
    std::string name;
    reader.ExtractFirstMatching(".ini", out, name);
    EXPECT_EQ(name, "my blue skin.ini");
    EXPECT_EQ(std::string(out.begin(), out.end()), "bb");
    // The fragment is taken as it stands, and names are held lower-cased.
    reader.ExtractFirstMatching(".INI", out, name);
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(name.empty());
}

TEST(SkinReader, NameListLineBreaks) {
    TSkinReader reader;
    // CR LF, lone LF, lone CR; an empty line in the middle is an entry; a final break adds none.
    ASSERT_TRUE(
        reader.IndexPackage(RawPackage(70000, "a\r\nb\nc\rd\r\n\r\ne\r\n", {1, 1, 1, 1, 0, 1}, "ABCDE")));
    ASSERT_EQ(reader.EntryCount(), 6);
    EXPECT_EQ(reader.EntryName(4), "");
    EXPECT_EQ(Entry(reader, "e"), "E");
    EXPECT_EQ(Entry(reader, "d"), "D");
}

TEST(SkinReader, DuplicateNamesGiveTheFirstEntry) {
    TSkinReader reader;
    ASSERT_TRUE(reader.IndexPackage(RawPackage(70000, "a.bmp\r\nA.BMP", {1, 2}, "xyy")));
    EXPECT_EQ(Entry(reader, "a.bmp"), "x");
}

TEST(SkinReader, UnknownFormatGivesTheOlderSkinMessage) {
    const std::string message = "This is Older Skin File\rPlease update to new version !";
    for (const Bytes& raw :
         {RawPackage(69999, "a", {1}, "x"), RawPackage(0, "", {}, ""), Bytes{}, Bytes{0x70, 0x11}}) {
        TSkinReader reader;
        EXPECT_FALSE(reader.IndexPackage(raw));
        EXPECT_TRUE(reader.IsOlderSkin());
        EXPECT_EQ(reader.FailureText(), message);
        EXPECT_EQ(reader.EntryCount(), 0);
    }
    // An empty container (expanded size 0) reads the same way.
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadPackage(Bytes{0, 0, 0, 0}));
    EXPECT_EQ(reader.FailureText(), message);
}

TEST(SkinReader, RefusesPackagesThatRunPastTheirData) {
    struct Case {
        const char* What;
        Bytes Raw;
        const char* Mentions;
    };
    Bytes shortHeader = RawPackage(70000, "", {}, "");
    shortHeader.resize(10);
    Bytes shortBlock = RawPackage(60000, "", {}, "");
    shortBlock.resize(16 + 100);
    const Case cases[] = {
        {"header", shortHeader, "16-byte header"},
        {"format block", shortBlock, "block of 117"},
        {"negative name list", RawPackage(70000, "a", {1}, "x", -5), "name list of -5"},
        {"name list past end", RawPackage(70000, "a", {1}, "x", 1000), "name list of 1000"},
        {"size table past end", RawPackage(70000, "a\r\nb\r\nc", {1}, ""), "size table of 3"},
        {"negative size", RawPackage(70000, "a\r\nb", {1, -1}, "xy"), "\"b\" of -1"},
        {"size past end", RawPackage(70000, "a\r\nb", {1, 5}, "xy"), "\"b\" of 5"},
        {"huge size", RawPackage(70000, "a", {0x7FFFFFFF}, "xy"), "2147483647"},
    };
    for (const Case& c : cases) {
        TSkinReader reader;
        EXPECT_FALSE(reader.IndexPackage(c.Raw)) << c.What;
        EXPECT_FALSE(reader.IsOlderSkin()) << c.What;
        EXPECT_NE(reader.FailureText().find(c.Mentions), std::string::npos)
            << c.What << ": " << reader.FailureText();
        EXPECT_EQ(reader.EntryCount(), 0) << c.What;
    }
}

TEST(SkinReader, AtMost1001Entries) {
    auto build = [](int n) {
        std::string names;
        for (int i = 0; i < n; ++i)
            names += "e" + std::to_string(i) + "\r\n";
        return RawPackage(70000, names, std::vector<std::int32_t>(static_cast<std::size_t>(n), 0), "");
    };
    TSkinReader reader;
    EXPECT_TRUE(reader.IndexPackage(build(1001))) << reader.FailureText();
    EXPECT_EQ(reader.EntryCount(), 1001);
    EXPECT_FALSE(reader.IndexPackage(build(1002)));
    EXPECT_NE(reader.FailureText().find("1002 entries"), std::string::npos);
    EXPECT_EQ(reader.EntryCount(), 0);
    // Counted, not stored: a million empty names is refused like any other excess.
    EXPECT_FALSE(reader.IndexPackage(RawPackage(70000, std::string(1000000, '\n'), {}, "")));
    EXPECT_NE(reader.FailureText().find("1000000 entries"), std::string::npos);
}

TEST(SkinReader, RefusesAbsurdExpandedSizesAndReadsNegativeOnesAsAnOlderSkin) {
    TSkinReader reader;
    // A negative size decodes to nothing, whose header reads as format 0.
    EXPECT_FALSE(reader.ReadPackage(Bytes{0x00, 0x00, 0x00, 0x80}));
    EXPECT_TRUE(reader.IsOlderSkin());
    EXPECT_EQ(reader.FailureText(), TSkinReader::OlderSkinMessage);
    EXPECT_EQ(reader.Expansion().DeclaredSize, INT32_MIN);
    EXPECT_FALSE(reader.ReadPackage(Bytes{0x01, 0x00, 0x00, 0x04, 0x00}));
    EXPECT_NE(reader.FailureText().find("limit"), std::string::npos);
    reader.SetMaxExpandedSize(100);
    EXPECT_FALSE(reader.ReadPackage(
        TLZHEncoder::CompressContainer(RawPackage(70000, "a", {200}, std::string(200, 'q')))));
}

TEST(SkinReader, TruncatedPackageStillReadsWithZerosAndReportsTheOverrun) {
    std::string tail(3000, '\0');
    for (std::size_t i = 0; i < tail.size(); ++i)
        tail[i] = static_cast<char>(i * 2654435761u >> 13);
    const Bytes expanded = RawPackage(70000, "a.bmp\r\nb.bmp", {5, 3000}, "first" + tail);
    const Bytes full = TLZHEncoder::CompressContainer(expanded);
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(full));
    EXPECT_FALSE(reader.Expansion().Overran());

    const Bytes cut(full.begin(), full.end() - 200);
    Bytes zeroFilled;
    std::string error;
    ASSERT_TRUE(TLZH::ExpandContainer(cut, 1 << 20, zeroFilled, error));
    ASSERT_TRUE(reader.ReadPackage(cut)) << reader.FailureText();
    EXPECT_TRUE(reader.Expansion().Overran());
    EXPECT_GE(reader.Expansion().BytesMissing(), 200u);
    EXPECT_GT(reader.Expansion().OverrunOffset, 0);
    EXPECT_EQ(Entry(reader, "a.bmp"), "first");
    const std::string b = Entry(reader, "b.bmp");
    ASSERT_EQ(b.size(), 3000u);
    EXPECT_EQ(b, std::string(zeroFilled.end() - 3000, zeroFilled.end()));
    EXPECT_NE(b, tail);
}

TEST(SkinReader, FailedReadForgetsThePreviousPackage) {
    TSkinReader reader;
    ASSERT_TRUE(reader.IndexPackage(RawPackage(70000, "a", {1}, "x")));
    EXPECT_FALSE(reader.IndexPackage(RawPackage(1, "a", {1}, "x")));
    EXPECT_EQ(Entry(reader, "a"), "");
}

TEST(SkinWriter, BuildsWhatTheReaderReads) {
    for (const TSkinFormat& format : SkinFormats) {
        TSkinWriter writer(format.Number);
        writer.AddEntry("One.bmp", sample::Bytes("first"));
        writer.AddEntry("empty.bmp", {});
        writer.AddEntry("skin.ini", sample::Bytes("[A]\r\nk=v\r\n"));
        Bytes expected = RawPackage(format.Number, "One.bmp\r\nempty.bmp\r\nskin.ini\r\n", {5, 0, 10},
                                    "first[A]\r\nk=v\r\n");
        // The writer leaves the reserved words and the format block zero.
        std::fill(expected.begin() + 8, expected.begin() + 16 + format.SkippedBlock, 0);
        EXPECT_EQ(writer.BuildExpanded(), expected) << format.Number;
        TSkinReader reader;
        ASSERT_TRUE(reader.ReadPackage(writer.BuildPackage()));
        EXPECT_EQ(Entry(reader, "one.bmp"), "first");
        EXPECT_EQ(Entry(reader, "skin.ini"), "[A]\r\nk=v\r\n");
    }
}

TEST(SkinWriter, RefusesWhatTheReaderCouldNotUse) {
    EXPECT_THROW(TSkinWriter(12345), std::invalid_argument);
    TSkinWriter writer;
    writer.AddEntry("a.bmp", {});
    EXPECT_THROW(writer.AddEntry("", {}), std::invalid_argument);
    EXPECT_THROW(writer.AddEntry("b\r\nc", {}), std::invalid_argument);
    EXPECT_THROW(writer.AddEntry(std::string("b\0c", 3), {}), std::invalid_argument);
    EXPECT_THROW(writer.AddEntry("A.BMP", {}), std::invalid_argument);
    for (int i = 1; i < TSkinReader::MaxEntries; ++i)
        writer.AddEntry("e" + std::to_string(i), {});
    EXPECT_THROW(writer.AddEntry("one.too.many", {}), std::invalid_argument);
    EXPECT_EQ(writer.EntryCount(), 1001u);
}

} // namespace
} // namespace skin
