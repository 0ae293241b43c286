#include "platform/gdi/FontFace.h"

#include "platform/gdi/DialogSans.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <map>
#include <mutex>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include <sys/stat.h>
#include <unistd.h>

namespace win::gdi {

namespace {

// Apart from the dialog face (DialogSans.h), the Windows interface faces the program names have no installed
// counterpart; the bitmap-hinted CJK face covers Latin and Chinese alike and stays crisp at dialog sizes.
constexpr const char* kUiFace = "WenQuanYi Zen Hei Sharp";
constexpr const char* kCjkFallback = "WenQuanYi Zen Hei Sharp";

const char* const kUiFamilies[] = {"",
                                   "ms sans serif",
                                   "ms shell dlg",
                                   "ms shell dlg 2",
                                   "microsoft sans serif",
                                   "system",
                                   "tahoma",
                                   "segoe ui",
                                   "宋体",
                                   "新宋体",
                                   "simsun",
                                   "nsimsun",
                                   "黑体",
                                   "simhei",
                                   "微软雅黑",
                                   "microsoft yahei",
                                   "arial"};

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

struct FaceFile {
    std::string path;
    int index = 0;
};

// Matches are kept, so that fontconfig's configuration (its parsed files and font caches) can be let go
// between fonts and is loaded again only for a description not matched before.
bool fontconfigLoaded = false;

void ReleaseFontconfig() {
    if (fontconfigLoaded)
        FcFini();
    fontconfigLoaded = false;
}

FaceFile MatchFamily(const std::string& family, int weight, bool italic) {
    static std::map<std::string, FaceFile> matched;
    const std::string key = family + '\x1f' + std::to_string(weight >= 600) + std::to_string(italic);
    if (auto it = matched.find(key); it != matched.end())
        return it->second;
    if (!fontconfigLoaded)
        fontconfigLoaded = FcInit() == FcTrue;
    FaceFile& result = matched[key];
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult res = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &res);
    if (match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            result.path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &result.index);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return result;
}

struct Library {
    FT_Library ft = nullptr;
    std::mutex mutex;
    Library() {
        FT_Init_FreeType(&ft);
        // fontconfig keeps what other lookups (the dialog face's candidates) loaded until told to let it go.
        std::atexit(FcFini);
    }
};

Library& FreeTypeLibrary() {
    static Library lib;
    return lib;
}

// One open face of a font file, shared by every font drawn from it; each font draws through a size object
// of its own. The file is read, not mapped: a mapped CJK file keeps every page a lookup touched resident,
// while reading keeps only the tables FreeType loads and the glyphs being rendered.
struct SharedFace {
    FT_Face face = nullptr;
    FT_StreamRec stream{};

    SharedFace() = default;
    SharedFace(const SharedFace&) = delete;
    SharedFace& operator=(const SharedFace&) = delete;
    ~SharedFace() {
        if (face)
            FT_Done_Face(face);
        else if (stream.descriptor.value >= 0)
            ::close(static_cast<int>(stream.descriptor.value));
    }

    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count) {
        const int fd = static_cast<int>(stream->descriptor.value);
        if (count == 0) // a seek: 0 is success
            return offset <= stream->size ? 0 : 1;
        unsigned long done = 0;
        while (done < count) {
            const ssize_t n = ::pread(fd, buffer + done, count - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<unsigned long>(n);
        }
        return done;
    }
    static void Close(FT_Stream stream) {
        ::close(static_cast<int>(stream->descriptor.value));
        stream->descriptor.value = -1;
    }

    bool Open(const std::string& path, int index) {
        stream.descriptor.value = -1;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || st.st_size <= 0) {
            ::close(fd);
            return false;
        }
        stream.descriptor.value = fd;
        stream.size = static_cast<unsigned long>(st.st_size);
        stream.read = &SharedFace::Read;
        stream.close = &SharedFace::Close;
        FT_Open_Args args{};
        args.flags = FT_OPEN_STREAM;
        args.stream = &stream;
        if (FT_Open_Face(FreeTypeLibrary().ft, &args, index, &face) != 0) {
            face = nullptr;
            return false;
        }
        return true;
    }
};

