// Files the engine creates, read back by the engine and by mdbtools; in-place updates of Access files.
#include "BankTestUtil.h"

#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetError.h"
#include "bank/jet/JetWriter.h"
#include "bank/jet/Rc4.h"

using namespace bank::jet;
using banktest::TempDir;

namespace {

std::string Repeat(const std::string& s, size_t n) {
    std::string out;
    while (n--)
        out += s;
    return out;
}

TableSpec SampleTable(size_t rows) {
    TableSpec t;
    t.name = "sample";
    t.columns = {{"id", ColumnType::Long}, {"name", ColumnType::Text, 40}, {"body", ColumnType::Memo}};
    // Texts that exercise every storage path: compressible ASCII, CJK whose units have a 00 low byte (一,
    // 开), a surrogate pair, inline / single-row / chained memos, empty and null values.
    const std::vector<std::string> names = {"Hello", "一开始", "出租汽车",       "a一b",
                                            "𠀀x",   "",       "mixed 中文 text"};
    const std::vector<std::string> bodies = {
        "short", Repeat("长文本", 40), Repeat("ASCII memo ", 30), Repeat("链", 3000), Repeat("x", 9000), ""};
    for (size_t r = 0; r < rows; ++r) {
        std::vector<Value> v;
        v.push_back(r % 11 == 5 ? Value::Null()
                                : Value::Int(static_cast<std::int64_t>(r * 7919 % 100003) - 500));
        v.push_back(r % 13 == 6 ? Value::Null() : Value::Str(names[r % names.size()]));
        v.push_back(r % 17 == 8 ? Value::Null() : Value::Str(bodies[r % bodies.size()]));
        t.rows.push_back(std::move(v));
    }
    return t;
}

void ExpectSame(const TableSpec& layout, const std::vector<std::vector<Value>>& rows) {
    ASSERT_EQ(rows.size(), layout.rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < layout.columns.size(); ++c) {
            const Value& want = layout.rows[r][c];
            const Value& got = rows[r][c];
            ASSERT_EQ(got.IsNull(), want.IsNull()) << "row " << r << " column " << c;
            if (want.kind == Value::Kind::Integer) {
                ASSERT_EQ(got.integer, want.integer) << "row " << r;
            }
            if (want.kind == Value::Kind::Text) {
                ASSERT_EQ(got.text, want.text) << "row " << r << " column " << c;
            }
        }
}

std::string Field(const Value& v) {
    return v.IsNull() ? "" : v.kind == Value::Kind::Integer ? std::to_string(v.integer) : v.text;
}

} // namespace

TEST(JetWrite, OwnReaderReadsBackEveryStoragePath) {
    TempDir dir;
    TableSpec layout = SampleTable(300);
    JetWriter::Create(dir.File("a.mdb"), layout);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    EXPECT_EQ(db.TableNames(), std::vector<std::string>{"sample"});
    const TableDef& t = db.Table("sample");
    EXPECT_EQ(t.RowCount(), 300u);
    ExpectSame(layout, db.ReadAll(t));
}

TEST(JetWrite, MdbToolsReadsBackExactly) {
    SKIP_WITHOUT_MDBTOOLS();
    TempDir dir;
    TableSpec layout = SampleTable(300);
    // mdbtools decodes UCS-2 only: keep characters outside the BMP out of what it is compared on.
    for (auto& row : layout.rows)
        if (row[1].text.find("𠀀") != std::string::npos)
            row[1] = Value::Str("bmp only");
    JetWriter::Create(dir.File("a.mdb"), layout);
    EXPECT_EQ(banktest::Run("mdb-tables -1 " + dir.File("a.mdb")), "sample\n");
    auto rows = banktest::MdbExport(dir.File("a.mdb"), "sample");
    ASSERT_EQ(rows.size(), layout.rows.size() + 1);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"id", "name", "body"}));
    for (size_t r = 0; r < layout.rows.size(); ++r)
        for (size_t c = 0; c < 3; ++c)
            ASSERT_EQ(rows[r + 1][c], Field(layout.rows[r][c])) << "row " << r << " column " << c;

    std::string sql = banktest::Run(
        "echo 'select id, name from sample where id = " + std::to_string(layout.rows[3][0].integer) +
        "' | mdb-sql -HFP -d '|' " + dir.File("a.mdb") + " 2>&1");
    EXPECT_NE(sql.find(std::to_string(layout.rows[3][0].integer) + "|" + layout.rows[3][1].text),
              std::string::npos)
        << sql;
}

TEST(JetWrite, ReferenceUsageMapAndManyPages) {
    TempDir dir;
    TableSpec layout = SampleTable(2000);
    JetWriter::Options options;
    options.referenceUsageMap = true;
    JetWriter::Create(dir.File("a.mdb"), layout, options);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    ExpectSame(layout, db.ReadAll(db.Table("sample")));
    if (banktest::HaveMdbTools()) {
        auto rows = banktest::MdbExport(dir.File("a.mdb"), "sample");
        EXPECT_EQ(rows.size(), layout.rows.size() + 1);
    }
}

