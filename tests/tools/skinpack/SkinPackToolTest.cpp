#include "SkinPackTool.h"
#include "SamplePackage.h"

#include "skin/package/TLZHEncoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class SkinPackToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("skinpack-test-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    int Run(std::vector<std::string> args) {
        m_out.str("");
        m_err.str("");
        return SkinPackTool().Run(args, m_out, m_err);
    }
    std::string P(const std::string& name) const { return (m_dir / name).string(); }
    void Write(const std::string& name, const Bytes& bytes) const {
        fs::create_directories((m_dir / name).parent_path());
        std::ofstream(m_dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Read(const std::string& name) const {
        std::ifstream in(m_dir / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
    std::ostringstream m_out, m_err;
};

TEST_F(SkinPackToolTest, PackListUnpackAndIni) {
    const Bytes bmp = skin::sample::MakeBmp(40, 13, 24, 5);
    Write("in/Check.bmp", bmp);
    Write("in/Blue Skin.ini", skin::sample::Bytes(skin::sample::MakeDescription()));
    Write("in/Aaa.bmp", skin::sample::Bytes("tiny"));
    ASSERT_EQ(Run({"pack", P("in"), P("skin.skn")}), 0) << m_err.str();
    ASSERT_EQ(Run({"list", P("skin.skn")}), 0) << m_err.str();
    // By name, with the description text last.
    const std::string listing = m_out.str();
    EXPECT_NE(listing.find("format 70000, 3 entries"), std::string::npos) << listing;
    EXPECT_LT(listing.find("aaa.bmp"), listing.find("check.bmp"));
    EXPECT_LT(listing.find("check.bmp"), listing.find("blue skin.ini"));

    ASSERT_EQ(Run({"ini", P("skin.skn"), "buttons", "RightWidth"}), 0) << m_err.str();
    EXPECT_EQ(m_out.str(), "7\n");
    EXPECT_EQ(Run({"ini", P("skin.skn"), "Buttons", "NoSuchKey"}), 1);
    EXPECT_NE(m_err.str().find("NoSuchKey"), std::string::npos);

    ASSERT_EQ(Run({"unpack", P("skin.skn"), P("out")}), 0) << m_err.str();
    EXPECT_EQ(Read("out/check.bmp"), bmp);
    EXPECT_EQ(Read("out/aaa.bmp"), skin::sample::Bytes("tiny"));
}

TEST_F(SkinPackToolTest, FormatOption) {
    Write("in/a.ini", skin::sample::Bytes("[A]\nk=1\n"));
    ASSERT_EQ(Run({"pack", "--format", "20000", P("in"), P("old.skn")}), 0) << m_err.str();
    ASSERT_EQ(Run({"list", P("old.skn")}), 0);
    EXPECT_NE(m_out.str().find("format 20000"), std::string::npos);
    EXPECT_EQ(Run({"pack", "--format", "20001", P("in"), P("bad.skn")}), 1);
    EXPECT_EQ(Run({"pack", "--format", "7e4", P("in"), P("bad.skn")}), 1);
    EXPECT_FALSE(fs::exists(P("bad.skn")));
    EXPECT_EQ(Run({"pack", P("in")}), 2);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"frobnicate", "a", "b"}), 2);
}

TEST_F(SkinPackToolTest, CompressAndExpand) {
    Bytes data = skin::sample::MakeBmp(200, 50, 24, 9);
    Write("data.bin", data);
    ASSERT_EQ(Run({"compress", P("data.bin"), P("data.lzh")}), 0) << m_err.str();
    EXPECT_LT(Read("data.lzh").size(), data.size());
    ASSERT_EQ(Run({"expand", P("data.lzh"), P("back.bin")}), 0) << m_err.str();
    EXPECT_EQ(Read("back.bin"), data);
}

TEST_F(SkinPackToolTest, BadInputFailsWithoutLeavingFiles) {
    Write("negative.lzh", Bytes{0xFB, 0xFF, 0xFF, 0xFF, 0x12});
    EXPECT_EQ(Run({"expand", P("negative.lzh"), P("out.bin")}), 1);
    EXPECT_NE(m_err.str().find("negative.lzh"), std::string::npos);
    EXPECT_NE(m_err.str().find("expanded size -5 is negative"), std::string::npos) << m_err.str();
    EXPECT_FALSE(fs::exists(P("out.bin")));
    EXPECT_EQ(Run({"list", P("negative.lzh")}), 1);
    EXPECT_NE(m_err.str().find("expanded size -5 is negative"), std::string::npos) << m_err.str();

    Write("notaskin.skn", skin::TLZHEncoder::CompressContainer(skin::sample::Bytes("plain text here")));
    EXPECT_EQ(Run({"unpack", P("notaskin.skn"), P("out")}), 1);
    EXPECT_NE(m_err.str().find("This is Older Skin File"), std::string::npos);
    EXPECT_FALSE(fs::exists(P("out")));
    EXPECT_EQ(Run({"list", P("missing.skn")}), 1);
    EXPECT_NE(m_err.str().find("missing.skn"), std::string::npos);
}

Bytes PackageNamed(const std::string& names, int count) {
    Bytes raw;
    auto put = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            raw.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(20000);
    put(static_cast<std::uint32_t>(names.size()));
    put(0);
    put(0);
    raw.insert(raw.end(), names.begin(), names.end());
    for (int i = 0; i < count; ++i)
        put(1);
    raw.insert(raw.end(), static_cast<std::size_t>(count), 'x');
    return skin::TLZHEncoder::CompressContainer(raw);
}

