// The engine against files written by Access, with mdbtools as the independent reader.
#include "BankTestUtil.h"

#include "bank/jet/JetDatabase.h"
#include "bank/jet/JetError.h"
#include "bank/jet/RowReader.h"
#include "platform/os/CodePage.h"

#include <cmath>
#include <ctime>
#include <set>

using namespace bank::jet;
using banktest::DataFile;

namespace {

std::string Hex(const std::string& bytes) {
    static const char* d = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes)
        out += d[c >> 4], out += d[c & 15];
    return out;
}

std::string Currency(std::int64_t v) {
    std::string sign = v < 0 ? "-" : "";
    std::uint64_t a = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    char frac[8];
    std::snprintf(frac, sizeof frac, "%04llu", static_cast<unsigned long long>(a % 10000));
    return sign + std::to_string(a / 10000) + "." + frac;
}

std::string Date(double days) {
    double whole = std::floor(days);
    double frac = std::fabs(days - whole);
    std::int64_t secs = static_cast<std::int64_t>(std::llround(frac * 86400.0));
    std::time_t t = static_cast<std::time_t>((whole - 25569) * 86400) + secs;
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

// Compares one of our values with mdb-export's text for it; false with a reason when they differ.
bool Same(const Column& c, const Value& v, const std::string& theirs, std::string& why) {
    std::string ours;
    switch (c.type) {
    case ColumnType::Single:
    case ColumnType::Double:
        if (v.IsNull())
            ours = "";
        else if (theirs.empty() || std::fabs(std::strtod(theirs.c_str(), nullptr) - v.real) >
                                       1e-6 * std::max(1.0, std::fabs(v.real))) {
            why = "number " + std::to_string(v.real) + " vs " + theirs;
            return false;
        } else {
            return true;
        }
        break;
    case ColumnType::DateTime:
        // mdb-export cannot format dates before 1900 or far in the future: nothing to compare against.
        if (!v.IsNull() && (v.real < 1 || v.real > 1000000))
            return true;
        ours = v.IsNull() ? "" : Date(v.real);
        break;
    case ColumnType::Currency: ours = v.IsNull() ? "" : Currency(v.integer); break;
    case ColumnType::Text:
    case ColumnType::Memo: ours = v.text; break; // mdb-export prints empty text like null
    case ColumnType::Binary:
    case ColumnType::Ole:
    case ColumnType::Guid:
    case ColumnType::Numeric:
        if (c.type == ColumnType::Guid || c.type == ColumnType::Numeric)
            return true; // formatted by mdbtools in its own way
        ours = Hex(v.text);
        break;
    default: ours = v.IsNull() ? "" : std::to_string(v.integer);
    }
    if (ours != theirs) {
        why = "\"" + ours + "\" vs \"" + theirs + "\"";
        return false;
    }
    return true;
}

void ExpectTableMatchesMdbExport(const std::string& file, const std::string& table) {
    JetDatabase db(file, JetFile::Mode::ReadOnly);
    const TableDef& def = db.Table(table);
    auto ours = db.ReadAll(def);
    auto theirs = banktest::MdbExport(file, table);
    ASSERT_FALSE(theirs.empty()) << table;
    ASSERT_EQ(theirs[0].size(), def.Columns().size()) << table;
    for (size_t i = 0; i < def.Columns().size(); ++i)
        EXPECT_EQ(theirs[0][i], def.Columns()[i].name) << table;
    ASSERT_EQ(ours.size() + 1, theirs.size()) << table;
    EXPECT_EQ(ours.size(), def.RowCount()) << table;
    int failures = 0;
    for (size_t r = 0; r < ours.size() && failures < 10; ++r) {
        ASSERT_EQ(theirs[r + 1].size(), def.Columns().size()) << table << " row " << r;
        for (size_t c = 0; c < def.Columns().size(); ++c) {
            std::string why;
            if (!Same(def.Columns()[c], ours[r][c], theirs[r + 1][c], why)) {
                ADD_FAILURE() << table << " row " << r << " column " << def.Columns()[c].name << ": " << why;
                ++failures;
            }
        }
    }
}

} // namespace

