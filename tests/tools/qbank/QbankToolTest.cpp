// The qbank program end to end: build, verify, query, export and adopt, with mdbtools as the reader.
#include "BankSamples.h"
#include "BankTestUtil.h"

#include "bank/RightAnswer.h"
#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetWriter.h"

using banktest::ShellQuote;
using banktest::TempDir;
using testing::HasSubstr;

namespace {

struct Result {
    int status;
    std::string out; // standard output and error together
};

Result Qbank(const std::string& args) {
    int status = 0;
    std::string out = banktest::Run(std::string(QBANK_EXE) + " " + args + " 2>&1", &status);
    return {status, out};
}

// Eight small chapter files: 8 x (4 judge, 7 single, 2 multi) = 32/56/16 questions.
std::string MakeSource(const TempDir& dir) {
    std::string folder = dir.File("questions");
    std::filesystem::create_directories(folder);
    for (int c = 1; c <= 8; ++c)
        banktest::WriteBytes(folder + "/ch" + std::to_string(c) + ".txt",
                             banktest::SourceText(4, 7, 2, std::to_string(c)));
    return folder;
}

std::vector<std::vector<bank::jet::Value>> Rows(const std::string& path) {
    bank::jet::JetDatabase db(path, bank::jet::JetFile::Mode::ReadOnly);
    return db.ReadAll(db.Table("titles"));
}

// The same bank encoded with another build's key.
void MakeForeignBank(const std::string& path, const bank::RightAnswer::Key& key, int judge = 30,
                     int single = 50, int multi = 10) {
    auto layout = qbank::BankBuilder::Table(banktest::Questions(judge, single, multi));
    for (auto& row : layout.rows)
        row[6].text = bank::RightAnswer::Encode(bank::RightAnswer::Decode(row[6].text), key);
    bank::jet::JetWriter::Options overwrite;
    overwrite.overwrite = true;
    bank::jet::JetWriter::Create(path, layout, overwrite);
}

constexpr bank::RightAnswer::Key kOtherKey = {0x11, 0x9C, 0x35, 0xE0, 0x07, 0x6B, 0xD2, 0x48, 0xAA, 0x3F};

} // namespace

TEST(QbankTool, UsageAndExitStatus) {
    EXPECT_EQ(Qbank("--help").status, 0);
    EXPECT_THAT(Qbank("--help").out, HasSubstr("adopt DB"));
    EXPECT_EQ(Qbank("").status, 2);
    EXPECT_EQ(Qbank("frobnicate").status, 2);
    EXPECT_EQ(Qbank("build onlyone").status, 2);
    EXPECT_EQ(Qbank("verify").status, 2);
    Result r = Qbank("verify /nonexistent/db1.mdb");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("数据库文件不存在：/nonexistent/db1.mdb"));
}

TEST(QbankTool, BuildVerifyAndMdbToolsReadTheSource) {
    TempDir dir;
    std::string source = MakeSource(dir), db = dir.File("db1.mdb");
    Result r = Qbank("build " + source + " " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    r = Qbank("verify " + db);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr("104 questions: 32 true/false, 56 single choice, 16 multiple choice"));
    EXPECT_THAT(r.out, HasSubstr("chapters: 1:13 2:13 3:13 4:13 5:13 6:13 7:13 8:13"));

    SKIP_WITHOUT_MDBTOOLS();
    auto questions = qbank::QuestionSource::ReadFolder(source);
    auto exported = banktest::MdbExport(db, "titles");
    ASSERT_EQ(exported.size(), questions.size() + 1);
    EXPECT_EQ(exported[0],
              (std::vector<std::string>{"_id", "t_class", "t_type", "t_name", "t_answers", "t_picurl",
                                        "t_right_answer", "t_score", "wrong", "t_ran"}));
    for (size_t i = 0; i < questions.size(); ++i) {
        const auto& q = questions[i];
        const auto& row = exported[i + 1];
        std::string options;
        for (size_t k = 0; k < q.options.size(); ++k)
            options += (k ? "|" : "") + q.options[k];
        EXPECT_EQ(row[0], std::to_string(i + 1));
        EXPECT_EQ(row[1], std::to_string(q.chapter));
        EXPECT_EQ(row[2], std::to_string(q.type));
        EXPECT_EQ(row[3], q.stem);
        EXPECT_EQ(row[4], options);
        EXPECT_EQ(row[5], q.picture);
        EXPECT_EQ(bank::RightAnswer::Decode(row[6]), q.answer);
        EXPECT_EQ(row[7], std::to_string(q.score));
        EXPECT_EQ(row[8], "0");
        EXPECT_EQ(row[9], "0");
    }
    std::string sql =
        banktest::Run("echo " + ShellQuote("select [_id], t_name from titles where t_class = 5") +
                      " | mdb-sql -HFP -d '|' " + db + " 2>&1");
    sql.erase(0, sql.find_first_not_of('\n')); // mdb-sql starts with a blank line
    std::string want;
    for (size_t i = 0; i < questions.size(); ++i)
        if (questions[i].chapter == 5)
            want += std::to_string(i + 1) + "|" + questions[i].stem + "\n";
    EXPECT_EQ(sql, want);
}

