// Where the bank with the user's wrong-answer flags lives: beside a writable program, or in a private copy
// for an installed one that survives restarts and later installs.
#include "app/BankLocation.h"

#include "BankBuilder.h"
#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using taxi::BankLocation;

namespace {

qbank::SourceQuestion Judge(const std::string& stem, int wrong = 0) {
    qbank::SourceQuestion q;
    q.chapter = 1;
    q.type = 1;
    q.stem = stem;
    q.answer = "Y";
    q.score = 1;
    q.wrong = wrong;
    return q;
}

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int WrongFlag(const fs::path& bank, const std::string& stem) {
    bank::TADOConnection connection;
    connection.ConnectionString = bank::ConnectionString::ForJetFile(bank.string());
    connection.Open();
    bank::TADOQuery q;
    q.Connection = &connection;
    q.SQL.Add("select * from titles");
    q.Open();
    for (q.First(); !q.Eof(); q.Next())
        if (q.FieldByName("t_name").AsString() == stem)
            return q.FieldByName("wrong").AsInteger();
    return -1; // no such question
}

void SetWrongFlag(const fs::path& bank, const std::string& stem, int wrong) {
    bank::TADOConnection connection;
    connection.ConnectionString = bank::ConnectionString::ForJetFile(bank.string());
    connection.Open();
    bank::TADOQuery q;
    q.Connection = &connection;
    q.SQL.Add("update titles set wrong=:A where t_name=:B");
    q.Parameters.ParamByName("A").Value = wrong;
    q.Parameters.ParamByName("B").Value = stem;
    ASSERT_EQ(q.ExecSQL(), 1);
}

// A program folder with a bank of its own, and a data folder for the user, both removed afterwards.
class BankLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "banklocation-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        fs::create_directories(m_root / "program");
        Install({Judge("A"), Judge("B"), Judge("C")});
        m_environment = {(m_root / "data").string(), (m_root / "home").string(), "1"};
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    void Install(const std::vector<qbank::SourceQuestion>& questions) {
        qbank::BankBuilder::Build(questions, (m_root / "program" / "db1.mdb").string(), true);
    }
    std::string ProgramFolder() const { return (m_root / "program").string() + "/"; }
    std::string UserFolder() const { return (m_root / "data" / "taxitrainer").string() + "/"; }
    fs::path UserBank() const { return m_root / "data" / "taxitrainer" / "db1.mdb"; }

    fs::path m_root;
    BankLocation::Environment m_environment;
};

TEST_F(BankLocationTest, WritableProgramFolderKeepsTheBankBesideTheProgram) {
    m_environment.readOnlySwitch.clear();
    const BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_EQ(choice.warning, "");
    EXPECT_FALSE(fs::exists(m_root / "data"));
    // The probe leaves nothing behind in the user's folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root / "program"), fs::directory_iterator()), 1);
}

