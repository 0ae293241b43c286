// A font at one size: the face fontconfig found for the requested family, a CJK fallback face, metrics and
// a cache of rendered glyphs (so that repainting text costs blending, not rasterising). Fonts of one font
// file share its FreeType face, each drawing through a size object of its own.
#pragma once

#include "platform/gdi/WinGdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace win::gdi {

struct Glyph {
    int left = 0; // from the pen position to the bitmap's left edge
    int top = 0;  // from the baseline up to the bitmap's top row
    int width = 0;
    int height = 0;
    int advance = 0;                    // whole pixels
    std::vector<std::uint8_t> coverage; // width * height, 0..255
};

class FontFace {
public:
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // The face for a logical font; faces are shared between fonts with the same description.
    static std::shared_ptr<FontFace> Resolve(const LOGFONT& lf);

    const Glyph& GlyphFor(char32_t ch);
    int Advance(char32_t ch) { return GlyphFor(ch).advance; }

    int Ascent() const { return m_ascent; }
    int Descent() const { return m_descent; }
    int Height() const { return m_ascent + m_descent; }
    int InternalLeading() const { return m_internalLeading; }
    int AveCharWidth() const { return m_aveCharWidth; }
    int MaxCharWidth() const { return m_maxCharWidth; }
    bool Underline() const { return m_underline; }
    bool StrikeOut() const { return m_strikeOut; }
    int Weight() const { return m_weight; }
    bool Italic() const { return m_italic; }
    const std::string& FamilyName() const { return m_family; }

private:
    struct Impl;
    FontFace();
    const Glyph& CachedGlyph(char32_t ch); // with the FreeType lock held
    std::unique_ptr<Impl> m_impl;
    std::unordered_map<char32_t, Glyph> m_cache;
    int m_ascent = 0;
    int m_descent = 0;
    int m_internalLeading = 0;
    int m_aveCharWidth = 0;
    int m_maxCharWidth = 0;
    int m_weight = FW_NORMAL;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    std::string m_family;
};

// Decodes one UTF-8 character at text[i], advancing i; malformed bytes give U+FFFD.
char32_t NextCodePoint(std::string_view text, size_t& i);

} // namespace win::gdi
