#include "bank/jet/JetWriter.h"

#include "bank/jet/JetError.h"
#include "bank/jet/PageFiller.h"
#include "bank/jet/Rc4.h"
#include "bank/jet/RowEncoder.h"
#include "platform/os/CodePage.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace bank::jet {

using namespace writer;

namespace {

bool Supported(ColumnType t) {
    switch (t) {
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long:
    case ColumnType::Currency:
    case ColumnType::Single:
    case ColumnType::Double:
    case ColumnType::DateTime:
    case ColumnType::Binary:
    case ColumnType::Text:
    case ColumnType::Ole:
    case ColumnType::Memo: return true;
    default: return false;
    }
}

std::vector<std::uint8_t> Definition(const TableLayout& t, std::uint32_t rows, std::uint32_t usageMap,
                                     std::uint32_t freeMap) {
    const JetFormat& f = kJet4Format;
    std::vector<std::uint8_t> b(f.tdefBlocks, 0);
    b[0] = 0x02;
    b[1] = 0x01;
    Put32(&b[12], kTdefMarker);
    Put32(&b[f.tdefRowCount], rows);
    Put32(&b[20], rows + 1);
    b[24] = 0x01;
    b[f.tdefTableType] = t.system ? 0x53 : 0x4E;
    Put16(&b[41], static_cast<std::uint32_t>(t.columns.size()));
    Put16(&b[f.tdefVarColumns], t.varColumns);
    Put16(&b[f.tdefColumns], static_cast<std::uint32_t>(t.columns.size()));
    Put32(&b[f.tdefUsageMap], usageMap);
    Put32(&b[f.tdefFreeMap], freeMap);
    for (const auto& c : t.columns) {
        std::uint8_t e[25] = {};
        bool text = c.layout.type == ColumnType::Text || c.layout.type == ColumnType::Memo;
        e[f.colType] = static_cast<std::uint8_t>(c.layout.type);
        Put32(&e[1], kTdefMarker);
        Put16(&e[f.colNumber], c.number);
        Put16(&e[f.colVarIndex], c.size ? 0 : c.varIndex);
        Put16(&e[9], t.system ? 0 : c.number);
        if (text)
            Put16(&e[11], kSortGeneral);
        e[f.colFlags] = static_cast<std::uint8_t>((c.size ? 0x01 : 0) | 0x02 | (t.system ? 0x10 : 0));
        e[16] = text ? 0x01 : 0x00;
        Put16(&e[f.colFixedOffset], c.fixedOffset);
        std::uint32_t length = c.size;
        if (c.layout.type == ColumnType::Text)
            length = 2u * c.layout.textChars;
        else if (c.layout.type == ColumnType::Binary)
            length = 255;
        Put16(&e[f.colLength], length);
        b.insert(b.end(), e, e + sizeof e);
    }
    for (const auto& c : t.columns) {
        std::string utf16;
        win::Utf8ToUtf16Le(c.layout.name, utf16);
        Append16(b, static_cast<std::uint32_t>(utf16.size()));
        b.insert(b.end(), utf16.begin(), utf16.end());
    }
    if (b.size() > kPage)
        throw JetError("table \"" + t.name + "\": its definition does not fit one page (too many columns)");
    Put32(&b[8], static_cast<std::uint32_t>(b.size()));
    Put16(&b[2], kPage - 8 - static_cast<std::uint32_t>(b.size()));
    return b;
}

std::vector<std::uint8_t> InlineMap(std::uint32_t start, const std::vector<std::uint32_t>& pages) {
    std::vector<std::uint8_t> m(kMapRowSize, 0);
    Put32(&m[1], start);
    for (std::uint32_t p : pages)
        m[5 + (p - start) / 8] |= static_cast<std::uint8_t>(1u << ((p - start) % 8));
    return m;
}

double OleDateNow() {
    using namespace std::chrono;
    double secs = duration_cast<duration<double>>(system_clock::now().time_since_epoch()).count();
    return 25569.0 + secs / 86400.0;
}

void Header(Page& p, double created) {
    static const char kSignature[] = "Standard Jet DB";
    Put32(&p[0], 0x100);
    std::memcpy(&p[4], kSignature, sizeof kSignature);
    p[0x14] = 0x01;
    Put16(&p[0x3C], win::CP_WINDOWS_LATIN1);
    std::uint32_t dateMask = static_cast<std::uint32_t>(static_cast<std::int64_t>(created));
    for (int k = 0; k < 10; ++k)
        Put32(&p[0x42 + 4 * k], dateMask); // an empty password, masked with the creation date
    Put16(&p[0x6E], kSortGeneral);
    std::memcpy(&p[0x72], &created, 8);
    static const std::uint8_t kMaskKey[] = {0xC7, 0xDA, 0x39, 0x6B};
    Rc4 mask(kMaskKey);
    mask.Apply(std::span(&p[0x18], kJet4Format.maskedHeaderLength));
}

void WriteFile(const std::string& path, const Image& image, bool overwrite) {
    if (!overwrite && ::access(path.c_str(), F_OK) == 0)
        throw JetError(path + ": the file exists already");
    std::string temp = path + ".part" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw JetError(temp + ": cannot be created: " + std::strerror(errno));
    bool ok = true;
    for (const Page& p : image.pages) {
        size_t done = 0;
        while (ok && done < p.size()) {
            ssize_t n = ::write(fd, p.data() + done, p.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            done += ok ? static_cast<size_t>(n) : 0;
        }
    }
    int err = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0)
        ok = false, err = errno;
    ::close(fd);
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0)
        ok = false, err = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        throw JetError(path + ": writing the new database failed: " + std::strerror(err));
    }
}