TEST_F(SkinPackToolTest, UnpackRefusesNamesThatAreNotPlainFileNames) {
    const std::pair<const char*, int> cases[] = {
        {"ok.bmp\r\n../evil.bmp", 2}, {"ok.bmp\r\nsub/x.bmp", 2}, {"ok.bmp\r\n..", 2},
        {"ok.bmp\r\n\r\nz", 3},       {"ok.bmp\r\nOK.BMP", 2},    {"a\tb", 1},
    };
    for (const auto& [names, count] : cases) {
        Write("bad.skn", PackageNamed(names, count));
        EXPECT_EQ(Run({"unpack", P("bad.skn"), P("out")}), 1) << names;
        EXPECT_FALSE(fs::exists(P("out"))) << names;
        EXPECT_FALSE(fs::exists(m_dir / "evil.bmp"));
    }
}

TEST_F(SkinPackToolTest, TruncatedStreamsAreRefusedWithWhatIsMissing) {
    Write("in/a.bmp", skin::sample::MakeBmp(60, 40, 24, 3));
    Write("in/skin.ini", skin::sample::Bytes(skin::sample::MakeDescription()));
    ASSERT_EQ(Run({"pack", P("in"), P("full.skn")}), 0) << m_err.str();
    Bytes cut = Read("full.skn");
    cut.resize(cut.size() - 40);
    Write("cut.skn", cut);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"list", P("cut.skn")},
                                                    {"unpack", P("cut.skn"), P("out")},
                                                    {"expand", P("cut.skn"), P("out.bin")}}) {
        EXPECT_EQ(Run(command), 1) << command[0];
        EXPECT_NE(m_err.str().find("cut.skn: the compressed stream is"), std::string::npos) << m_err.str();
        EXPECT_NE(m_err.str().find("bytes short: it ran out at output offset"), std::string::npos)
            << m_err.str();
    }
    EXPECT_FALSE(fs::exists(P("out")));
    EXPECT_FALSE(fs::exists(P("out.bin")));
    ASSERT_EQ(Run({"list", P("full.skn")}), 0) << m_err.str();
}

TEST_F(SkinPackToolTest, WritesReplacePlantedSymlinksInsteadOfFollowingThem) {
    Write("in/a.bmp", skin::sample::Bytes("new image"));
    ASSERT_EQ(Run({"pack", P("in"), P("skin.skn")}), 0) << m_err.str();
    Write("victim.txt", skin::sample::Bytes("precious"));
    fs::create_directories(m_dir / "out");
    fs::create_symlink(m_dir / "victim.txt", m_dir / "out" / "a.bmp");
    fs::create_symlink(m_dir / "victim.txt", m_dir / "out" / ("a.bmp.tmp" + std::to_string(::getpid())));
    fs::create_symlink(m_dir / "victim.txt", m_dir / "packed.skn");
    ASSERT_EQ(Run({"unpack", P("skin.skn"), P("out")}), 0) << m_err.str();
    ASSERT_EQ(Run({"compress", P("in/a.bmp"), P("packed.skn")}), 0) << m_err.str();
    EXPECT_EQ(Read("victim.txt"), skin::sample::Bytes("precious"));
    EXPECT_FALSE(fs::is_symlink(m_dir / "out" / "a.bmp"));
    EXPECT_EQ(Read("out/a.bmp"), skin::sample::Bytes("new image"));
    EXPECT_FALSE(fs::is_symlink(m_dir / "packed.skn"));
}

TEST_F(SkinPackToolTest, OutsideTextIsEscapedBeforeItReachesTheTerminal) {
    EXPECT_EQ(SkinPackTool::Printable("a\x1b[31mb\\c\x7f"), "a\\x1b[31mb\\x5cc\\x7f");
    // UTF-8 letters stay; C1 controls, broken sequences and overlong forms do not.
    EXPECT_EQ(SkinPackTool::Printable("\xc3\xa9t\xc3\xa9"), "\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(SkinPackTool::Printable("\xc2\x9b"
                                      "1m"),
              "\\xc2\\x9b"
              "1m");
    EXPECT_EQ(SkinPackTool::Printable("\xe2\x82"), "\\xe2\\x82");
    EXPECT_EQ(SkinPackTool::Printable("\xe0\x80\xaf"), "\\xe0\\x80\\xaf");

    Write("esc.skn", PackageNamed("ok.bmp\r\nred\x1b[31m.bmp", 2));
    EXPECT_EQ(Run({"list", P("esc.skn")}), 0) << m_err.str();
    EXPECT_EQ(m_out.str().find('\x1b'), std::string::npos);
    EXPECT_NE(m_out.str().find("red\\x1b[31m.bmp"), std::string::npos) << m_out.str();
    EXPECT_EQ(Run({"unpack", P("esc.skn"), P("out")}), 1);
    EXPECT_EQ(m_err.str().find('\x1b'), std::string::npos);
    EXPECT_NE(m_err.str().find("red\\x1b[31m.bmp"), std::string::npos) << m_err.str();
    EXPECT_EQ(Run({"list", P("no\x1bsuch.skn")}), 1);
    EXPECT_EQ(m_err.str().find('\x1b'), std::string::npos);

    Write("ini/skin.ini", skin::sample::Bytes("[A]\r\nk=x\x1b]0;title\x07y\r\n"));
    ASSERT_EQ(Run({"pack", P("ini"), P("ini.skn")}), 0) << m_err.str();
    ASSERT_EQ(Run({"ini", P("ini.skn"), "A", "k"}), 0) << m_err.str();
    EXPECT_EQ(m_out.str(), "x\\x1b]0;title\\x07y\n");
}

} // namespace
