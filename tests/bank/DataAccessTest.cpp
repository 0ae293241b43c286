// The data-access layer as the practice window uses it: connection, selects, fields, the wrong-flag update.
#include "BankSamples.h"
#include "BankTestUtil.h"

#include "bank/BankSelect.h"
#include "bank/ConnectionString.h"
#include "bank/DatabaseError.h"
#include "bank/QuestionRecord.h"
#include "bank/RightAnswer.h"
#include "bank/TADOQuery.h"
#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetWriter.h"

using namespace bank;
using banktest::TempDir;
using testing::HasSubstr;

namespace {

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EDatabaseError& e) {
        return e.what();
    }
    return "(no error)";
}

struct Bank {
    TempDir dir;
    std::string path = dir.File("db1.mdb");
    TADOConnection connection;
    TADOQuery query;

    explicit Bank(bool build = true) {
        if (build)
            banktest::MakeBank(path, 30, 50, 10);
        connection.ConnectionString = ConnectionString::ForJetFile(path);
        connection.LoginPrompt = false;
        query.Connection = &connection;
    }
    // The select as the practice window runs it.
    std::vector<QuestionRecord> Select(const std::string& text) {
        query.Close();
        query.SQL.Clear();
        query.SQL.Add(text);
        query.Open();
        std::vector<QuestionRecord> rows;
        if (query.RecordCount() <= 0)
            return rows;
        for (query.First(); !query.Eof(); query.Next())
            rows.push_back(QuestionRecord::Read(query));
        return rows;
    }
    // The wrong-flag update as the practice window runs it.
    int Update(int wrong, const std::string& stem) {
        query.SQL.Clear();
        query.SQL.Add("update titles set wrong=:A where t_name=:B");
        query.Parameters.ParamByName("A").Value = wrong;
        query.Parameters.ParamByName("B").Value = stem;
        return query.ExecSQL();
    }
};

} // namespace

TEST(Connection, StringParsedIntoProviderSourceAndOptions) {
    auto cs = ConnectionString::Parse(ConnectionString::ForJetFile("/opt/app/db1.mdb"));
    EXPECT_EQ(cs.Provider(), "Microsoft.Jet.OLEDB.4.0");
    EXPECT_EQ(cs.DataSource(), "/opt/app/db1.mdb");
    EXPECT_EQ(cs.Option("persist security info"), "false");
    EXPECT_EQ(ErrorOf([] { ConnectionString::Parse("Provider=x;junk"); }),
              "连接字符串：“junk”不是“键=值”（Key=Value）的形式");
    EXPECT_EQ(ErrorOf([] { ConnectionString::Parse("a=1;A=2"); }), "连接字符串：“a”出现了两次");
    EXPECT_EQ(ErrorOf([] { ConnectionString::Parse("a=\"1;b=2"); }), "连接字符串：“a”的值缺少右引号");
    // A folder name with ";" or quotes survives the round trip.
    for (std::string path : {"/opt/a;b/db1.mdb", "/opt/\"q\"/db1.mdb", "\"/lead", "/x/y z "}) {
        EXPECT_EQ(ConnectionString::Parse(ConnectionString::ForJetFile(path)).DataSource(), path);
        EXPECT_EQ(ConnectionString::Parse(ConnectionString::ForJetFile(path)).Option("persist security info"),
                  "false");
    }
}

TEST(Connection, OpenFailuresNameTheFile) {
    Bank b(false);
    EXPECT_EQ(ErrorOf([&] { b.connection.Open(); }), "数据库文件不存在：" + b.path);
    banktest::WriteBytes(b.path, std::string(8192, 'x'));
    EXPECT_EQ(ErrorOf([&] { b.connection.Open(); }),
              "不是 Jet 数据库文件（没有“Standard Jet DB”文件头）：" + b.path);
    std::filesystem::remove(b.path);
    std::filesystem::create_directory(b.path);
    EXPECT_EQ(ErrorOf([&] { b.connection.Open(); }), "无法打开数据库文件：" + b.path + "（这是一个文件夹）");
    b.connection.ConnectionString += ";Mode=Read";
    EXPECT_EQ(ErrorOf([&] { b.connection.Open(); }), "数据库文件不是普通文件：" + b.path);
    b.connection.ConnectionString = "Provider=SQLOLEDB;Data Source=" + b.path;
    EXPECT_EQ(ErrorOf([&] { b.connection.Open(); }),
              "不支持提供程序“SQLOLEDB”（只支持 Microsoft.Jet.OLEDB.4.0）");
    EXPECT_FALSE(b.connection.Connected());
    EXPECT_EQ(ErrorOf([&] { b.Select("select * from titles"); }), "数据库连接未打开");
}

