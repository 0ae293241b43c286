#include "bank/jet/JetWriter.h"

#include "bank/jet/JetError.h"
#include "bank/jet/JetFormat.h"
#include "bank/jet/JetText.h"
#include "bank/jet/Rc4.h"
#include "platform/os/CodePage.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace bank::jet {

namespace {

constexpr std::uint32_t kPage = kJet4Format.pageSize;
constexpr std::uint32_t kRowTable = kJet4Format.dataRowTableOffset;
constexpr std::uint32_t kMaxRowsPerPage = 255;
constexpr std::uint32_t kMaxRow = kPage - kRowTable - 2;
constexpr std::uint32_t kMapRowSize = 69;
constexpr std::uint32_t kInlineLongValue = 64;
constexpr std::uint32_t kMaxCompressedMemoChars = 1024;
constexpr std::uint32_t kTdefMarker = 1625; // a constant Access writes in the definition and column entries
constexpr std::uint16_t kSortGeneral = 0x0409;
constexpr std::uint32_t kLvalOwner = 0x4C41564C; // "LVAL"

using Page = std::vector<std::uint8_t>;

void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}
void Append16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Append32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

struct Image {
    std::vector<Page> pages;
    std::uint32_t New() {
        pages.emplace_back(kPage, 0);
        return static_cast<std::uint32_t>(pages.size() - 1);
    }
};

// Fills data pages of one owner from the end towards the row table, as Access does.
class PageFiller {
public:
    PageFiller(Image& image, std::uint32_t owner, std::uint32_t fixedPage = 0)
        : image_(image), owner_(owner), fixedPage_(fixedPage) {}

    void NewPage() {
        if (fixedPage_ != 0 && current_ >= 0)
            throw JetError("internal error: the catalog does not fit its page");
        current_ = static_cast<std::int64_t>(fixedPage_ ? fixedPage_ : image_.New());
        Page& p = image_.pages[current_];
        p[0] = 0x01;
        p[1] = 0x01;
        Put16(&p[2], kPage - kRowTable);
        Put32(&p[4], owner_);
        rows_ = 0;
        low_ = kPage;
        pages_.push_back(static_cast<std::uint32_t>(current_));
    }

    std::uint32_t Add(const std::vector<std::uint8_t>& row) {
        if (current_ < 0 || rows_ == kMaxRowsPerPage || kRowTable + 2 * (rows_ + 1) + row.size() > low_)
            NewPage();
        Page& p = image_.pages[current_];
        low_ -= static_cast<std::uint32_t>(row.size());
        std::memcpy(&p[low_], row.data(), row.size());
        Put16(&p[kRowTable + 2 * rows_], low_);
        ++rows_;
        Put16(&p[kJet4Format.dataRowCountOffset], rows_);
        Put16(&p[2], low_ - (kRowTable + 2 * rows_));
        return static_cast<std::uint32_t>(current_ << 8) | (rows_ - 1);
    }
    const std::vector<std::uint32_t>& Pages() const { return pages_; }

private:
    Image& image_;
    std::uint32_t owner_;
    std::uint32_t fixedPage_;
    std::int64_t current_ = -1;
    std::uint32_t rows_ = 0;
    std::uint32_t low_ = kPage;
    std::vector<std::uint32_t> pages_;
};

struct ColumnLayout {
    ColumnSpec spec;
    std::uint16_t number = 0;
    std::uint16_t varIndex = 0;
    std::uint16_t fixedOffset = 0;
    std::uint32_t size = 0; // fixed size, 0 for variable columns
};

struct TableLayout {
    std::string name;
    bool system = false;
    std::vector<ColumnLayout> columns;
    std::uint16_t varColumns = 0;
    std::uint32_t fixedArea = 0;
};

