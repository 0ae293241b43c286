// Damaged and hostile files: a clear error naming the file, never a crash, a hang or a write.
#include "BankTestUtil.h"

#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetError.h"
#include "bank/jet/JetWriter.h"
#include "bank/jet/RowReader.h"

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
    lvalPointer = DataPage::Le32(db.File().Page(first.page), offset + 4);
}

} // namespace

TEST(HostileFile, ShortOrForeignFiles) {
    TempDir dir;
    std::string path = dir.File("x.mdb");
    banktest::WriteBytes(path, "");
    EXPECT_THAT(Exercise(path), HasSubstr(path + ": not a Jet database file"));
    std::mt19937 rng(7);
    std::string noise(3 * kPage, '\0');
    for (char& c : noise)
        c = static_cast<char>(rng());
    banktest::WriteBytes(path, noise);
    EXPECT_THAT(Exercise(path), HasSubstr("not a Jet database file"));

    std::string good = MakeFile(dir);
    std::string bytes = banktest::ReadBytes(good);
    banktest::WriteBytes(path, bytes.substr(0, 3 * kPage + 100));
    EXPECT_THAT(Exercise(path), HasSubstr("truncated"));
    banktest::WriteBytes(path, bytes.substr(0, 2 * kPage));
    EXPECT_THAT(Exercise(path), HasSubstr("truncated"));
    // Cut at a page boundary after the table definition: its pages now lie past the end.
    banktest::WriteBytes(path, bytes.substr(0, 6 * kPage));
    EXPECT_THAT(Exercise(path), HasSubstr("past the end of the file"));
    bytes[0x14] = 5;
    banktest::WriteBytes(path, bytes);
    EXPECT_THAT(Exercise(path), HasSubstr("unsupported Jet version 5"));
}

TEST(HostileFile, DefinitionPointingPastTheEnd) {
    TempDir dir;
    std::string path = MakeFile(dir);
    Patch(path, 5 * kPage + 55, Le32(9999u << 8)); // the table's usage map
    EXPECT_THAT(Exercise(path), HasSubstr("page 9999 lies past the end"));
    path = MakeFile(dir);
    Patch(path, 5 * kPage + 4, Le32(7777)); // a continuation page of the definition
    EXPECT_THAT(Exercise(path), HasSubstr("past the end"));
    path = MakeFile(dir);
    Patch(path, 5 * kPage + 45, std::string("\xFF\x7F", 2)); // far more columns than the page holds
    EXPECT_THAT(Exercise(path), HasSubstr(path + ": table \"titles\""));
}

TEST(HostileFile, CyclicChainsEndWithAnError) {
    TempDir dir;
    std::string path = MakeFile(dir);
    Patch(path, 5 * kPage + 4, Le32(5)); // the definition continues on itself
    EXPECT_THAT(Exercise(path), HasSubstr("cycle"));

    path = MakeFile(dir);
    std::uint32_t header, lval;
    FirstMemo(path, header, lval);
    ASSERT_EQ(banktest::ReadBytes(path)[header + 3], '\0'); // a chained value
    // Point the first link at itself.
    JetDatabase probe(path, JetFile::Mode::ReadOnly);
    RowExtent e = DataPage::Row(probe.File(), lval >> 8, lval & 0xFF);
    Patch(path, (lval >> 8) * kPage + e.start, Le32(lval));
    EXPECT_THAT(Exercise(path), HasSubstr("cycle"));

    path = MakeFile(dir);
    FirstMemo(path, header, lval);
    Patch(path, header, Le32(0x00FFFFFF)); // a chain that claims more than it holds
    EXPECT_THAT(Exercise(path), HasSubstr("chain ends"));
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
    EXPECT_THAT(Exercise(path), HasSubstr("points to another overflow row"));
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
        std::string good = banktest::ReadBytes(banktest::SharedFile(c.name));
        ASSERT_GT(good.size(), c.pageSize * 2) << "the shared test file " << c.name << " is missing or short";
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
