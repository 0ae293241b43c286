#include "platform/os/AtomicFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("atomic-file-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "target");
        fs::create_directories(dir_ / "outside");
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
    std::size_t FilesIn(const fs::path& folder) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path dir_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesLeavingNoTemporaryFile) {
    const fs::path file = dir_ / "target" / "out.txt";
    std::string error;
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view("first"), error)) << error;
    EXPECT_EQ(Read(file), "first");
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view(""), error)) << error;
    EXPECT_EQ(Read(file), "");
    EXPECT_EQ(FilesIn(dir_ / "target"), 1u);
}

TEST_F(AtomicFileTest, PlantedSymlinksAreReplacedNeverFollowed) {
    const fs::path victim = dir_ / "outside" / "victim.txt";
    Write(victim, "precious");
    const fs::path file = dir_ / "target" / "ch1.txt";
    fs::create_symlink(victim, file);
    // The names the tools used to write through before renaming.
    fs::create_symlink(victim, dir_ / "target" / "ch1.txt.part");
    fs::create_symlink(victim, dir_ / "target" / ("ch1.txt.tmp" + std::to_string(::getpid())));
    std::string error;
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view("new content"), error)) << error;
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(Read(file), "new content");
}

TEST_F(AtomicFileTest, FailureLeavesTheTargetAndNoLitter) {
    std::string error;
    fs::create_directories(dir_ / "target" / "sub");
    EXPECT_FALSE(win::WriteFileAtomically(dir_ / "target" / "sub", std::string_view("x"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir_ / "target" / "sub"));
    EXPECT_EQ(FilesIn(dir_ / "target"), 1u);

    error.clear();
    EXPECT_FALSE(win::WriteFileAtomically(dir_ / "missing" / "a.txt", std::string_view("x"), error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_FALSE(win::WriteFileAtomically(dir_ / "target" / "..", std::string_view("x"), error));
}

} // namespace