TEST(QbankTool, BuildFailuresLeaveNoFile) {
    TempDir dir;
    std::string source = MakeSource(dir), db = dir.File("db1.mdb");
    std::filesystem::remove(source + "/ch5.txt");
    Result r = Qbank("build " + source + " " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr(source + "/ch5.txt: no such question file"));
    EXPECT_FALSE(std::filesystem::exists(db));

    banktest::WriteBytes(source + "/ch5.txt", "type: judge\nstem: s\nanswer: maybe\n");
    r = Qbank("build " + source + " " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("ch5.txt:3: the answer of a judge question must be Y or N"));
    EXPECT_FALSE(std::filesystem::exists(db));

    // An existing bank (it holds the user's flags) is replaced only on request.
    ASSERT_EQ(Qbank("build " + source + "/ch1.txt " + db + " --class 1").status, 0);
    std::string before = banktest::ReadBytes(db);
    r = Qbank("build " + source + "/ch2.txt " + db + " --class 2");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("exists already"));
    EXPECT_EQ(banktest::ReadBytes(db), before);
    EXPECT_EQ(Qbank("build " + source + "/ch2.txt " + db + " --class 2 --force").status, 0);
    EXPECT_EQ(Qbank("build " + source + "/ch2.txt " + db).status, 2); // a single file needs --class
}

TEST(QbankTool, QueryRunsTheProgramsStatements) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    banktest::MakeBank(db, 3, 2, 1);
    Result r;
    r = Qbank("query " + db + " " + ShellQuote("select * from titles where t_class = 1"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "_id\tt_class\tt_type\tt_name\tt_answers\tt_picurl\tt_right_answer\tt_score\twrong\tt_ran");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 7);
    std::string stem = qbank::BankBuilder::Table(banktest::Questions(3, 2, 1)).rows[4][3].text;
    r = Qbank("query " + db + " " + ShellQuote("update titles set wrong=:A where t_name=:B") + " A=1 " +
              ShellQuote("B=" + stem));
    EXPECT_EQ(r.out, "1 row updated\n");
    r = Qbank("query " + db + " " + ShellQuote("select * from titles where wrong = 1 "));
    EXPECT_THAT(r.out, HasSubstr("\n5\t1\t2\t" + stem + "\t"));
    r = Qbank("query " + db + " " + ShellQuote("delete from titles"));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("不支持语句“delete from titles"));
}

TEST(QbankTool, ExportThenBuildGivesTheSameTable) {
    TempDir dir;
    std::string source = MakeSource(dir), db = dir.File("db1.mdb"), again = dir.File("again.mdb");
    ASSERT_EQ(Qbank("build " + source + " " + db).status, 0);
    std::string stem = qbank::QuestionSource::ReadFolder(source)[20].stem;
    ASSERT_EQ(Qbank("query " + db + " " + ShellQuote("update titles set wrong=:A where t_name=:B") + " A=1 " +
                    ShellQuote("B=" + stem))
                  .status,
              0);
    Result r = Qbank("export " + db + " --out " + dir.File("out"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Qbank("export " + db + " --out " + dir.File("out")).status, 1); // no silent overwrite
    ASSERT_EQ(Qbank("build " + dir.File("out") + " " + again).status, 0);
    auto a = Rows(db), b = Rows(again);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t c = 0; c < a[i].size(); ++c) {
            EXPECT_EQ(a[i][c].integer, b[i][c].integer) << i << "," << c;
            EXPECT_EQ(a[i][c].text, b[i][c].text) << i << "," << c;
        }
    EXPECT_EQ(a[20][8].integer, 1);
}

