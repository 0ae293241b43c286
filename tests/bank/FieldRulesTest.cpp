// Right-answer decoding, the option list and the picture path rule.
#include "BankTestUtil.h"

#include "bank/OptionList.h"
#include "bank/PicturePath.h"
#include "bank/RightAnswer.h"

using bank::OptionList;
using bank::PicturePath;
using bank::RightAnswer;
using Strings = std::vector<std::string>;

TEST(RightAnswerDecoding, StageOneHexadecimal) {
    EXPECT_EQ(RightAnswer::HexToBytes("4A5d"), std::string("\x4A\x5D"));
    EXPECT_EQ(RightAnswer::HexToBytes("4a 5D"), RightAnswer::HexToBytes("4A5D"));
    EXPECT_EQ(RightAnswer::HexToBytes("-4A,,5D-"), std::string("\x4A\x5D"));
    EXPECT_EQ(RightAnswer::HexToBytes("4A5"), std::string("\x4A\x05")); // a lone last digit is one byte
    EXPECT_EQ(RightAnswer::HexToBytes("4 A"), std::string("\x04\x0A")); // digits split by a blank
    EXPECT_EQ(RightAnswer::HexToBytes(""), "");
    EXPECT_EQ(RightAnswer::HexToBytes("xyz"), "");
}

TEST(RightAnswerDecoding, KeyStartsAtPositionOneAndRepeatsEveryTen) {
    RightAnswer::Key key = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9};
    // Eleven zero bytes decode to K[1] ... K[9], K[0], K[1].
    std::string decoded = RightAnswer::Decode(std::string(22, '0'), key);
    ASSERT_EQ(decoded.size(), 11u);
    EXPECT_EQ(static_cast<unsigned char>(decoded[0]), 0xA1);
    EXPECT_EQ(static_cast<unsigned char>(decoded[8]), 0xA9);
    EXPECT_EQ(static_cast<unsigned char>(decoded[9]), 0xA0);
    EXPECT_EQ(static_cast<unsigned char>(decoded[10]), 0xA1);
    EXPECT_EQ(RightAnswer::Decode(""), "");
}

TEST(RightAnswerDecoding, EncodeIsTheInverseForEveryForm) {
    for (std::string a : {"Y", "N", "A", "D", "ACD", "ABCD", "ABCDABCDABCD"}) {
        std::string stored = RightAnswer::Encode(a);
        EXPECT_EQ(stored.size(), 2 * a.size());
        EXPECT_EQ(RightAnswer::Decode(stored), a);
        std::string lower = stored;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(RightAnswer::Decode(lower), a);
    }
}

TEST(RightAnswerDecoding, ValidForms) {
    EXPECT_TRUE(RightAnswer::IsValidForm(1, "Y"));
    EXPECT_FALSE(RightAnswer::IsValidForm(1, "y"));
    EXPECT_FALSE(RightAnswer::IsValidForm(1, "A"));
    EXPECT_TRUE(RightAnswer::IsValidForm(2, "D"));
    EXPECT_FALSE(RightAnswer::IsValidForm(2, "AB"));
    EXPECT_TRUE(RightAnswer::IsValidForm(3, "ACD"));
    EXPECT_TRUE(RightAnswer::IsValidForm(3, "B"));
    EXPECT_FALSE(RightAnswer::IsValidForm(3, "CA"));
    EXPECT_FALSE(RightAnswer::IsValidForm(3, "AAB"));
    EXPECT_FALSE(RightAnswer::IsValidForm(3, ""));
    EXPECT_FALSE(RightAnswer::IsValidForm(4, "A"));
}

TEST(OptionListSplit, EmptyPiecesAreDroppedButTheLastCounts) {
    EXPECT_EQ(OptionList::Split("A|B||C"), (Strings{"A", "B", "C"}));
    EXPECT_EQ(OptionList::Split("A|B|C|"), (Strings{"A", "B", "C", ""}));
    EXPECT_EQ(OptionList::Split("whole text"), (Strings{"whole text"}));
    EXPECT_EQ(OptionList::Split(""), (Strings{""}));
    EXPECT_EQ(OptionList::Split("||"), (Strings{""}));
    EXPECT_EQ(OptionList::Split("|甲|乙"), (Strings{"甲", "乙"}));
}