TEST(JetWrite, EmptyTable) {
    TempDir dir;
    TableSpec layout = SampleTable(0);
    JetWriter::Create(dir.File("a.mdb"), layout);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    EXPECT_TRUE(db.ReadAll(db.Table("sample")).empty());
}

TEST(JetWrite, BadValuesAreRefusedAndNothingIsLeftBehind) {
    TempDir dir;
    auto refuses = [&](TableSpec layout, const std::string& fragment) {
        try {
            JetWriter::Create(dir.File("bad.mdb"), layout);
            ADD_FAILURE() << "accepted: " << fragment;
        } catch (const JetError& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    };
    TableSpec layout = SampleTable(3);
    layout.rows[2][1] = Value::Str(Repeat("x", 41));
    refuses(layout, "row 3, column \"name\"");
    layout = SampleTable(3);
    layout.rows[1][0] = Value::Int(1ll << 40);
    refuses(layout, "out of range");
    layout = SampleTable(3);
    layout.rows[0][1] = Value::Str("\xC3\x28");
    refuses(layout, "UTF-8");
    layout = SampleTable(3);
    layout.rows[0].pop_back();
    refuses(layout, "values for 3 columns");

    JetWriter::Create(dir.File("a.mdb"), SampleTable(1));
    EXPECT_THROW(JetWriter::Create(dir.File("a.mdb"), SampleTable(2)), JetError);
    JetWriter::Options overwrite;
    overwrite.overwrite = true;
    JetWriter::Create(dir.File("a.mdb"), SampleTable(2), overwrite);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    EXPECT_EQ(db.Table("sample").RowCount(), 2u);
}

namespace {

std::vector<RowExtent> Rows(JetDatabase& db, const TableDef& t) {
    std::vector<RowExtent> out;
    db.Scan(t, [&](const RowExtent& e) {
        out.push_back(e);
        return true;
    });
    return out;
}

} // namespace

TEST(JetUpdate, LongColumnOfAnAccessFileChangesOnlyItsBytes) {
    TempDir dir;
    std::string file = banktest::CopyDataFile(dir, "access-jet4-datetest.mdb");
    std::string before = banktest::ReadBytes(file);
    {
        JetDatabase db(file, JetFile::Mode::ReadWrite);
        const TableDef& t = db.Table("DateTest");
        auto rows = Rows(db, t);
        ASSERT_GE(rows.size(), 3u);
        db.UpdateFixed(t, "IDCol", {rows[2]}, 0x12345678);
    }
    std::string after = banktest::ReadBytes(file);
    ASSERT_EQ(before.size(), after.size());
    auto diff = banktest::DiffOffsets(before, after);
    ASSERT_FALSE(diff.empty());
    EXPECT_LE(diff.size(), 4u);
    EXPECT_LT(diff.back() - diff.front(), 4u);

    JetDatabase db(file, JetFile::Mode::ReadOnly);
    EXPECT_EQ(db.ReadAll(db.Table("DateTest"))[2][0].integer, 0x12345678);
    if (banktest::HaveMdbTools()) {
        EXPECT_EQ(banktest::MdbExport(file, "DateTest")[3][0], std::to_string(0x12345678));
    }
}

TEST(JetUpdate, Jet3IntegerColumnAndRefusals) {
    TempDir dir;
    std::string file = banktest::CopyDataFile(dir, "access-jet3-northwind.mdb");
    std::string before = banktest::ReadBytes(file);
    JetDatabase db(file, JetFile::Mode::ReadWrite);
    const TableDef& t = db.Table("Products");
    auto rows = Rows(db, t);
    auto refused = [&](std::string_view column, std::int64_t value, const std::string& fragment) {
        try {
            db.UpdateFixed(t, column, rows, value);
            ADD_FAILURE() << "accepted " << column;
        } catch (const JetError& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
        EXPECT_EQ(banktest::ReadBytes(file), before) << column;
    };
    refused("ProductID", 1, "列“ProductID”属于索引");
    refused("QuantityPerUnit", 1, "只有字节、整数和长整数列能原地更新");
    refused("ReorderLevel", 40000, "值 40000 超出了列“ReorderLevel”");
    refused("NoSuchColumn", 1, "表“Products”中没有名为“NoSuchColumn”的列");

    db.UpdateFixed(t, "ReorderLevel", rows, -7);
    if (banktest::HaveMdbTools()) {
        auto exported = banktest::MdbExport(file, "Products");
        for (size_t r = 1; r < exported.size(); ++r)
            EXPECT_EQ(exported[r][8], "-7");
    }
    JetDatabase ro(file, JetFile::Mode::ReadOnly);
    EXPECT_THROW(ro.UpdateFixed(ro.Table("Products"), "ReorderLevel", {}, 1), JetError);
}

TEST(JetUpdate, NullValueGetsItsMaskBit) {
    TempDir dir;
    TableSpec layout = SampleTable(12);
    ASSERT_TRUE(layout.rows[5][0].IsNull());
    JetWriter::Create(dir.File("a.mdb"), layout);
    {
        JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadWrite);
        const TableDef& t = db.Table("sample");
        db.UpdateFixed(t, "id", {Rows(db, t)[5]}, 99);
    }
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    auto rows = db.ReadAll(db.Table("sample"));
    EXPECT_EQ(rows[5][0].integer, 99);
    EXPECT_EQ(rows[5][1].text, layout.rows[5][1].text);
    EXPECT_EQ(rows[4][0].integer, layout.rows[4][0].integer);
}

TEST(JetUpdate, RewriteTextKeepsTheStoredLayout) {
    TempDir dir;
    TableSpec layout;
    layout.name = "t";
    layout.columns = {{"code", ColumnType::Text, 20}};
    layout.rows = {{Value::Str("3A1F")}, {Value::Str("一开")}, {Value::Null()}};
    JetWriter::Create(dir.File("a.mdb"), layout);
    std::string before = banktest::ReadBytes(dir.File("a.mdb"));
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadWrite);
    const TableDef& t = db.Table("t");
    auto rows = Rows(db, t);
    EXPECT_THROW(db.RewriteText(t, "code", {{rows[0], "3A1F0"}}), JetError);
    EXPECT_THROW(db.RewriteText(t, "code", {{rows[0], "一开"}}), JetError);
    EXPECT_THROW(db.RewriteText(t, "code", {{rows[2], "x"}}), JetError);
    EXPECT_EQ(banktest::ReadBytes(dir.File("a.mdb")), before);
    db.RewriteText(t, "code", {{rows[0], "b2c4"}, {rows[1], "二三"}});
    auto diff = banktest::DiffOffsets(before, banktest::ReadBytes(dir.File("a.mdb")));
    EXPECT_LE(diff.size(), 8u);
    auto values = db.ReadAll(t);
    EXPECT_EQ(values[0][0].text, "b2c4");
    EXPECT_EQ(values[1][0].text, "二三");
}