// The open face of (file, index), opened on first use and closed with the last font that draws from it.
std::shared_ptr<SharedFace> OpenSharedFace(const std::string& path, int index) {
    static std::map<std::pair<std::string, int>, std::weak_ptr<SharedFace>> open;
    if (path.empty())
        return nullptr;
    std::weak_ptr<SharedFace>& slot = open[{path, index}];
    if (auto live = slot.lock())
        return live;
    auto made = std::make_shared<SharedFace>();
    if (!made->Open(path, index))
        return nullptr;
    slot = made;
    return made;
}

// A shared face at one size; selects the nearest bitmap strike when one lies within a pixel above the
// request.
struct SizedFace {
    std::shared_ptr<SharedFace> shared;
    FT_Size size = nullptr;
    bool strike = false;
    bool synthBold = false;
    bool synthItalic = false;

    SizedFace() = default;
    SizedFace(const SizedFace&) = delete;
    SizedFace& operator=(const SizedFace&) = delete;
    ~SizedFace() { Release(); }

    FT_Face Face() const { return size ? shared->face : nullptr; }

    // Makes this font's size and slant the shared face's current ones.
    FT_Face Use() const {
        FT_Face f = shared->face;
        FT_Activate_Size(size);
        static FT_Matrix shear{0x10000, 0x5800, 0, 0x10000};
        FT_Set_Transform(f, synthItalic ? &shear : nullptr, nullptr);
        return f;
    }

    bool Open(const FaceFile& file, int em, int weight, bool italic) {
        if (!Attach(file))
            return false;
        FT_Face f = shared->face;
        synthBold = weight >= 600 && !(f->style_flags & FT_STYLE_FLAG_BOLD);
        synthItalic = italic && !(f->style_flags & FT_STYLE_FLAG_ITALIC);
        if (!synthItalic && (f->face_flags & FT_FACE_FLAG_FIXED_SIZES)) {
            for (int i = 0; i < f->num_fixed_sizes; ++i) {
                int ppem = static_cast<int>((f->available_sizes[i].y_ppem + 32) >> 6);
                if (ppem >= em && ppem <= em + 1 && FT_Select_Size(f, i) == 0) {
                    strike = true;
                    break;
                }
            }
        }
        if (!strike && FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(em)) != 0) {
            Release();
            return false;
        }
        return true;
    }
    // A bitmap face at one of its strikes; bold is synthesised, italic cannot be.
    bool OpenStrike(const FaceFile& file, int strikeIndex, int weight) {
        if (!Attach(file))
            return false;
        synthBold = weight >= 600 && !(shared->face->style_flags & FT_STYLE_FLAG_BOLD);
        strike = FT_Select_Size(shared->face, strikeIndex) == 0;
        if (!strike)
            Release();
        return strike;
    }
    int Ascent() const { return static_cast<int>((size->metrics.ascender + 63) >> 6); }
    int Descent() const { return static_cast<int>((-size->metrics.descender + 63) >> 6); }

private:
    // A new size object on the file's shared face, made current for the size selection that follows.
    bool Attach(const FaceFile& file) {
        shared = OpenSharedFace(file.path, file.index);
        if (!shared || FT_New_Size(shared->face, &size) != 0) {
            size = nullptr;
            shared.reset();
            return false;
        }
        FT_Activate_Size(size);
        return true;
    }
    void Release() {
        if (size)
            FT_Done_Size(size);
        size = nullptr;
        shared.reset();
    }
};

struct DialogSansFace {
    FaceFile file;
    std::vector<BitmapStrike> strikes;
};

// Found once per process; an empty file means the CJK face stands in, as for the other interface faces.
const DialogSansFace& TheDialogSansFace() {
    static const DialogSansFace found = [] {
        DialogSansFace result;
        for (const std::string& path : DialogSansCandidates()) {
            SharedFace probe;
            if (!probe.Open(path, 0))
                continue;
            FT_Face face = probe.face;
            const bool usable = face->charmap && face->charmap->encoding == FT_ENCODING_UNICODE &&
                                face->num_fixed_sizes > 0 && FT_Get_Char_Index(face, U'0') != 0;
            for (int i = 0; usable && i < face->num_fixed_sizes; ++i) {
                if (FT_Select_Size(face, i) != 0)
                    continue;
                result.strikes.push_back(BitmapStrike{i, static_cast<int>(face->size->metrics.ascender >> 6),
                                                      static_cast<int>(-face->size->metrics.descender >> 6)});
            }
            if (!result.strikes.empty()) {
                std::sort(result.strikes.begin(), result.strikes.end(),
                          [](const BitmapStrike& a, const BitmapStrike& b) { return a.ascent < b.ascent; });
                result.file.path = path;
                break;
            }
        }
        return result;
    }();
    return found;
}