TEST(QbankTool, ExportKeepsOptionTextTheFourLinesCannotHold) {
    TempDir dir;
    std::string db = dir.File("db1.mdb"), again = dir.File("again.mdb");
    auto layout = qbank::BankBuilder::Table(banktest::Questions(30, 50, 10));
    layout.rows[0][4] = bank::jet::Value::Str("正确|错误|其它"); // text on a true/false row
    layout.rows[30][4] = bank::jet::Value::Str("甲|乙|");        // a final "|": three options
    layout.rows[31][4] = bank::jet::Value::Str("a||b|c|d");      // splits into four, but not back
    layout.rows[32][4] = bank::jet::Value::Str("");
    bank::jet::JetWriter::Create(db, layout);
    Result r = Qbank("export " + db + " --out " + dir.File("out"));
    ASSERT_EQ(r.status, 0) << r.out;
    ASSERT_EQ(Qbank("build " + dir.File("out") + " " + again).status, 0);
    auto a = Rows(db), b = Rows(again);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i][4].text, b[i][4].text) << "row " << i + 1;

    layout.rows[33][4] = bank::jet::Value::Str("a|b|c|d ");
    bank::jet::JetWriter::Options overwrite;
    overwrite.overwrite = true;
    bank::jet::JetWriter::Create(db, layout, overwrite);
    r = Qbank("export " + db + " --out " + dir.File("out2"));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("row 34 (_id 34): the option text begins or ends with a blank"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("out2/ch1.txt")));
}

TEST(QbankTool, VerifyFindsProblems) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    auto layout = qbank::BankBuilder::Table(banktest::Questions(29, 50, 10));
    layout.rows[3][3] = layout.rows[2][3];                                      // a repeated stem
    layout.rows[40][7] = bank::jet::Value::Int(2);                              // a single choice worth 2
    layout.rows[50][6] = bank::jet::Value::Str(bank::RightAnswer::Encode("E")); // no such option
    bank::jet::JetWriter::Create(db, layout);
    Result r = Qbank("verify " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("row 4 (_id 4): the stem repeats row 3"));
    EXPECT_THAT(r.out, HasSubstr("row 41 (_id 41): a kind-2 question scores 2"));
    EXPECT_THAT(r.out, HasSubstr("1 right answers do not decode"));
    EXPECT_THAT(r.out, HasSubstr("only 29 questions of kind 1"));
}

TEST(QbankTool, AdoptReencodesAForeignKeyInPlace) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    MakeForeignBank(db, kOtherKey);
    Result r = Qbank("verify " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("no right answer decodes with this build's answer key"));
    std::string before = banktest::ReadBytes(db);
    r = Qbank("adopt " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    std::string after = banktest::ReadBytes(db);
    ASSERT_EQ(after.size(), before.size());
    // Only the answer texts changed: each answer is at most 4 bytes (two hex digits per letter) and
    // short ASCII text is stored compressed, one byte per digit.
    EXPECT_LE(banktest::DiffOffsets(before, after).size(), 90u * 8);
    EXPECT_EQ(Qbank("verify " + db).status, 0);
    auto rows = Rows(db);
    auto want = qbank::BankBuilder::Table(banktest::Questions(30, 50, 10)).rows;
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i][6].text, want[i][6].text);
    r = Qbank("adopt " + db);
    EXPECT_EQ(r.status, 0);
    EXPECT_THAT(r.out, HasSubstr("already decodes with this build's key"));
}

TEST(QbankTool, AdoptRefusesAnAmbiguousBank) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    // Only true/false questions whose answers are all "Y" or all "N" leave K[1] with two choices.
    auto layout = qbank::BankBuilder::Table(banktest::Questions(3, 0, 0));
    for (auto& row : layout.rows)
        row[6].text = bank::RightAnswer::Encode("Y", kOtherKey);
    bank::jet::JetWriter::Create(db, layout);
    std::string before = banktest::ReadBytes(db);
    Result r = Qbank("adopt " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr("cannot be recovered: 2 different keys fit every answer"));
    EXPECT_EQ(banktest::ReadBytes(db), before);
}

TEST(QbankTool, AdoptRecoversTheKeyFromJudgedRowsAndReencodesEveryRow) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    auto layout = qbank::BankBuilder::Table(banktest::Questions(30, 50, 10));
    for (auto& row : layout.rows)
        row[6].text = bank::RightAnswer::Encode(bank::RightAnswer::Decode(row[6].text), kOtherKey);
    // Rows of other kinds are shown without options and never judged: one holding a letter, one a lone
    // digit whose re-encoded value would need two digits.
    layout.rows[5][2] = bank::jet::Value::Int(4);
    layout.rows[6][2] = bank::jet::Value::Int(0);
    layout.rows[6][6] = bank::jet::Value::Str("7");
    bank::jet::JetWriter::Create(db, layout);
    const std::string oddMeaning = bank::RightAnswer::Decode(layout.rows[5][6].text, kOtherKey);

    Result r = Qbank("adopt " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr("re-encoded "));
    EXPECT_THAT(r.out,
                HasSubstr("warning: row 6 (_id 6, kind 4): the decoded right answer has no valid form"));
    EXPECT_THAT(r.out, HasSubstr("warning: row 7 (_id 7, kind 0): the re-encoded answer does not fit"));
    auto rows = Rows(db);
    auto want = qbank::BankBuilder::Table(banktest::Questions(30, 50, 10)).rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i != 5 && i != 6) {
            EXPECT_EQ(rows[i][6].text, want[i][6].text) << "row " << i + 1;
        }
    }
    EXPECT_EQ(bank::RightAnswer::Decode(rows[5][6].text), oddMeaning);
    EXPECT_NE(rows[5][6].text, layout.rows[5][6].text);
    EXPECT_EQ(rows[6][6].text, "7");
}