TEST(JetRead, Jet4TableEqualsMdbExport) {
    SKIP_WITHOUT_MDBTOOLS();
    ExpectTableMatchesMdbExport(DataFile("access-jet4-datetest.mdb"), "DateTest");
}

TEST(JetRead, Jet3TablesEqualMdbExport) {
    SKIP_WITHOUT_MDBTOOLS();
    std::string file = DataFile("access-jet3-northwind.mdb");
    JetDatabase db(file, JetFile::Mode::ReadOnly);
    auto names = db.TableNames();
    ASSERT_EQ(names.size(), 9u);
    for (const auto& name : names)
        ExpectTableMatchesMdbExport(file, name);
}

TEST(JetRead, CatalogFollowsRelocatedRows) {
    std::string file = DataFile("access-jet3-northwind.mdb");
    JetDatabase db(file, JetFile::Mode::ReadOnly);
    const TableDef& sys = db.Table("MSysObjects");
    auto rows = db.ReadAll(sys);
    EXPECT_EQ(rows.size(), sys.RowCount());
    EXPECT_EQ(db.Catalog().size(), sys.RowCount());
    if (!banktest::HaveMdbTools())
        return;
    // mdbtools takes the overflow flag for "deleted" and the relocated targets for live rows, so it returns
    // the same rows in a different order.
    auto theirs = banktest::MdbExport(file, "MSysObjects");
    int idColumn = sys.Find("Id");
    std::multiset<std::string> theirIds, ourIds;
    for (size_t r = 1; r < theirs.size(); ++r)
        theirIds.insert(theirs[r][idColumn]);
    for (const auto& row : rows)
        ourIds.insert(std::to_string(row[idColumn].integer));
    EXPECT_EQ(ourIds, theirIds);
}

TEST(JetRead, ColumnsAndTypes) {
    JetDatabase db(DataFile("access-jet4-datetest.mdb"), JetFile::Mode::ReadOnly);
    const TableDef& t = db.Table("datetest"); // names are case-insensitive
    ASSERT_EQ(t.Columns().size(), 6u);
    EXPECT_EQ(t.Columns()[0].type, ColumnType::Long);
    EXPECT_EQ(t.Columns()[4].type, ColumnType::Memo);
    EXPECT_EQ(t.Columns()[5].type, ColumnType::Text);
    EXPECT_EQ(t.Find("SHORTTEXTCOL"), 5);
    EXPECT_EQ(t.Find("nope"), -1);
    EXPECT_THROW(db.Table("NoSuchTable"), JetError);
}

TEST(JetRead, Jet3UsesHeaderCodePage) {
    JetDatabase db(DataFile("access-jet3-northwind.mdb"), JetFile::Mode::ReadOnly);
    EXPECT_EQ(db.File().Format().version, JetVersion::Jet3);
    EXPECT_EQ(db.File().TextCodePage(), 1252u);
    auto names = db.TableNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "Umsätze"), names.end());
}

TEST(JetRead, Jet3TextFollowsTheHeaderCodePage) {
    banktest::TempDir dir;
    std::string file = banktest::CopyDataFile(dir, "access-jet3-northwind.mdb");
    // The code page sits in the masked part of the header: flip the plain value through the mask.
    std::string bytes = banktest::ReadBytes(file);
    std::uint16_t from = 1252, to = 936;
    bytes[0x3C] = static_cast<char>(bytes[0x3C] ^ (from & 0xFF) ^ (to & 0xFF));
    bytes[0x3D] = static_cast<char>(bytes[0x3D] ^ (from >> 8) ^ (to >> 8));
    banktest::WriteBytes(file, bytes);
    JetDatabase db(file, JetFile::Mode::ReadOnly);
    EXPECT_EQ(db.File().TextCodePage(), 936u);
    std::string expected;
    ASSERT_TRUE(win::CodePageToUtf8(936, "Ums\xE4tze", expected));
    auto names = db.TableNames();
    EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end());
}