// The fixed pages at the start of a new file.
constexpr std::uint32_t kHeaderPage = 0, kGlobalMap = 1, kCatalogDef = 2, kMaps = 3, kCatalogRows = 4,
                        kUserDef = 5;

void CheckTable(const std::string& path, const TableSpec& table) {
    if (table.name.empty() || table.columns.empty())
        throw JetError(path + ": a table needs a name and at least one column");
    for (const auto& c : table.columns) {
        if (!Supported(c.type))
            throw JetError(path + ": column \"" + c.name + "\": type " + std::string(TypeName(c.type)) +
                           " cannot be written");
        if (c.type == ColumnType::Text && (c.textChars == 0 || c.textChars > 255))
            throw JetError(path + ": column \"" + c.name + "\": a Text column holds 1 to 255 characters");
    }
}

TableLayout CatalogLayout() {
    using C = ColumnSpec;
    return Lay("MSysObjects",
               {C{"Id", ColumnType::Long}, C{"ParentId", ColumnType::Long}, C{"Name", ColumnType::Text},
                C{"Type", ColumnType::Integer}, C{"DateCreate", ColumnType::DateTime},
                C{"DateUpdate", ColumnType::DateTime}, C{"Owner", ColumnType::Binary},
                C{"Flags", ColumnType::Long}, C{"Database", ColumnType::Memo}, C{"Connect", ColumnType::Memo},
                C{"ForeignName", ColumnType::Text}, C{"RmtInfoShort", ColumnType::Binary},
                C{"RmtInfoLong", ColumnType::Ole}, C{"Lv", ColumnType::Ole}, C{"LvProp", ColumnType::Ole},
                C{"LvModule", ColumnType::Ole}, C{"LvExtra", ColumnType::Ole}},
               true);
}

struct CatalogObject {
    std::uint32_t id, parent;
    std::string name;
    std::int64_t type;
    std::uint32_t flags;
};

// Three containers, the database object, the catalog itself and the user table.
std::vector<CatalogObject> CatalogObjects(const std::string& tableName) {
    return {
        {0x0F000001, 0x0F000000, "Tables", 3, 0},
        {0x0F000002, 0x0F000000, "Databases", 3, 0},
        {0x0F000003, 0x0F000000, "Relationships", 3, 0},
        {0x10000000, 0x0F000002, "MSysDb", 2, 0x80000000u},
        {kCatalogDef, 0x0F000001, "MSysObjects", 1, 0x80000000u},
        {kUserDef, 0x0F000001, tableName, 1, 0},
    };
}