TableLayout Lay(const std::string& name, const std::vector<ColumnSpec>& specs, bool system) {
    TableLayout t;
    t.name = name;
    t.system = system;
    for (const auto& s : specs) {
        ColumnLayout c;
        c.spec = s;
        c.number = static_cast<std::uint16_t>(t.columns.size());
        c.size = FixedSize(s.type);
        if (c.size) {
            c.fixedOffset = static_cast<std::uint16_t>(t.fixedArea);
            t.fixedArea += c.size;
        } else {
            c.varIndex = t.varColumns++;
        }
        t.columns.push_back(c);
    }
    return t;
}

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
        bool text = c.spec.type == ColumnType::Text || c.spec.type == ColumnType::Memo;
        e[f.colType] = static_cast<std::uint8_t>(c.spec.type);
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
        if (c.spec.type == ColumnType::Text)
            length = 2u * c.spec.textChars;
        else if (c.spec.type == ColumnType::Binary)
            length = 255;
        Put16(&e[f.colLength], length);
        b.insert(b.end(), e, e + sizeof e);
    }
    for (const auto& c : t.columns) {
        std::string utf16;
        win::Utf8ToUtf16Le(c.spec.name, utf16);
        Append16(b, static_cast<std::uint32_t>(utf16.size()));
        b.insert(b.end(), utf16.begin(), utf16.end());
    }
    if (b.size() > kPage)
        throw JetError("table \"" + t.name + "\": its definition does not fit one page (too many columns)");
    Put32(&b[8], static_cast<std::uint32_t>(b.size()));
    Put16(&b[2], kPage - 8 - static_cast<std::uint32_t>(b.size()));
    return b;
}

class RowEncoder {
public:
    RowEncoder(const TableLayout& table, PageFiller& lval) : t_(table), lval_(lval) {}

    std::vector<std::uint8_t> Encode(const std::vector<Value>& values, size_t rowNumber) {
        row_ = rowNumber;
        if (values.size() != t_.columns.size())
            Fail(nullptr, "has " + std::to_string(values.size()) + " values for " +
                              std::to_string(t_.columns.size()) + " columns");
        const std::uint32_t n = static_cast<std::uint32_t>(t_.columns.size());
        std::vector<std::uint8_t> row;
        Append16(row, n);
        row.resize(2 + t_.fixedArea, 0);
        std::vector<std::uint8_t> mask((n + 7) / 8, 0);
        std::vector<std::uint32_t> offsets;
        for (const auto& c : t_.columns) {
            const Value& v = values[c.number];
            if (!c.size)
                offsets.push_back(static_cast<std::uint32_t>(row.size()));
            if (v.IsNull())
                continue;
            mask[c.number / 8] |= static_cast<std::uint8_t>(1u << (c.number % 8));
            if (c.size)
                Fixed(c, v, &row[2 + c.fixedOffset]);
            else
                Variable(c, v, row);
        }
        if (t_.varColumns) {
            std::uint32_t eod = static_cast<std::uint32_t>(row.size());
            Append16(row, eod);
            for (size_t i = offsets.size(); i-- > 0;)
                Append16(row, offsets[i]);
            Append16(row, t_.varColumns);
        }
        row.insert(row.end(), mask.begin(), mask.end());
        if (row.size() > kMaxRow)
            Fail(nullptr, "takes " + std::to_string(row.size()) + " bytes; a row holds at most " +
                              std::to_string(kMaxRow));
        return row;
    }

private:
    [[noreturn]] void Fail(const ColumnLayout* c, const std::string& what) const {
        throw JetError("table \"" + t_.name + "\", row " + std::to_string(row_ + 1) +
                       (c ? ", column \"" + c->spec.name + "\"" : std::string()) + ": " + what);
    }

    std::int64_t Integer(const ColumnLayout& c, const Value& v, std::int64_t lo, std::int64_t hi) const {
        if (v.kind != Value::Kind::Integer)
            Fail(&c, "needs an integer");
        if (v.integer < lo || v.integer > hi)
            Fail(&c, "the value " + std::to_string(v.integer) + " is out of range");
        return v.integer;
    }