TEST(Query, EveryStatementOfTheProgram) {
    Bank b;
    b.connection.Open();
    EXPECT_EQ(b.Select("select * from titles ").size(), 90u);
    EXPECT_EQ(b.Select("select * from titles").size(), 90u);
    EXPECT_EQ(b.Select("SELECT * FROM Titles WHERE T_CLASS = 1").size(), 90u);
    EXPECT_EQ(b.Select("select * from titles where t_class = 2").size(), 0u);
    EXPECT_EQ(b.Select("select * from titles where wrong = 1 ").size(), 0u); // an empty result is no error
    EXPECT_EQ(b.query.RecordCount(), 0);
    EXPECT_TRUE(b.query.Eof());

    auto rows = b.Select("select * from titles ");
    EXPECT_EQ(rows[0].id, 1);
    EXPECT_EQ(rows[0].type, 1);
    EXPECT_EQ(rows[0].rightAnswer, "N"); // decoded from the stored text
    EXPECT_EQ(rows[30].rightAnswer, "A");
    EXPECT_EQ(rows[30].answers, "选项一|选项二|选项三|选项四");
    EXPECT_EQ(rows[31].picture, "p1.jpg");
    EXPECT_EQ(rows[81].rightAnswer, "ACD");
    EXPECT_EQ(rows[81].score, 2);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].id, static_cast<int>(i + 1)); // stored order
}

TEST(Query, WrongFlagUpdateWritesTheFileAndEveryRowWithThatStem) {
    Bank b;
    // Two rows sharing a stem: judging either writes both.
    auto layout = qbank::BankBuilder::Table(banktest::Questions(3, 2, 1));
    layout.rows[4][3] = layout.rows[1][3];
    jet::JetWriter::Options overwrite;
    overwrite.overwrite = true;
    jet::JetWriter::Create(b.path, layout, overwrite);
    b.connection.Open();
    std::string stem = layout.rows[1][3].text;
    EXPECT_EQ(b.Update(1, stem), 2);
    auto wrong = b.Select("select * from titles where wrong = 1 ");
    ASSERT_EQ(wrong.size(), 2u);
    EXPECT_EQ(wrong[0].id, 2);
    EXPECT_EQ(wrong[1].id, 5);

    // A second connection (a later run) sees the flags, and a right answer clears them again.
    TADOConnection again;
    again.ConnectionString = ConnectionString::ForJetFile(b.path);
    again.Open();
    TADOQuery q;
    q.Connection = &again;
    q.SQL.Add("select * from titles where wrong = 1");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(b.Update(0, stem), 2);
    EXPECT_EQ(b.Select("select * from titles where wrong = 1").size(), 0u);
    EXPECT_EQ(b.Update(1, "no such stem"), 0);
}

TEST(Query, FieldsByName) {
    Bank b;
    b.connection.Open();
    b.Select("select * from titles");
    b.query.First();
    EXPECT_EQ(b.query.FieldByName("T_NAME").AsString(), b.query.FieldByName("t_name").AsString());
    EXPECT_EQ(b.query.FieldByName("t_picurl").AsString(), ""); // empty text
    EXPECT_THAT(ErrorOf([&] { b.query.FieldByName("t_nosuch"); }), HasSubstr("找不到字段“t_nosuch”"));
    EXPECT_THAT(ErrorOf([&] { b.query.FieldByName("t_name").AsInteger(); }),
                HasSubstr("not a valid integer"));
    b.query.First();
    while (!b.query.Eof())
        b.query.Next();
    b.query.Next(); // past the end stays at the end
    EXPECT_TRUE(b.query.Eof());
    EXPECT_EQ(ErrorOf([&] { b.query.FieldByName("t_name"); }), "字段“t_name”：没有当前行（已到数据末尾）");
}