TEST(PicturePathRule, RewriteOfStoredNames) {
    EXPECT_EQ(PicturePath::Rewrite("q12.JPG"), "q12.bmp");
    EXPECT_EQ(PicturePath::Rewrite("jPgjpg.jpg"), "bmpbmp.bmp");
    EXPECT_EQ(PicturePath::Rewrite("p.png"), "p.png");
    EXPECT_EQ(PicturePath::Rewrite("sub\\p.jpg"), "sub/p.bmp");
}

TEST(PicturePathRule, ResolvedUnderImgBesideTheExecutable) {
    banktest::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "img" / "sub");
    banktest::WriteBytes(dir.File("img/p.bmp"), "BM");
    banktest::WriteBytes(dir.File("img/p.png"), "png");
    banktest::WriteBytes(dir.File("img/sub/q.bmp"), "BM");
    banktest::WriteBytes(dir.File("secret.bmp"), "BM");
    std::filesystem::create_symlink(dir.File("secret.bmp"), dir.File("img/link.bmp"));
    std::string exe = dir.Path().string() + "/";
    EXPECT_EQ(PicturePath::Resolve(exe, "p.jpg"), exe + "img/p.bmp");
    EXPECT_EQ(PicturePath::Resolve(exe, "p.png"), exe + "img/p.png");
    EXPECT_EQ(PicturePath::Resolve(exe, "sub\\q.JPG"), exe + "img/sub/q.bmp");
    EXPECT_EQ(PicturePath::Resolve(exe, ""), "");
    EXPECT_EQ(PicturePath::Resolve(exe, "missing.jpg"), "");
    EXPECT_EQ(PicturePath::Resolve(exe, "sub"), "");            // a folder is no picture
    EXPECT_EQ(PicturePath::Resolve(exe, "..\\secret.bmp"), ""); // out of img/
    EXPECT_EQ(PicturePath::Resolve(exe, "/etc/passwd"), "");
    EXPECT_EQ(PicturePath::Resolve(exe, dir.File("secret.bmp")), "");
    EXPECT_EQ(PicturePath::Resolve(exe, "link.bmp"), ""); // a link leading out of img/
    EXPECT_EQ(PicturePath::Resolve(exe, std::string("p\0.bmp", 6)), "");
}

TEST(PicturePathRule, NamesDifferingOnlyInCaseAreFound) {
    banktest::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "IMG" / "Signs");
    banktest::WriteBytes(dir.File("IMG/Signs/Q12.bmp"), "BM");
    banktest::WriteBytes(dir.File("IMG/a.bmp"), "BM");
    banktest::WriteBytes(dir.File("IMG/A.bmp"), "BM");
    banktest::WriteBytes(dir.File("IMG/b.BMP"), "BM");
    banktest::WriteBytes(dir.File("IMG/B.bmp"), "BM");
    banktest::WriteBytes(dir.File("secret.bmp"), "BM");
    std::string exe = dir.Path().string() + "/";
    EXPECT_EQ(PicturePath::Resolve(exe, "signs\\q12.JPG"), exe + "IMG/Signs/Q12.bmp");
    EXPECT_EQ(PicturePath::Resolve(exe, "A.jpg"), exe + "IMG/A.bmp"); // the exact name first
    EXPECT_EQ(PicturePath::Resolve(exe, "a.jpg"), exe + "IMG/a.bmp");
    EXPECT_EQ(PicturePath::Resolve(exe, "b.jpg"), exe + "IMG/B.bmp"); // then the first in name order
    EXPECT_EQ(PicturePath::Resolve(exe, "c.jpg"), "");
    EXPECT_EQ(PicturePath::Resolve(exe, "..\\SECRET.bmp"), "");
}