    void Fixed(const ColumnLayout& c, const Value& v, std::uint8_t* at) const {
        switch (c.spec.type) {
        case ColumnType::Byte: *at = static_cast<std::uint8_t>(Integer(c, v, 0, 255)); break;
        case ColumnType::Integer:
            Put16(at, static_cast<std::uint32_t>(Integer(c, v, INT16_MIN, INT16_MAX)));
            break;
        case ColumnType::Long:
            Put32(at, static_cast<std::uint32_t>(Integer(c, v, INT32_MIN, INT32_MAX)));
            break;
        case ColumnType::Currency: {
            std::int64_t x = Integer(c, v, INT64_MIN, INT64_MAX);
            std::memcpy(at, &x, 8);
            break;
        }
        default: {
            double d = v.kind == Value::Kind::Real      ? v.real
                       : v.kind == Value::Kind::Integer ? static_cast<double>(v.integer)
                                                        : (Fail(&c, "needs a number"), 0.0);
            if (c.spec.type == ColumnType::Single) {
                float x = static_cast<float>(d);
                std::memcpy(at, &x, 4);
            } else {
                std::memcpy(at, &d, 8);
            }
        }
        }
    }

    void Variable(const ColumnLayout& c, const Value& v, std::vector<std::uint8_t>& row) {
        if (v.kind != Value::Kind::Text && v.kind != Value::Kind::Bytes)
            Fail(&c, "needs text");
        std::string stored;
        switch (c.spec.type) {
        case ColumnType::Text:
            if (JetText::Utf16Length(v.text) > c.spec.textChars)
                Fail(&c, "the text has more than " + std::to_string(c.spec.textChars) + " characters");
            [[fallthrough]];
        case ColumnType::Memo: {
            bool compress =
                c.spec.type == ColumnType::Text || JetText::Utf16Length(v.text) <= kMaxCompressedMemoChars;
            if (!JetText::Encode(v.text, compress, stored))
                Fail(&c,
                     "the text is not valid UTF-8 (or starts with U+FEFF in a form that cannot be stored)");
            break;
        }
        default: stored = v.text;
        }
        if (c.spec.type == ColumnType::Memo || c.spec.type == ColumnType::Ole)
            LongValue(stored, row);
        else
            row.insert(row.end(), stored.begin(), stored.end());
    }

    void LongValue(const std::string& data, std::vector<std::uint8_t>& row) {
        const auto size = static_cast<std::uint32_t>(data.size());
        if (size > 0x3FFFFFFF)
            Fail(nullptr, "a long value is too large");
        std::uint8_t h[12] = {};
        if (size <= kInlineLongValue) {
            Put32(h, size | 0x80000000u);
            row.insert(row.end(), h, h + 12);
            row.insert(row.end(), data.begin(), data.end());
            return;
        }
        if (size <= kMaxRow) {
            Put32(h, size | 0x40000000u);
            Put32(h + 4, lval_.Add(std::vector<std::uint8_t>(data.begin(), data.end())));
        } else {
            // A chain: each row is the pointer to the next piece, then its piece. Written back to front
            // so every row knows its successor.
            const std::uint32_t piece = kMaxRow - 4;
            std::uint32_t next = 0;
            std::uint32_t pieces = (size + piece - 1) / piece;
            for (std::uint32_t k = pieces; k-- > 0;) {
                std::uint32_t from = k * piece, n = std::min(piece, size - from);
                std::vector<std::uint8_t> r;
                Append32(r, next);
                r.insert(r.end(), data.begin() + from, data.begin() + from + n);
                next = lval_.Add(r);
            }
            Put32(h, size);
            Put32(h + 4, next);
        }
        row.insert(row.end(), h, h + 12);
    }

    const TableLayout& t_;
    PageFiller& lval_;
    size_t row_ = 0;
};

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

} // namespace