bool IsUiFamily(const std::string& name) {
    std::string l = Lower(name);
    for (const char* f : kUiFamilies)
        if (l == f)
            return true;
    return false;
}

} // namespace

struct FontFace::Impl {
    SizedFace primary;
    SizedFace fallback;
    bool mono = false;
};

FontFace::FontFace() : m_impl(std::make_unique<Impl>()) {
}
FontFace::~FontFace() = default;

std::shared_ptr<FontFace> FontFace::Resolve(const LOGFONT& lf) {
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, lf.lfFaceName, LF_FACESIZE);
    const std::string family = name;
    const int weight = lf.lfWeight == 0 ? FW_NORMAL : std::clamp<int>(lf.lfWeight, 1, 1000);
    const bool italic = lf.lfItalic != 0;

    std::lock_guard lock(FreeTypeLibrary().mutex);
    static std::map<std::string, std::shared_ptr<FontFace>> cache;
    std::string key = Lower(family) + '\x1f' + std::to_string(lf.lfHeight) + '\x1f' + std::to_string(weight) +
                      '\x1f' + std::to_string(italic) + std::to_string(lf.lfUnderline != 0) +
                      std::to_string(lf.lfStrikeOut != 0) + std::to_string(lf.lfQuality);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;

    std::shared_ptr<FontFace> f(new FontFace);
    const DialogSansFace& dialog = TheDialogSansFace();
    const bool dialogSans = IsDialogSansFamily(family) && !dialog.file.path.empty();
    FaceFile primaryFile =
        dialogSans ? dialog.file : MatchFamily(IsUiFamily(family) ? kUiFace : family, weight, italic);
    FaceFile fallbackFile = MatchFamily(kCjkFallback, weight, italic);
    ReleaseFontconfig();
    int asc = 0, desc = 0, em = 12;
    if (dialogSans) {
        const StrikeChoice cell = ChooseStrike(dialog.strikes, lf.lfHeight);
        if (cell.index >= 0 && !italic)
            f->m_impl->primary.OpenStrike(primaryFile, cell.index, weight);
        // Ideographs fill their em, Latin capitals do not reach the character height: one pixel more puts
        // them at the same visual size (the classic pairing of 8-pt dialog Latin with 12-pixel ideographs).
        f->m_impl->fallback.Open(fallbackFile, std::min(cell.charHeight + 1, 512), weight, italic);
        asc = cell.ascent;
        desc = cell.descent;
        em = cell.charHeight;
    } else {
        // Sizes are kept to what a screen can show; a hostile height must not allocate huge glyphs.
        long long height = lf.lfHeight;
        // Held until the font's own size is made, so that the file is not opened twice.
        std::shared_ptr<SharedFace> probe;
        if (height < 0) {
            em = static_cast<int>(std::min<long long>(-height, 512));
        } else if (height > 0) {
            // A positive height is the cell height; scale the em so that ascender + descender fill it.
            double ratio = 1.2;
            if ((probe = OpenSharedFace(primaryFile.path, primaryFile.index))) {
                const FT_Face face = probe->face;
                if (face->units_per_EM > 0 && face->ascender - face->descender > 0)
                    ratio = static_cast<double>(face->ascender - face->descender) / face->units_per_EM;
            }
            em = static_cast<int>(std::lround(std::min<long long>(height, 600) / ratio));
        }
        em = std::clamp(em, 1, 512);
        const bool primaryOpen = f->m_impl->primary.Open(primaryFile, em, weight, italic);
        if (!primaryOpen)
            f->m_impl->primary.Open(fallbackFile, em, weight, italic);
        // The fallback at the primary's file and size would find no character the primary lacks.
        const bool sameFile = !primaryOpen || (primaryFile.path == fallbackFile.path &&
                                               primaryFile.index == fallbackFile.index);
        if (!sameFile || !f->m_impl->primary.Face())
            f->m_impl->fallback.Open(fallbackFile, em, weight, italic);
        for (SizedFace* sf : {&f->m_impl->primary, &f->m_impl->fallback}) {
            if (!sf->Face())
                continue;
            asc = std::max(asc, sf->Ascent());
            desc = std::max(desc, sf->Descent());
        }
    }
    f->m_impl->mono = lf.lfQuality == NONANTIALIASED_QUALITY;
    f->m_weight = weight;
    f->m_italic = italic;
    f->m_underline = lf.lfUnderline != 0;
    f->m_strikeOut = lf.lfStrikeOut != 0;
    f->m_family = family;
    if (asc + desc == 0) {
        asc = em;
        desc = em / 4;
    }
    f->m_ascent = asc;
    f->m_descent = desc;
    f->m_internalLeading = std::max(0, asc + desc - em);
    cache[key] = f;
    // Metrics that need glyphs come after the face is usable.
    f->m_aveCharWidth = f->CachedGlyph(U'x').advance;
    int maxw = 0;
    for (char32_t c : {U'W', U'M', U'中', U'@'})
        maxw = std::max(maxw, f->CachedGlyph(c).advance);
    f->m_maxCharWidth = maxw;
    return f;
}