TEST(JetUpdate, RewriteMemoInlineAndInOneLongValueRow) {
    TempDir dir;
    TableSpec layout;
    layout.name = "t";
    layout.columns = {{"code", ColumnType::Memo}};
    std::string longCode(300, 'a');
    layout.rows = {{Value::Str("3A1F")}, {Value::Str(longCode)}, {Value::Str(std::string(9000, 'c'))}};
    JetWriter::Create(dir.File("a.mdb"), layout);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadWrite);
    const TableDef& t = db.Table("t");
    auto rows = Rows(db, t);
    EXPECT_THROW(db.RewriteText(t, "code", {{rows[2], std::string(9000, 'd')}}), JetError); // a chain
    std::string longNew(300, 'b');
    db.RewriteText(t, "code", {{rows[0], "0f0f"}, {rows[1], longNew}});
    JetDatabase back(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    auto values = back.ReadAll(back.Table("t"));
    EXPECT_EQ(values[0][0].text, "0f0f");
    EXPECT_EQ(values[1][0].text, longNew);
    EXPECT_EQ(values[2][0].text, std::string(9000, 'c'));
}

TEST(JetUpdate, EncryptedPagesAreReadAndReEncrypted) {
    TempDir dir;
    TableSpec layout = SampleTable(50);
    JetWriter::Create(dir.File("a.mdb"), layout);
    // Give the file a database key: the key sits in the masked header, and every page n >= 1 is then
    // RC4-encrypted with the key XOR n.
    std::string bytes = banktest::ReadBytes(dir.File("a.mdb"));
    const std::uint32_t key = 0x5EED1234;
    for (int k = 0; k < 4; ++k)
        bytes[0x3E + k] = static_cast<char>(bytes[0x3E + k] ^ static_cast<char>(key >> (8 * k)));
    for (size_t page = 1; page < bytes.size() / 4096; ++page) {
        std::uint32_t pageKey = key ^ static_cast<std::uint32_t>(page);
        std::uint8_t k[4] = {static_cast<std::uint8_t>(pageKey), static_cast<std::uint8_t>(pageKey >> 8),
                             static_cast<std::uint8_t>(pageKey >> 16),
                             static_cast<std::uint8_t>(pageKey >> 24)};
        bank::jet::Rc4 rc4(k);
        rc4.Apply(std::span(reinterpret_cast<std::uint8_t*>(bytes.data()) + page * 4096, 4096));
    }
    banktest::WriteBytes(dir.File("a.mdb"), bytes);
    {
        JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadWrite);
        EXPECT_TRUE(db.File().Encrypted());
        const TableDef& t = db.Table("sample");
        ExpectSame(layout, db.ReadAll(t));
        db.UpdateFixed(t, "id", {Rows(db, t)[7]}, 4242);
    }
    auto diff = banktest::DiffOffsets(bytes, banktest::ReadBytes(dir.File("a.mdb")));
    ASSERT_FALSE(diff.empty());
    EXPECT_LT(diff.back() - diff.front(), 4u);
    JetDatabase db(dir.File("a.mdb"), JetFile::Mode::ReadOnly);
    layout.rows[7][0] = Value::Int(4242);
    ExpectSame(layout, db.ReadAll(db.Table("sample")));
}