void WriteCatalogRows(Image& image, PageFiller& lval, const TableLayout& sys,
                      const std::vector<CatalogObject>& objects, double created) {
    PageFiller catalog(image, kCatalogDef, kCatalogRows);
    RowEncoder sysEncoder(sys, lval);
    for (size_t k = 0; k < objects.size(); ++k) {
        const CatalogObject& o = objects[k];
        std::vector<Value> v(sys.columns.size());
        v[0] = Value::Int(static_cast<std::int32_t>(o.id));
        v[1] = Value::Int(static_cast<std::int32_t>(o.parent));
        v[2] = Value::Str(o.name);
        v[3] = Value::Int(o.type);
        v[4] = v[5] = Value::Real(created);
        v[7] = Value::Int(static_cast<std::int32_t>(o.flags));
        catalog.Add(sysEncoder.Encode(v, k));
    }
}

// A usage map that points at bitmap pages of its own, for tables whose pages span more than an inline map.
std::vector<std::uint8_t> ReferenceMap(Image& image, const std::vector<std::uint32_t>& pages,
                                       const std::string& path) {
    const std::uint32_t perPage = (kPage - 4) * 8;
    std::vector<std::uint8_t> m(kMapRowSize, 0);
    m[0] = 0x01;
    std::vector<std::uint32_t> bitmaps(kJet4Format.referenceMapPages, 0);
    for (std::uint32_t p : pages) {
        std::uint32_t j = p / perPage;
        if (j >= bitmaps.size())
            throw JetError(path + ": the table has too many pages for a usage map");
        if (!bitmaps[j]) {
            bitmaps[j] = image.New();
            image.pages[bitmaps[j]][0] = 0x05;
            image.pages[bitmaps[j]][1] = 0x01;
            Put32(&m[1 + 4 * j], bitmaps[j]);
        }
        std::uint32_t bit = p - j * perPage;
        image.pages[bitmaps[j]][4 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
    }
    return m;
}

struct UsageMaps {
    std::uint32_t sysMap, sysFree, userMap, userFree;
};

// Usage maps of both tables, and their (empty) free-space maps.
UsageMaps WriteUsageMaps(Image& image, const std::vector<std::uint32_t>& pages, const std::string& path,
                         bool referenceUsageMap) {
    PageFiller maps(image, 0, kMaps);
    UsageMaps u{};
    u.sysMap = maps.Add(InlineMap(kCatalogRows, {kCatalogRows}));
    u.sysFree = maps.Add(InlineMap(kCatalogRows, {}));
    if (!referenceUsageMap && pages.back() - pages.front() < (kMapRowSize - 5) * 8)
        u.userMap = maps.Add(InlineMap(pages.front(), pages));
    else
        u.userMap = maps.Add(ReferenceMap(image, pages, path));
    u.userFree = maps.Add(InlineMap(pages.front(), {}));
    return u;
}

void WriteGlobalMap(Image& image) {
    PageFiller global(image, 1, kGlobalMap);
    global.Add(InlineMap(0, {}));
    global.Add(InlineMap(0, {}));
}

void PlaceDefinition(Image& image, std::uint32_t page, const std::vector<std::uint8_t>& def) {
    std::memcpy(image.pages[page].data(), def.data(), def.size());
}

} // namespace

void JetWriter::Create(const std::string& path, const TableSpec& table, const Options& options) {
    CheckTable(path, table);
    Image image;
    for (std::uint32_t k = 0; k <= kUserDef; ++k)
        image.New();
    const double created = OleDateNow();

    TableLayout user = Lay(table.name, table.columns, false);
    PageFiller data(image, kUserDef), lval(image, kLvalOwner);
    RowEncoder encoder(user, lval);
    for (size_t r = 0; r < table.rows.size(); ++r)
        data.Add(encoder.Encode(table.rows[r], r));
    if (table.rows.empty())
        data.NewPage();

    TableLayout sys = CatalogLayout();
    const std::vector<CatalogObject> objects = CatalogObjects(table.name);
    WriteCatalogRows(image, lval, sys, objects, created);
    const UsageMaps maps = WriteUsageMaps(image, data.Pages(), path, options.referenceUsageMap);
    WriteGlobalMap(image);

    PlaceDefinition(image, kCatalogDef,
                    Definition(sys, static_cast<std::uint32_t>(objects.size()), maps.sysMap, maps.sysFree));
    PlaceDefinition(
        image, kUserDef,
        Definition(user, static_cast<std::uint32_t>(table.rows.size()), maps.userMap, maps.userFree));
    Header(image.pages[kHeaderPage], created);
    WriteFile(path, image, options.overwrite);
}

} // namespace bank::jet