TEST(Query, MissingColumnAndNullValues) {
    Bank b;
    jet::TableSpec layout;
    layout.name = "titles";
    layout.columns = {{"_id", jet::ColumnType::Long},
                      {"t_class", jet::ColumnType::Long},
                      {"t_name", jet::ColumnType::Memo},
                      {"t_score", jet::ColumnType::Long}};
    layout.rows = {{jet::Value::Int(1), jet::Value::Null(), jet::Value::Null(), jet::Value::Int(1)}};
    jet::JetWriter::Options overwrite;
    overwrite.overwrite = true;
    jet::JetWriter::Create(b.path, layout, overwrite);
    b.connection.Open();
    b.query.SQL.Add("select * from titles where _id = 1");
    b.query.Open();
    EXPECT_EQ(b.query.RecordCount(), 1);
    EXPECT_EQ(b.query.FieldByName("t_class").AsInteger(), 0);
    EXPECT_EQ(b.query.FieldByName("t_name").AsString(), "");
    EXPECT_EQ(ErrorOf([&] { QuestionRecord::Read(b.query); }), "找不到字段“t_type”");
    EXPECT_THAT(ErrorOf([&] { b.Update(1, "x"); }), HasSubstr("表“titles”中没有名为“wrong”的列"));
    EXPECT_THAT(ErrorOf([&] { b.Select("select * from titles where nope = 1"); }),
                HasSubstr("表“titles”中没有名为“nope”的列"));
}

TEST(Query, OtherStatementsAreRefused) {
    Bank b;
    b.connection.Open();
    for (const char* text :
         {"select t_name from titles", "select * from titles order by t_name", "delete from titles",
          "select * from titles where t_class > 1", "select * from titles where t_name = 'x'",
          "update titles set wrong=1", "select * from titles; drop table titles", ""})
        EXPECT_THAT(ErrorOf([&] { b.Select(text); }),
                    testing::AnyOf(HasSubstr("不支持语句“" + std::string(text) + "”："),
                                   HasSubstr("查询没有语句文本")))
            << text;
    EXPECT_THAT(ErrorOf([&] { b.Select("select * from nosuch"); }),
                HasSubstr("没有名为“nosuch”的表（数据库文件：" + b.path + "）"));
    EXPECT_EQ(ErrorOf([&] { b.Select("select * from titles where t_class > 1"); }),
              "不支持语句“select * from titles where t_class > 1”：意外的“>”");
    EXPECT_EQ(ErrorOf([&] { b.Select("update titles set wrong=:A where t_name=:B"); }),
              "Open 只执行 select 语句；update 语句要用 ExecSQL 执行");
    b.query.SQL.Clear();
    b.query.SQL.Add("update titles set wrong=:A where t_name=:B");
    EXPECT_EQ(ErrorOf([&] { b.query.Parameters.ParamByName("C"); }), "找不到参数“C”");
    b.query.Parameters.ParamByName("B").Value = "x";
    EXPECT_EQ(ErrorOf([&] { b.query.ExecSQL(); }), "参数“A”没有值");
    b.query.Parameters.ParamByName("A").Value = "1";
    EXPECT_EQ(ErrorOf([&] { b.query.ExecSQL(); }), "列“wrong”：只能写入整数值");
    // Updating a text column in place is refused, and changes nothing.
    std::string before = banktest::ReadBytes(b.path);
    b.query.SQL.Clear();
    b.query.SQL.Add("update titles set t_picurl=:A where t_class=:B");
    b.query.Parameters.ParamByName("A").Value = 1;
    b.query.Parameters.ParamByName("B").Value = 1;
    EXPECT_THAT(ErrorOf([&] { b.query.ExecSQL(); }), HasSubstr("只有字节、整数和长整数列能原地更新"));
    EXPECT_EQ(banktest::ReadBytes(b.path), before);
}

