// The data-access layer as the practice window uses it: connection, selects, fields, the wrong-flag update.
#include "BankSamples.h"
#include "BankTestUtil.h"

#include "bank/ConnectionString.h"
#include "bank/DatabaseError.h"
#include "bank/QuestionRecord.h"
#include "bank/RightAnswer.h"
#include "bank/TADOQuery.h"
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
    EXPECT_THAT(ErrorOf([] { ConnectionString::Parse("Provider=x;junk"); }), HasSubstr("Key=Value"));
    EXPECT_THAT(ErrorOf([] { ConnectionString::Parse("a=1;A=2"); }), HasSubstr("twice"));
    EXPECT_THAT(ErrorOf([] { ConnectionString::Parse("a=\"1;b=2"); }), HasSubstr("no closing quote"));
    // A folder name with ";" or quotes survives the round trip.
    for (std::string path : {"/opt/a;b/db1.mdb", "/opt/\"q\"/db1.mdb", "\"/lead", "/x/y z "}) {
        EXPECT_EQ(ConnectionString::Parse(ConnectionString::ForJetFile(path)).DataSource(), path);
        EXPECT_EQ(ConnectionString::Parse(ConnectionString::ForJetFile(path)).Option("persist security info"),
                  "false");
    }
}

TEST(Connection, OpenFailuresNameTheFile) {
    Bank b(false);
    EXPECT_THAT(ErrorOf([&] { b.connection.Open(); }),
                HasSubstr(b.path + ": the database file does not exist"));
    banktest::WriteBytes(b.path, std::string(8192, 'x'));
    EXPECT_THAT(ErrorOf([&] { b.connection.Open(); }), HasSubstr(b.path + ": not a Jet database file"));
    b.connection.ConnectionString = "Provider=SQLOLEDB;Data Source=" + b.path;
    EXPECT_THAT(ErrorOf([&] { b.connection.Open(); }), HasSubstr("not supported"));
    EXPECT_FALSE(b.connection.Connected());
    EXPECT_THAT(ErrorOf([&] { b.Select("select * from titles"); }), HasSubstr("not open"));
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
    EXPECT_THAT(ErrorOf([&] { b.query.FieldByName("t_nosuch"); }), HasSubstr("\"t_nosuch\" not found"));
    EXPECT_THAT(ErrorOf([&] { b.query.FieldByName("t_name").AsInteger(); }),
                HasSubstr("not a valid integer"));
    b.query.First();
    while (!b.query.Eof())
        b.query.Next();
    b.query.Next(); // past the end stays at the end
    EXPECT_TRUE(b.query.Eof());
    EXPECT_THAT(ErrorOf([&] { b.query.FieldByName("t_name"); }), HasSubstr("end of data"));
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
    EXPECT_THAT(ErrorOf([&] { QuestionRecord::Read(b.query); }), HasSubstr("\"t_type\" not found"));
    EXPECT_THAT(ErrorOf([&] { b.Update(1, "x"); }), HasSubstr("no column named \"wrong\""));
    EXPECT_THAT(ErrorOf([&] { b.Select("select * from titles where nope = 1"); }),
                HasSubstr("no column named"));
}

TEST(Query, OtherStatementsAreRefused) {
    Bank b;
    b.connection.Open();
    for (const char* text :
         {"select t_name from titles", "select * from titles order by t_name", "delete from titles",
          "select * from titles where t_class > 1", "select * from titles where t_name = 'x'",
          "update titles set wrong=1", "select * from titles; drop table titles", ""})
        EXPECT_THAT(ErrorOf([&] { b.Select(text); }),
                    testing::AnyOf(HasSubstr("not supported"), HasSubstr("no statement")))
            << text;
    EXPECT_THAT(ErrorOf([&] { b.Select("select * from nosuch"); }), HasSubstr("no table named \"nosuch\""));
    EXPECT_THAT(ErrorOf([&] { b.Select("update titles set wrong=:A where t_name=:B"); }),
                HasSubstr("ExecSQL"));
    b.query.SQL.Clear();
    b.query.SQL.Add("update titles set wrong=:A where t_name=:B");
    EXPECT_THAT(ErrorOf([&] { b.query.Parameters.ParamByName("C"); }), HasSubstr("\"C\" not found"));
    b.query.Parameters.ParamByName("B").Value = "x";
    EXPECT_THAT(ErrorOf([&] { b.query.ExecSQL(); }), HasSubstr("\"A\" has no value"));
    b.query.Parameters.ParamByName("A").Value = "1";
    EXPECT_THAT(ErrorOf([&] { b.query.ExecSQL(); }), HasSubstr("only integer values"));
    // Updating a text column in place is refused, and changes nothing.
    std::string before = banktest::ReadBytes(b.path);
    b.query.SQL.Clear();
    b.query.SQL.Add("update titles set t_picurl=:A where t_class=:B");
    b.query.Parameters.ParamByName("A").Value = 1;
    b.query.Parameters.ParamByName("B").Value = 1;
    EXPECT_THAT(ErrorOf([&] { b.query.ExecSQL(); }), HasSubstr("only Byte, Integer and Long Integer"));
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
    EXPECT_THAT(ErrorOf([&] { b.query.RecordCount(); }), HasSubstr("not open"));
}

TEST(Query, ReadOnlyConnectionRefusesTheUpdateClearly) {
    Bank b;
    b.connection.ConnectionString += ";Mode=Read";
    b.connection.Open();
    std::string stem = b.Select("select * from titles")[0].name;
    std::string before = banktest::ReadBytes(b.path);
    EXPECT_THAT(ErrorOf([&] { b.Update(1, stem); }), HasSubstr("read-only"));
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