TEST_F(BankLocationTest, InstalledFolderIsCopiedOnceIntoAPrivateFolderAndKeepsFlags) {
    const BankLocation::Choice first = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(first.folder, UserFolder());
    EXPECT_EQ(first.warning, "");
    EXPECT_EQ(Bytes(UserBank()), Bytes(m_root / "program" / "db1.mdb"));
    struct stat st {};
    ASSERT_EQ(::stat((m_root / "data" / "taxitrainer").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    SetWrongFlag(UserBank(), "B", 1);
    const BankLocation::Choice second = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(second.folder, UserFolder());
    EXPECT_EQ(WrongFlag(UserBank(), "B"), 1);
    EXPECT_EQ(WrongFlag(m_root / "program" / "db1.mdb", "B"), 0);
}

TEST_F(BankLocationTest, NewerInstalledBankTakesTheUsersFlagsByStem) {
    BankLocation::Choose(ProgramFolder(), m_environment);
    SetWrongFlag(UserBank(), "A", 1);
    SetWrongFlag(UserBank(), "B", 1);
    const std::string before = Bytes(UserBank());
    // The new bank drops A, keeps B and C (C flagged by the bank itself) and adds D, flagged too.
    Install({Judge("D", 1), Judge("C", 1), Judge("B")});

    const BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(choice.folder, UserFolder());
    EXPECT_EQ(choice.warning, "");
    EXPECT_EQ(WrongFlag(UserBank(), "A"), -1);
    EXPECT_EQ(WrongFlag(UserBank(), "B"), 1);
    EXPECT_EQ(WrongFlag(UserBank(), "C"), 0) << "the user had answered C right";
    EXPECT_EQ(WrongFlag(UserBank(), "D"), 1) << "a new question keeps the bank's own flag";
    EXPECT_EQ(Bytes(m_root / "data" / "taxitrainer" / "db1.mdb.old"), before);
    EXPECT_FALSE(fs::exists(m_root / "data" / "taxitrainer" / "db1.mdb.upgrade"));

    // Brought up to date once: the flags the user sets afterwards stay.
    SetWrongFlag(UserBank(), "C", 1);
    BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(WrongFlag(UserBank(), "C"), 1);
}

TEST_F(BankLocationTest, UnreadableUserCopyIsLeftAsItWasWhenTheBankChanges) {
    BankLocation::Choose(ProgramFolder(), m_environment);
    { std::ofstream(UserBank(), std::ios::binary | std::ios::trunc) << "not a bank"; }
    Install({Judge("B"), Judge("E")});
    const BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(choice.folder, UserFolder());
    EXPECT_NE(choice.warning.find("stays as it was"), std::string::npos) << choice.warning;
    EXPECT_EQ(Bytes(UserBank()), "not a bank");
    EXPECT_FALSE(fs::exists(m_root / "data" / "taxitrainer" / "db1.mdb.upgrade"));
}

TEST_F(BankLocationTest, DataFolderFollowsTheXdgRules) {
    std::string error;
    EXPECT_EQ(BankLocation::UserFolder({"/x/data", "/home/u", ""}, &error), fs::path("/x/data/taxitrainer"));
    // Empty or relative XDG_DATA_HOME is ignored.
    EXPECT_EQ(BankLocation::UserFolder({"", "/home/u", ""}, &error),
              fs::path("/home/u/.local/share/taxitrainer"));
    EXPECT_EQ(BankLocation::UserFolder({"rel/data", "/home/u", ""}, &error),
              fs::path("/home/u/.local/share/taxitrainer"));
    EXPECT_EQ(BankLocation::UserFolder({"rel", "home", ""}, &error), fs::path());
    EXPECT_NE(error.find("absolute"), std::string::npos);
}

TEST_F(BankLocationTest, HostileEnvironmentFallsBackToTheProgramFolderWithAReason) {
    // No usable data folder at all.
    BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), {"", "", "1"});
    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_NE(choice.warning.find("HOME"), std::string::npos) << choice.warning;

    // XDG_DATA_HOME names a file.
    { std::ofstream(m_root / "file") << "x"; }
    choice = BankLocation::Choose(ProgramFolder(), {(m_root / "file").string(), "", "1"});
    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_NE(choice.warning.find((m_root / "file").string()), std::string::npos) << choice.warning;

    // A switch value other than 1 is named and ignored.
    choice = BankLocation::Choose(ProgramFolder(), {m_environment.xdgDataHome, "", "yes"});
    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_NE(choice.warning.find("\"yes\""), std::string::npos) << choice.warning;
    EXPECT_FALSE(fs::exists(UserBank()));
}

TEST_F(BankLocationTest, ProgramFolderWithoutABankCopiesNothing) {
    fs::remove(m_root / "program" / "db1.mdb");
    const BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), m_environment);
    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_FALSE(fs::exists(m_root / "data"));
}

TEST_F(BankLocationTest, CopyFailingMidwayLeavesNoHalfWrittenBank) {
    const auto size = fs::file_size(m_root / "program" / "db1.mdb");
    fs::create_directories(m_root / "data" / "taxitrainer");
    // The file size limit makes the write stop part of the way through, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = size / 2;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const BankLocation::Choice choice = BankLocation::Choose(ProgramFolder(), m_environment);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(choice.folder, ProgramFolder());
    EXPECT_NE(choice.warning.find("cannot be kept"), std::string::npos) << choice.warning;
    EXPECT_TRUE(fs::is_empty(m_root / "data" / "taxitrainer"));

    // Once there is room again, the copy is made whole.
    EXPECT_EQ(BankLocation::Choose(ProgramFolder(), m_environment).folder, UserFolder());
    EXPECT_EQ(Bytes(UserBank()), Bytes(m_root / "program" / "db1.mdb"));
}

TEST(BankLocationProbe, WritableMeansAFileCanBeMade) {
    EXPECT_TRUE(BankLocation::FolderWritable(fs::temp_directory_path()));
    EXPECT_FALSE(BankLocation::FolderWritable(fs::temp_directory_path() / "no-such-folder-for-the-probe"));
}

TEST(BankLocationFingerprint, TellsBanksApart) {
    const std::uint8_t one[] = {1, 2, 3}, other[] = {1, 2, 4};
    EXPECT_EQ(BankLocation::Fingerprint(one), BankLocation::Fingerprint(one));
    EXPECT_NE(BankLocation::Fingerprint(one), BankLocation::Fingerprint(other));
    EXPECT_NE(BankLocation::Fingerprint(std::span(one, 2)), BankLocation::Fingerprint(one));
}

} // namespace
