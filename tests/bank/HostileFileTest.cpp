// Damaged and hostile files: a clear error naming the file, never a crash, a hang or a write.
#include "BankTestUtil.h"

#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetError.h"
#include "bank/jet/JetWriter.h"
#include "bank/jet/RowReader.h"
#include "platform/os/Bytes.h"

#include <random>

using namespace bank::jet;
using banktest::TempDir;
using testing::HasSubstr;

namespace {

constexpr size_t kPage = 4096;

// A small bank with a chained memo in its first row.
std::string MakeFile(const TempDir& dir) {
    TableSpec t;
    t.name = "titles";
    t.columns = {{"_id", ColumnType::Long}, {"t_name", ColumnType::Memo}, {"wrong", ColumnType::Long}};
    for (int i = 0; i < 40; ++i)
        t.rows.push_back({Value::Int(i),
                          Value::Str(i == 0 ? std::string(9000, 'x') : "题" + std::to_string(i)),
                          Value::Int(0)});
    std::string path = dir.File("bank.mdb");
    JetWriter::Options overwrite;
    overwrite.overwrite = true;
    JetWriter::Create(path, t, overwrite);
    return path;
}

// Opens, reads every row and tries an update; returns the error text ("" when everything worked).
std::string Exercise(const std::string& path) {
    try {
        JetDatabase db(path, JetFile::Mode::ReadWrite);
        for (const auto& name : db.TableNames()) {
            const TableDef& t = db.Table(name);
            db.ReadAll(t);
            std::vector<RowExtent> rows;
            db.Scan(t, [&](const RowExtent& e) {
                rows.push_back(e);
                return true;
            });
            if (t.Find("wrong") >= 0)
                db.UpdateFixed(t, "wrong", rows, 0);
        }
    } catch (const JetError& e) {
        return e.what();
    }
    return "";
}

void Patch(const std::string& path, size_t offset, const std::string& bytes) {
    std::string data = banktest::ReadBytes(path);
    data.replace(offset, bytes.size(), bytes);
    banktest::WriteBytes(path, data);
}

std::string Le32(std::uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
}

// Where the first row's memo header lies, and the LVAL row it points to.
void FirstMemo(const std::string& path, std::uint32_t& headerOffset, std::uint32_t& lvalPointer) {
    JetDatabase db(path, JetFile::Mode::ReadOnly);
    const TableDef& t = db.Table("titles");
    RowExtent first;
    db.Scan(t, [&](const RowExtent& e) {
        first = e;
        return false;
    });
    std::uint32_t offset, length;
    ASSERT_TRUE(RowReader(db.File(), t).VarBytes(first, 1, offset, length));
    headerOffset = first.page * kPage + offset;
    lvalPointer = win::ReadLe32(db.File().Page(first.page), offset + 4);
}

} // namespace

TEST(HostileFile, ShortOrForeignFiles) {
    TempDir dir;
    std::string path = dir.File("x.mdb");
    banktest::WriteBytes(path, "");
    EXPECT_EQ(Exercise(path), "不是 Jet 数据库文件（没有“Standard Jet DB”文件头）：" + path);
    std::mt19937 rng(7);
    std::string noise(3 * kPage, '\0');
    for (char& c : noise)
        c = static_cast<char>(rng());
    banktest::WriteBytes(path, noise);
    EXPECT_THAT(Exercise(path), HasSubstr("不是 Jet 数据库文件"));

    std::string good = MakeFile(dir);
    std::string bytes = banktest::ReadBytes(good);
    banktest::WriteBytes(path, bytes.substr(0, 3 * kPage + 100));
    EXPECT_THAT(Exercise(path), HasSubstr("数据库文件不完整：大小 12388 字节不是 4096 字节页的整数倍"));
    banktest::WriteBytes(path, bytes.substr(0, 2 * kPage));
    EXPECT_THAT(Exercise(path), HasSubstr("数据库文件不完整：没有目录页"));
    // Cut at a page boundary after the table definition: its pages now lie past the end.
    banktest::WriteBytes(path, bytes.substr(0, 6 * kPage));
    EXPECT_THAT(Exercise(path), HasSubstr("超出了文件末尾"));
    bytes[0x14] = 5;
    banktest::WriteBytes(path, bytes);
    EXPECT_THAT(Exercise(path), HasSubstr("不支持的 Jet 版本 5"));
}