TEST(Query, StatementSpreadOverLinesAndChangingTextClosesTheResult) {
    Bank b;
    b.connection.Open();
    b.query.SQL.Add("select *");
    b.query.SQL.Add("  from titles");
    b.query.SQL.Add("where t_class = 1");
    b.query.Open();
    EXPECT_EQ(b.query.RecordCount(), 90);
    b.query.SQL.Clear();
    EXPECT_FALSE(b.query.Active());
    EXPECT_EQ(ErrorOf([&] { b.query.RecordCount(); }), "RecordCount：查询未打开");
}

TEST(Query, ReadOnlyConnectionRefusesTheUpdateClearly) {
    Bank b;
    b.connection.ConnectionString += ";Mode=Read";
    b.connection.Open();
    std::string stem = b.Select("select * from titles")[0].name;
    std::string before = banktest::ReadBytes(b.path);
    EXPECT_THAT(ErrorOf([&] { b.Update(1, stem); }), HasSubstr("数据库以只读方式打开，不能写入"));
    EXPECT_EQ(banktest::ReadBytes(b.path), before);
}

TEST(Connection, OpensABankInAFolderWhoseNameHoldsASemicolon) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "exam;v2");
    std::string path = dir.File("exam;v2/db1.mdb");
    banktest::MakeBank(path, 1, 1, 1);
    TADOConnection connection;
    connection.ConnectionString = ConnectionString::ForJetFile(path);
    connection.Open();
    EXPECT_EQ(connection.DataSource(), path);
}

namespace {

void PatchFile(const std::string& path, size_t offset, const std::string& bytes) {
    std::string data = banktest::ReadBytes(path);
    data.replace(offset, bytes.size(), bytes);
    banktest::WriteBytes(path, data);
}

} // namespace

TEST(DamagedBank, RowPastItsPageStopsTheProgramsSelectWithAnError) {
    // A small bank whose usage-map pointer names row 0 of the last page, flagged deleted and overflow,
    // with a start past the page: the stored copy is the same damage, kept as a fuzzing seed.
    TempDir dir;
    std::string built = dir.File("db1.mdb");
    banktest::MakeBank(built, 3, 2, 1);
    ASSERT_EQ(banktest::ReadBytes(built).size(), 7u * 4096) << "the small bank's layout changed";
    PatchFile(built, 5 * 4096 + 55, std::string("\0\x06\0\0", 4));
    PatchFile(built, 6 * 4096 + 14, "\x10\xd0");
    for (const std::string& path : {built, banktest::DataFile("deleted-overflow-row-past-page.mdb")})
        EXPECT_EQ(ErrorOf([&] { BankSelect select(path, "select * from titles "); }),
                  "第 6 页第 0 行：行的范围 4112..4096 超出了页的行区（数据库文件：" + path + "）");
}

TEST(DamagedBank, PageMapNamingAForeignPageRefusesSelectAndUpdate) {
    Bank b;
    std::vector<std::uint32_t> pages;
    {
        jet::JetDatabase db(b.path, jet::JetFile::Mode::ReadOnly);
        pages = jet::DataPage::UsageMap(db.File(), db.Table("titles").UsageMapPointer());
    }
    ASSERT_GE(pages.size(), 2u);
    PatchFile(b.path, pages[1] * 4096, std::string(4096, '\0'));
    std::string before = banktest::ReadBytes(b.path);
    b.connection.Open();
    const std::string refusal =
        "表“titles”已损坏：其页映射列出的第 " + std::to_string(pages[1]) +
        " 页应是该表的数据页（页类型 1，属于表定义页 5），实际是类型为 0 的页（数据库文件：" + b.path + "）";
    for (const char* select : {"select * from titles ", "select * from titles where t_class = 1",
                               "select * from titles where wrong = 1 "})
        EXPECT_EQ(ErrorOf([&] { b.Select(select); }), refusal) << select;
    EXPECT_FALSE(b.query.Active());
    EXPECT_EQ(ErrorOf([&] { b.Update(1, "判断题1-0：一开始就应系好安全带。"); }), refusal);
    EXPECT_EQ(banktest::ReadBytes(b.path), before);
}
