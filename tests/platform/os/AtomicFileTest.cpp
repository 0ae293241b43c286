#include "platform/os/AtomicFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("atomic-file-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "target");
        fs::create_directories(m_dir / "outside");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }
    std::size_t FilesIn(const fs::path& folder) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path m_dir;
};

TEST_F(AtomicFileTest, CreatesAndReplacesLeavingNoTemporaryFile) {
    const fs::path file = m_dir / "target" / "out.txt";
    std::string error;
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view("first"), error)) << error;
    EXPECT_EQ(Read(file), "first");
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view(""), error)) << error;
    EXPECT_EQ(Read(file), "");
    EXPECT_EQ(FilesIn(m_dir / "target"), 1u);
}

TEST_F(AtomicFileTest, PlantedSymlinksAreReplacedNeverFollowed) {
    const fs::path victim = m_dir / "outside" / "victim.txt";
    Write(victim, "precious");
    const fs::path file = m_dir / "target" / "ch1.txt";
    fs::create_symlink(victim, file);
    // The names the tools used to write through before renaming.
    fs::create_symlink(victim, m_dir / "target" / "ch1.txt.part");
    fs::create_symlink(victim, m_dir / "target" / ("ch1.txt.tmp" + std::to_string(::getpid())));
    std::string error;
    ASSERT_TRUE(win::WriteFileAtomically(file, std::string_view("new content"), error)) << error;
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(Read(file), "new content");
}

TEST_F(AtomicFileTest, FailureLeavesTheTargetAndNoLitter) {
    std::string error;
    fs::create_directories(m_dir / "target" / "sub");
    EXPECT_FALSE(win::WriteFileAtomically(m_dir / "target" / "sub", std::string_view("x"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(m_dir / "target" / "sub"));
    EXPECT_EQ(FilesIn(m_dir / "target"), 1u);

    error.clear();
    EXPECT_FALSE(win::WriteFileAtomically(m_dir / "missing" / "a.txt", std::string_view("x"), error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_FALSE(win::WriteFileAtomically(m_dir / "target" / "..", std::string_view("x"), error));
}

} // namespace
