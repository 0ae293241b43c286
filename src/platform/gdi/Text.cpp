// Fonts, glyph runs, TextOut and ExtTextOut, text metrics.
#include "platform/gdi/Raster.h"
#include "platform/gdi/TextRender.h"
#include "platform/os/WinBase.h"

#include <algorithm>
#include <cstring>

namespace win::gdi {

FontFace& CurrentFace(DeviceContext* dc) {
    Font* f = LiveFont(dc->State().font);
    if (!f)
        f = LiveFont(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    if (!f->face)
        f->face = FontFace::Resolve(f->lf);
    return *f->face;
}

int MeasureRun(FontFace& face, std::string_view text) {
    int w = 0;
    for (size_t i = 0; i < text.size();)
        w += face.Advance(NextCodePoint(text, i));
    return w;
}

int DrawRun(DeviceContext* dc, FontFace& face, int x, int baseline, std::string_view text,
            const RunStyle& style) {
    Surface& s = dc->TargetSurface();
    const bool mono = dc->IsMono();
    const std::uint32_t color = mono ? ToMono(style.color) : style.color;
    const int startX = x;
    int charIndex = 0;
    auto line = [&](int x1, int x2, int y) {
        if (style.clip) {
            if (y < style.clip->y1 || y >= style.clip->y2)
                return;
            x1 = std::max(x1, style.clip->x1);
            x2 = std::min(x2, style.clip->x2);
        }
        FillBox(dc, x1, y, x2, y + 1, color);
    };
    for (size_t i = 0; i < text.size();) {
        const size_t at = i;
        char32_t ch = NextCodePoint(text, i);
        const Glyph& g = face.GlyphFor(ch);
        const int gx = x + g.left, gy = baseline - g.top;
        if (g.width > 0) {
            int x1 = gx, y1 = gy, x2 = gx + g.width, y2 = gy + g.height;
            if (style.clip) {
                x1 = std::max(x1, style.clip->x1);
                y1 = std::max(y1, style.clip->y1);
                x2 = std::min(x2, style.clip->x2);
                y2 = std::min(y2, style.clip->y2);
            }
            ForEachClipped(dc, x1, y1, x2, y2, [&](const pixman_box32_t& b) {
                for (int py = b.y1; py < b.y2; ++py) {
                    const std::uint8_t* cov = g.coverage.data() + static_cast<size_t>(py - gy) * g.width - gx;
                    std::uint32_t* row = s.Row(py);
                    for (int px = b.x1; px < b.x2; ++px) {
                        unsigned c = cov[px];
                        if (c == 0)
                            continue;
                        row[px] = mono ? (c >= 128 ? color : row[px]) : BlendPixel(row[px], color, c);
                    }
                }
            });
        }
        int adv = style.dx ? style.dx[charIndex] : g.advance;
        bool under = style.underline;
        if (!under && style.underlined)
            under =
                std::find(style.underlined->begin(), style.underlined->end(), at) != style.underlined->end();
        if (under)
            line(x, x + adv, baseline + 1 + (face.Descent() > 2 ? 1 : 0));
        x += adv;
        ++charIndex;
    }
    if (style.strikeOut)
        line(startX, x, baseline - face.Ascent() / 3);
    return x - startX;
}

} // namespace win::gdi

namespace win {

using namespace gdi;

namespace {

std::string_view TextView(const char* text, int count) {
    if (!text)
        return {};
    if (count < 0)
        return std::string_view(text);
    return std::string_view(text, static_cast<size_t>(count));
}

} // namespace

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto* f = new Font;
    f->lf = *font;
    f->lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    RegisterObject(f);
    return f;
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfUnderline = underline ? 1 : 0;
    lf.lfStrikeOut = strikeOut ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) {
        // Truncate on a character boundary so the name stays valid UTF-8.
        size_t n = std::min<size_t>(std::strlen(faceName), LF_FACESIZE - 1);
        while (n > 0 && (static_cast<unsigned char>(faceName[n]) & 0xC0) == 0x80)
            --n;
        std::memcpy(lf.lfFaceName, faceName, n);
    }
    return CreateFontIndirect(&lf);
}