TEST(HostileFile, DefinitionPointingPastTheEnd) {
    TempDir dir;
    std::string path = MakeFile(dir);
    Patch(path, 5 * kPage + 55, Le32(9999u << 8)); // the table's usage map
    EXPECT_THAT(Exercise(path), HasSubstr("第 9999 页超出了文件末尾"));
    path = MakeFile(dir);
    Patch(path, 5 * kPage + 4, Le32(7777)); // a continuation page of the definition
    EXPECT_THAT(Exercise(path), HasSubstr("表“titles”：定义位于第 7777 页，超出了文件末尾"));
    path = MakeFile(dir);
    Patch(path, 5 * kPage + 45, std::string("\xFF\x7F", 2)); // far more columns than the page holds
    EXPECT_THAT(Exercise(path), testing::AllOf(HasSubstr("表“titles”："), HasSubstr(path)));
}

TEST(HostileFile, CyclicChainsEndWithAnError) {
    TempDir dir;
    std::string path = MakeFile(dir);
    Patch(path, 5 * kPage + 4, Le32(5)); // the definition continues on itself
    EXPECT_THAT(Exercise(path), HasSubstr("定义页在第 5 页形成循环"));

    path = MakeFile(dir);
    std::uint32_t header, lval;
    FirstMemo(path, header, lval);
    ASSERT_EQ(banktest::ReadBytes(path)[header + 3], '\0'); // a chained value
    // Point the first link at itself.
    JetDatabase probe(path, JetFile::Mode::ReadOnly);
    RowExtent e = DataPage::Row(probe.File(), lval >> 8, lval & 0xFF);
    Patch(path, (lval >> 8) * kPage + e.start, Le32(lval));
    EXPECT_THAT(Exercise(path), HasSubstr("长值链的页形成循环"));

    path = MakeFile(dir);
    FirstMemo(path, header, lval);
    Patch(path, header, Le32(0x00FFFFFF)); // a chain that claims more than it holds
    EXPECT_THAT(Exercise(path), HasSubstr("长值链在 18000/16777215 字节处中断"));
}

TEST(HostileFile, OverflowRowPointingToAnotherOverflowRow) {
    TempDir dir;
    std::string path = MakeFile(dir);
    // Row 1 of the first data page becomes an overflow pointer to itself.
    std::string data = banktest::ReadBytes(path);
    std::uint32_t page = 6;
    while (static_cast<unsigned char>(data[page * kPage]) != 1 || data.substr(page * kPage + 4, 4) != Le32(5))
        ++page;
    std::uint16_t entry = static_cast<unsigned char>(data[page * kPage + 16]) |
                          (static_cast<unsigned char>(data[page * kPage + 17]) << 8);
    Patch(path, page * kPage + 16,
          std::string{static_cast<char>(entry), static_cast<char>((entry >> 8) | 0x40)});
    Patch(path, page * kPage + entry, Le32(page << 8 | 1));
    EXPECT_THAT(Exercise(path), HasSubstr("溢出行指向另一个溢出行"));
}

TEST(HostileFile, RandomDamageGivesOnlyJetErrorsAndNeverWritesOnFailure) {
    TempDir dir;
    std::string good = banktest::ReadBytes(MakeFile(dir));
    std::string path = dir.File("damaged.mdb");
    std::mt19937 rng(12345);
    int errors = 0;
    for (int round = 0; round < 400; ++round) {
        std::string bytes = good;
        int flips = 1 + static_cast<int>(rng() % 16);
        for (int k = 0; k < flips; ++k)
            bytes[kPage + rng() % (bytes.size() - kPage)] = static_cast<char>(rng());
        banktest::WriteBytes(path, bytes);
        std::string error;
        try {
            error = Exercise(path);
        } catch (const std::exception& e) {
            FAIL() << "round " << round << ": " << e.what();
        }
        if (!error.empty()) {
            ++errors;
            EXPECT_THAT(error, HasSubstr(path));
            std::string after = banktest::ReadBytes(path);
            // A failed scan writes nothing; a failed update after a good scan writes nothing either.
            EXPECT_EQ(after, bytes) << "round " << round << ": " << error;
        }
    }
    EXPECT_GT(errors, 0);
}