TEST(QbankTool, VerifyAndQueryReportAPageMissingFromTheTable) {
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    banktest::MakeBank(db);
    Result r = Qbank("verify " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr("90 questions"));
    std::vector<std::uint32_t> pages;
    {
        bank::jet::JetDatabase jet(db, bank::jet::JetFile::Mode::ReadOnly);
        pages = bank::jet::DataPage::UsageMap(jet.File(), jet.Table("titles").UsageMapPointer());
    }
    ASSERT_GE(pages.size(), 2u);
    std::string bytes = banktest::ReadBytes(db);
    bytes.replace(pages[1] * 4096, 4096, std::string(4096, '\0'));
    banktest::WriteBytes(db, bytes);
    const std::string damage = "表“titles”已损坏：其页映射列出的第 " + std::to_string(pages[1]) +
                               " 页应是该表的数据页（页类型 1，属于表定义页 5），实际是类型为 0 的页";
    r = Qbank("verify " + db);
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr(db + ": " + damage + "\n"));
    EXPECT_THAT(r.out, HasSubstr("the questions could not be read"));
    EXPECT_THAT(r.out, HasSubstr("NOT OK"));
    EXPECT_THAT(r.out, testing::Not(HasSubstr("90 questions")));
    r = Qbank("query " + db + " " + ShellQuote("select * from titles"));
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.out, HasSubstr(damage));
}

TEST(SampleBank, BuildsAndVerifies) {
    std::string source = std::string(TAXI_SOURCE_DIR) + "/data/questions";
    for (int c = 1; c <= 8; ++c)
        if (!std::filesystem::exists(source + "/ch" + std::to_string(c) + ".txt"))
            GTEST_SKIP() << "the sample question source is incomplete: ch" << c << ".txt is missing";
    TempDir dir;
    std::string db = dir.File("db1.mdb");
    Result r = Qbank("build " + source + " " + db);
    ASSERT_EQ(r.status, 0) << r.out;
    r = Qbank("verify " + db);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr("1208 questions"));
    EXPECT_THAT(r.out, HasSubstr("chapters: 1:244 2:330 3:90 4:67 5:38 6:103 7:187 8:149"));
    EXPECT_THAT(r.out, testing::Not(HasSubstr("warning")));
}

TEST(SampleBank, BuildStepNeverReplacesAnExistingBank) {
    TempDir dir;
    std::string source = MakeSource(dir), db = dir.File("db1.mdb");
    auto step = [&] {
        return banktest::Run(std::string(CMAKE_EXE) + " -DQBANK=" + QBANK_EXE + " -DSOURCE=" + source +
                             " -DNEW=" + db + ".new -DDB=" + db + " -DSTAMP=" + dir.File("stamp") + " -P " +
                             BUILD_BANK_SCRIPT + " 2>&1");
    };
    step();
    ASSERT_TRUE(std::filesystem::exists(db));
    EXPECT_FALSE(std::filesystem::exists(db + ".new"));
    // The user's flags live in the existing file: a later build keeps it as it is.
    ASSERT_EQ(
        Qbank("query " + db + " " + ShellQuote("update titles set wrong=:A where t_class=:B") + " A=1 B=3")
            .status,
        0);
    std::string flagged = banktest::ReadBytes(db);
    banktest::WriteBytes(source + "/ch3.txt", banktest::SourceText(1, 1, 1, "changed"));
    EXPECT_THAT(step(), HasSubstr("exists already"));
    EXPECT_EQ(banktest::ReadBytes(db), flagged);
    // An incomplete source builds nothing and fails nothing.
    std::filesystem::remove(db);
    std::filesystem::remove(source + "/ch8.txt");
    EXPECT_THAT(step(), HasSubstr("ch8.txt does not exist yet"));
    EXPECT_FALSE(std::filesystem::exists(db));
}