void JetWriter::Create(const std::string& path, const TableSpec& table, const Options& options) {
    if (table.name.empty() || table.columns.empty())
        throw JetError(path + ": a table needs a name and at least one column");
    for (const auto& c : table.columns) {
        if (!Supported(c.type))
            throw JetError(path + ": column \"" + c.name + "\": type " + std::string(TypeName(c.type)) +
                           " cannot be written");
        if (c.type == ColumnType::Text && (c.textChars == 0 || c.textChars > 255))
            throw JetError(path + ": column \"" + c.name + "\": a Text column holds 1 to 255 characters");
    }
    const std::uint32_t kHeaderPage = 0, kGlobalMap = 1, kCatalogDef = 2, kMaps = 3, kCatalogRows = 4,
                        kUserDef = 5;
    Image image;
    for (int k = 0; k <= 5; ++k)
        image.New();
    const double created = OleDateNow();

    TableLayout user = Lay(table.name, table.columns, false);
    PageFiller data(image, kUserDef), lval(image, kLvalOwner);
    RowEncoder encoder(user, lval);
    for (size_t r = 0; r < table.rows.size(); ++r)
        data.Add(encoder.Encode(table.rows[r], r));
    if (table.rows.empty())
        data.NewPage();

    // The catalog: three containers, the database object, the catalog itself and the user table.
    using C = ColumnSpec;
    TableLayout sys = Lay(
        "MSysObjects",
        {C{"Id", ColumnType::Long}, C{"ParentId", ColumnType::Long}, C{"Name", ColumnType::Text},
         C{"Type", ColumnType::Integer}, C{"DateCreate", ColumnType::DateTime},
         C{"DateUpdate", ColumnType::DateTime}, C{"Owner", ColumnType::Binary}, C{"Flags", ColumnType::Long},
         C{"Database", ColumnType::Memo}, C{"Connect", ColumnType::Memo}, C{"ForeignName", ColumnType::Text},
         C{"RmtInfoShort", ColumnType::Binary}, C{"RmtInfoLong", ColumnType::Ole}, C{"Lv", ColumnType::Ole},
         C{"LvProp", ColumnType::Ole}, C{"LvModule", ColumnType::Ole}, C{"LvExtra", ColumnType::Ole}},
        true);
    struct Object {
        std::uint32_t id, parent;
        std::string name;
        std::int64_t type;
        std::uint32_t flags;
    };
    const Object objects[] = {
        {0x0F000001, 0x0F000000, "Tables", 3, 0},
        {0x0F000002, 0x0F000000, "Databases", 3, 0},
        {0x0F000003, 0x0F000000, "Relationships", 3, 0},
        {0x10000000, 0x0F000002, "MSysDb", 2, 0x80000000u},
        {kCatalogDef, 0x0F000001, "MSysObjects", 1, 0x80000000u},
        {kUserDef, 0x0F000001, table.name, 1, 0},
    };
    PageFiller catalog(image, kCatalogDef, kCatalogRows);
    RowEncoder sysEncoder(sys, lval);
    for (size_t k = 0; k < std::size(objects); ++k) {
        const Object& o = objects[k];
        std::vector<Value> v(sys.columns.size());
        v[0] = Value::Int(static_cast<std::int32_t>(o.id));
        v[1] = Value::Int(static_cast<std::int32_t>(o.parent));
        v[2] = Value::Str(o.name);
        v[3] = Value::Int(o.type);
        v[4] = v[5] = Value::Real(created);
        v[7] = Value::Int(static_cast<std::int32_t>(o.flags));
        catalog.Add(sysEncoder.Encode(v, k));
    }

    // Usage maps of both tables, and their (empty) free-space maps.
    PageFiller maps(image, 0, kMaps);
    std::uint32_t sysMap = maps.Add(InlineMap(kCatalogRows, {kCatalogRows}));
    std::uint32_t sysFree = maps.Add(InlineMap(kCatalogRows, {}));
    const auto& pages = data.Pages();
    std::uint32_t userMap;
    if (!options.referenceUsageMap && pages.back() - pages.front() < (kMapRowSize - 5) * 8) {
        userMap = maps.Add(InlineMap(pages.front(), pages));
    } else {
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
        userMap = maps.Add(m);
    }
    std::uint32_t userFree = maps.Add(InlineMap(pages.front(), {}));

    PageFiller global(image, 1, kGlobalMap);
    global.Add(InlineMap(0, {}));
    global.Add(InlineMap(0, {}));

    auto place = [&](std::uint32_t page, const std::vector<std::uint8_t>& def) {
        std::memcpy(image.pages[page].data(), def.data(), def.size());
    };
    place(kCatalogDef, Definition(sys, static_cast<std::uint32_t>(std::size(objects)), sysMap, sysFree));
    place(kUserDef, Definition(user, static_cast<std::uint32_t>(table.rows.size()), userMap, userFree));
    Header(image.pages[kHeaderPage], created);
    WriteFile(path, image, options.overwrite);
}

} // namespace bank::jet