TEST(HostileFile, RandomDamageToAccessFiles) {
    // The Access-written files take other paths: Jet 3 rows and offsets, indexes, relocated rows.
    struct Case {
        const char* name;
        size_t pageSize;
        int rounds;
    };
    for (Case c :
         {Case{"access-jet4-datetest.mdb", 4096, 150}, Case{"access-jet3-northwind.mdb", 2048, 15}}) {
        TempDir dir;
        std::string good = banktest::ReadBytes(banktest::DataFile(c.name));
        ASSERT_GT(good.size(), c.pageSize * 2) << "the test file " << c.name << " is missing or short";
        std::string path = dir.File("damaged.mdb");
        std::mt19937 rng(99);
        for (int round = 0; round < c.rounds; ++round) {
            std::string bytes = good;
            size_t span = std::min(bytes.size(), c.pageSize * 80); // where the catalog and tables live
            for (int k = 0, flips = 1 + static_cast<int>(rng() % 32); k < flips; ++k)
                bytes[c.pageSize + rng() % (span - c.pageSize)] = static_cast<char>(rng());
            banktest::WriteBytes(path, bytes);
            try {
                JetDatabase db(path, JetFile::Mode::ReadOnly);
                for (const auto& name : db.TableNames())
                    db.ReadAll(db.Table(name));
            } catch (const JetError& e) {
                EXPECT_THAT(e.what(), HasSubstr(path));
            } catch (const std::exception& e) {
                FAIL() << c.name << " round " << round << ": " << e.what();
            }
        }
    }
}

TEST(HostileFile, RowOutsideItsPageIsRefusedWhateverItsFlags) {
    // A row reached through a pointer (here the usage map's) on the file's last page, with a start past
    // the page's end: read as an overflow pointer, its four bytes would lie past the end of the file.
    for (int flags : {0, int{kRowOverflow}, int{kRowDeleted}, kRowDeleted | kRowOverflow}) {
        TempDir dir;
        std::string path = MakeFile(dir);
        std::string data = banktest::ReadBytes(path);
        const std::uint32_t last = static_cast<std::uint32_t>(data.size() / kPage - 1);
        ASSERT_EQ(data[last * kPage], '\x01') << "the last page is not a data page";
        Patch(path, 5 * kPage + 55, Le32(last << 8));
        const auto entry = static_cast<std::uint16_t>(flags | 0x1010);
        Patch(path, last * kPage + 14, std::string{static_cast<char>(entry), static_cast<char>(entry >> 8)});
        EXPECT_THAT(Exercise(path), HasSubstr("第 " + std::to_string(last) +
                                              " 页第 0 行：行的范围 4112..4096 超出了页的行区"))
            << "flags " << flags;
    }
}

TEST(HostileFile, PageMapNamingAPageThatIsNotTheTablesIsRefused) {
    TempDir dir;
    for (bool zeroed : {true, false}) {
        std::string path = MakeFile(dir);
        std::vector<std::uint32_t> pages;
        {
            JetDatabase db(path, JetFile::Mode::ReadOnly);
            pages = DataPage::UsageMap(db.File(), db.Table("titles").UsageMapPointer());
        }
        ASSERT_FALSE(pages.empty());
        const std::uint32_t damaged = pages.back();
        if (zeroed)
            Patch(path, damaged * kPage, std::string(kPage, '\0'));
        else
            Patch(path, damaged * kPage + 4, Le32(3)); // rows of another table
        const std::string found = zeroed ? "类型为 0 的页" : "属于表定义页 3 的数据页";
        const std::string what = "表“titles”已损坏：其页映射列出的第 " + std::to_string(damaged) +
                                 " 页应是该表的数据页（页类型 1，属于表定义页 5），实际是" + found;

        JetDatabase db(path, JetFile::Mode::ReadOnly);
        const TableDef& t = db.Table("titles");
        auto faults = db.ForeignPages(t);
        ASSERT_EQ(faults.size(), 1u);
        EXPECT_EQ(faults[0].page, damaged);
        EXPECT_EQ(faults[0].what, what);
        int visited = 0;
        try {
            db.Scan(t, [&](const RowExtent&) { return ++visited > 0; });
            ADD_FAILURE() << "a table with a damaged page map was read";
        } catch (const JetError& e) {
            EXPECT_EQ(std::string(e.what()), what + "（数据库文件：" + path + "）");
        }
        EXPECT_EQ(visited, 0) << "rows were handed out before the refusal";
    }
}