BOOL GetTextExtentPoint32(HDC dc, const char* text, int count, LPSIZE size) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !size || (!text && count > 0))
        return FALSE;
    FontFace& face = CurrentFace(d);
    size->cx = MeasureRun(face, TextView(text, count));
    size->cy = face.Height();
    return TRUE;
}

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* tm) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || !tm)
        return FALSE;
    FontFace& f = CurrentFace(d);
    *tm = TEXTMETRIC{};
    tm->tmHeight = f.Height();
    tm->tmAscent = f.Ascent();
    tm->tmDescent = f.Descent();
    tm->tmInternalLeading = f.InternalLeading();
    tm->tmAveCharWidth = f.AveCharWidth();
    tm->tmMaxCharWidth = f.MaxCharWidth();
    tm->tmWeight = f.Weight();
    tm->tmItalic = f.Italic() ? 1 : 0;
    tm->tmUnderlined = f.Underline() ? 1 : 0;
    tm->tmStruckOut = f.StrikeOut() ? 1 : 0;
    tm->tmFirstChar = ' ';
    tm->tmLastChar = '~';
    tm->tmDefaultChar = '?';
    tm->tmBreakChar = ' ';
    tm->tmCharSet = GB2312_CHARSET;
    return TRUE;
}

int GetTextFace(HDC dc, int count, char* name) {
    DeviceContext* d = DcOrFail(dc);
    if (!d)
        return 0;
    const std::string& family = CurrentFace(d).FamilyName();
    if (!name)
        return static_cast<int>(family.size()) + 1;
    if (count <= 0)
        return 0;
    size_t n = std::min<size_t>(family.size(), static_cast<size_t>(count) - 1);
    std::memcpy(name, family.data(), n);
    name[n] = '\0';
    return static_cast<int>(n);
}

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                const INT* dx) {
    DeviceContext* d = DcOrFail(dc);
    if (!d || (!text && count > 0))
        return FALSE;
    DrawAccess access(d);
    FontFace& face = CurrentFace(d);
    std::string_view run = text ? std::string_view(text, count) : std::string_view();
    int width = 0;
    if (dx) {
        size_t chars = 0;
        for (size_t i = 0; i < run.size(); ++chars)
            NextCodePoint(run, i);
        for (size_t i = 0; i < chars; ++i)
            width += dx[i];
    } else {
        width = MeasureRun(face, run);
    }
    const UINT align = d->State().textAlign;
    if (align & TA_UPDATECP) {
        x = d->State().position.x;
        y = d->State().position.y;
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - width / 2;
    else if (align & TA_RIGHT)
        left = x - width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - face.Ascent();
    else if (align & TA_BOTTOM)
        top = y - face.Height();
    if (align & TA_UPDATECP)
        d->State().position.x = (align & TA_RIGHT) ? left : left + width;

    pixman_box32_t clipBox{};
    const pixman_box32_t* extra = nullptr;
    if (rect) {
        int x1 = d->Sx(std::min(rect->left, rect->right)), x2 = d->Sx(std::max(rect->left, rect->right));
        int y1 = d->Sy(std::min(rect->top, rect->bottom)), y2 = d->Sy(std::max(rect->top, rect->bottom));
        if (options & ETO_OPAQUE)
            FillBox(d, x1, y1, x2, y2, ToPixel(d->State().bkColor));
        if (options & ETO_CLIPPED) {
            clipBox = pixman_box32_t{x1, y1, x2, y2};
            extra = &clipBox;
        }
    }
    if (d->State().bkMode == OPAQUE && !(rect && (options & ETO_OPAQUE))) {
        int x1 = d->Sx(left), y1 = d->Sy(top), x2 = x1 + width, y2 = y1 + face.Height();
        if (extra) {
            x1 = std::max(x1, extra->x1);
            y1 = std::max(y1, extra->y1);
            x2 = std::min(x2, extra->x2);
            y2 = std::min(y2, extra->y2);
        }
        FillBox(d, x1, y1, x2, y2, ToPixel(d->State().bkColor));
    }
    RunStyle style;
    style.color = ToPixel(d->State().textColor);
    style.underline = face.Underline();
    style.strikeOut = face.StrikeOut();
    style.clip = extra;
    style.dx = dx;
    DrawRun(d, face, d->Sx(left), d->Sy(top) + face.Ascent(), run, style);
    return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int count) {
    if (count < 0)
        return FALSE;
    return ExtTextOut(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

} // namespace win