const Glyph& FontFace::GlyphFor(char32_t ch) {
    if (auto it = m_cache.find(ch); it != m_cache.end())
        return it->second;
    // Other fonts share the FreeType face and its glyph slot.
    std::lock_guard lock(FreeTypeLibrary().mutex);
    return CachedGlyph(ch);
}

const Glyph& FontFace::CachedGlyph(char32_t ch) {
    if (auto it = m_cache.find(ch); it != m_cache.end())
        return it->second;
    Glyph g;
    SizedFace* sf = nullptr;
    FT_UInt index = 0;
    for (SizedFace* candidate : {&m_impl->primary, &m_impl->fallback}) {
        if (candidate->Face() && (index = FT_Get_Char_Index(candidate->Face(), ch)) != 0) {
            sf = candidate;
            break;
        }
    }
    if (!sf)
        sf = m_impl->primary.Face() ? &m_impl->primary : &m_impl->fallback;
    if (ch == U'\t' || ch == U'\n' || ch == U'\r')
        index = FT_Get_Char_Index(sf->Face(), U' ');
    if (sf->Face()) {
        const FT_Face face = sf->Use();
        FT_Int32 flags = FT_LOAD_DEFAULT | (m_impl->mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL);
        if (FT_Load_Glyph(face, index, flags) != 0 && sf->strike)
            FT_Load_Glyph(face, index, flags | FT_LOAD_NO_BITMAP);
        FT_GlyphSlot slot = face->glyph;
        if (sf->synthBold)
            FT_GlyphSlot_Embolden(slot);
        if (slot->format != FT_GLYPH_FORMAT_BITMAP)
            FT_Render_Glyph(slot, m_impl->mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL);
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(bm.width);
        g.height = static_cast<int>(bm.rows);
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
        // An emboldened bitmap strike comes back as grey levels 0..1.
        const int grays = std::max<int>(2, bm.num_grays);
        for (int y = 0; y < g.height; ++y) {
            const unsigned char* src = bm.buffer + static_cast<long>(y) * bm.pitch;
            for (int x = 0; x < g.width; ++x) {
                std::uint8_t v = 0;
                if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                    v = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                    v = grays == 256 ? src[x]
                                     : static_cast<std::uint8_t>(std::min(255, src[x] * 255 / (grays - 1)));
                g.coverage[static_cast<size_t>(y) * g.width + x] = v;
            }
        }
    }
    if (ch == U'\t' || ch == U'\n' || ch == U'\r') {
        g.coverage.clear();
        g.width = g.height = 0;
    }
    return m_cache.emplace(ch, std::move(g)).first->second;
}

char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = b0 >= 0xF0 && b0 < 0xF5 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 0;
    if (len == 0 || i + len > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = b0 & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp < 0xE000)) {
        ++i;
        return 0xFFFD;
    }
    i += len;
    return cp;
}

} // namespace win::gdi
