// DrawText: prefixes, tabs, line breaking (Latin words and CJK characters), ellipsis, alignment, measuring.
#include "platform/gdi/Raster.h"
#include "platform/gdi/TextRender.h"
#include "platform/os/WinBase.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace win {

using namespace gdi;

namespace {

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Characters that may not begin a line, and those that may not end one.
bool NoBreakBefore(char32_t c) {
    static const std::u32string set = U"，。、；：？！）】》」』〕〉”’…·%,.;:?!)]}>'\"～－";
    return set.find(c) != std::u32string::npos;
}
bool NoBreakAfter(char32_t c) {
    static const std::u32string set = U"（【《「『〔〈“‘([{<";
    return set.find(c) != std::u32string::npos;
}

struct Char {
    char32_t cp;
    size_t offset; // byte offset in the processed text
    size_t bytes;
    int width;
    bool underlined;
};

struct Line {
    size_t begin = 0, end = 0; // indices into the character list
    int width = 0;
    std::string text;
    std::vector<size_t> underlined;
};

// Removes '&' prefixes; records which characters they marked.
std::string StripPrefixes(std::string_view in, std::vector<size_t>* marked) {
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
                continue;
            }
            if (i + 1 < in.size())
                marked->push_back(out.size());
            continue;
        }
        out += in[i];
    }
    return out;
}

std::string LineText(const std::string& text, const std::vector<Char>& chars, size_t b, size_t e) {
    if (b >= e)
        return {};
    return text.substr(chars[b].offset, chars[e - 1].offset + chars[e - 1].bytes - chars[b].offset);
}

int WidthOf(const std::vector<Char>& chars, size_t b, size_t e) {
    int w = 0;
    for (size_t i = b; i < e; ++i)
        w += chars[i].width;
    return w;
}

bool BreakAllowedBefore(const std::vector<Char>& chars, size_t i) {
    if (i == 0)
        return false;
    char32_t prev = chars[i - 1].cp, cur = chars[i].cp;
    if (NoBreakBefore(cur) || NoBreakAfter(prev))
        return false;
    if (prev == U' ' || prev == U'\t')
        return true;
    return IsCjk(prev) || IsCjk(cur);
}

// Splits one paragraph [b, e) into lines no wider than `limit`.
void Wrap(const std::vector<Char>& chars, size_t b, size_t e, int limit, std::vector<Line>& lines) {
    size_t start = b;
    while (true) {
        Line line;
        line.begin = start;
        int w = 0;
        size_t i = start;
        size_t lastBreak = start;
        while (i < e && w + chars[i].width <= limit) {
            w += chars[i].width;
            ++i;
            if (i < e && BreakAllowedBefore(chars, i))
                lastBreak = i;
        }
        if (i >= e) {
            line.end = e;
        } else if (chars[i].cp == U' ') {
            line.end = i; // the overflowing blank is where the line breaks
        } else if (lastBreak > start) {
            line.end = lastBreak;
        } else {
            // One word wider than the box: break it where it overflows, keeping at least one character.
            line.end = std::max(i, start + 1);
        }
        size_t next = line.end;
        // Blanks at a break belong to neither line.
        while (next < e && chars[next].cp == U' ')
            ++next;
        size_t visibleEnd = line.end;
        while (visibleEnd > line.begin && chars[visibleEnd - 1].cp == U' ')
            --visibleEnd;
        line.end = visibleEnd;
        lines.push_back(line);
        if (next >= e)
            break;
        start = next;
    }
}

using Paragraphs = std::vector<std::pair<size_t, size_t>>;

// The text as laid out: characters with their widths, and the lines they fall into.
struct TextLayout {
    std::string body; // the text without prefixes
    std::vector<Char> chars;
    std::vector<Line> lines;
};

std::string_view InputText(const char* text, int count) {
    if (!text)
        return {};
    return count < 0 ? std::string_view(text)
                     : std::string_view(text, strnlen(text, static_cast<size_t>(count)));
}

std::vector<Char> MeasureChars(const std::string& body, const std::vector<size_t>& marked, FontFace& face) {
    std::vector<Char> chars;
    chars.reserve(body.size());
    for (size_t i = 0; i < body.size();) {
        size_t at = i;
        char32_t cp = NextCodePoint(body, i);
        bool under = std::find(marked.begin(), marked.end(), at) != marked.end();
        chars.push_back(Char{cp, at, i - at, face.Advance(cp), under});
    }
    return chars;
}

// Splits at line ends; a single line keeps them as characters of no width.
Paragraphs SplitParagraphs(std::vector<Char>& chars, bool single) {
    Paragraphs paragraphs;
    size_t start = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i].cp;
        if (c != U'\r' && c != U'\n')
            continue;
        if (single) {
            chars[i].width = 0;
            continue;
        }
        paragraphs.emplace_back(start, i);
        if (c == U'\r' && i + 1 < chars.size() && chars[i + 1].cp == U'\n')
            ++i;
        start = i + 1;
    }
    paragraphs.emplace_back(start, chars.size());
    return paragraphs;
}

// Tabs expand against stops measured from the paragraph start.
void ExpandTabs(std::vector<Char>& chars, const Paragraphs& paragraphs, FontFace& face, UINT format) {
    const int tabWidth =
        face.AveCharWidth() * ((format & DT_TABSTOP) ? std::max(1u, (format >> 8) & 0xFF) : 8);
    for (auto [b, e] : paragraphs) {
        int x = 0;
        for (size_t i = b; i < e; ++i) {
            if (chars[i].cp == U'\t') {
                chars[i].width =
                    (format & DT_EXPANDTABS) && tabWidth > 0 ? tabWidth - (x % tabWidth) : face.Advance(U' ');
            }
            x += chars[i].width;
        }
    }
}

Line WholeLine(size_t begin, size_t end) {
    Line line;
    line.begin = begin;
    line.end = end;
    return line;
}

// Measures the characters of `body` and breaks them into lines.
TextLayout Measure(std::string body, const std::vector<size_t>& marked, FontFace& face, UINT format,
                   int boxWidth) {
    TextLayout layout;
    layout.body = std::move(body);
    layout.chars = MeasureChars(layout.body, marked, face);
    const bool single = format & DT_SINGLELINE;
    const Paragraphs paragraphs = SplitParagraphs(layout.chars, single);
    ExpandTabs(layout.chars, paragraphs, face, format);
    for (auto [b, e] : paragraphs) {
        if ((format & DT_WORDBREAK) && !single && b < e)
            Wrap(layout.chars, b, e, std::max(boxWidth, 1), layout.lines);
        else
            layout.lines.push_back(WholeLine(b, e));
    }
    for (Line& line : layout.lines) {
        line.width = WidthOf(layout.chars, line.begin, line.end);
        line.text = LineText(layout.body, layout.chars, line.begin, line.end);
        for (size_t i = line.begin; i < line.end; ++i)
            if (layout.chars[i].underlined)
                line.underlined.push_back(layout.chars[i].offset - layout.chars[line.begin].offset);
    }
    return layout;
}

// Shortens each line wider than the box to what fits with "..." after it.
void AddEllipses(TextLayout& layout, FontFace& face, int boxWidth) {
    const std::vector<Char>& chars = layout.chars;
    const int dots = face.Advance(U'.') * 3;
    for (Line& line : layout.lines) {
        if (line.width <= boxWidth)
            continue;
        size_t e = line.end;
        int w = line.width;
        while (e > line.begin && w + dots > boxWidth)
            w -= chars[--e].width;
        line.text = LineText(layout.body, chars, line.begin, e) + "...";
        line.width = w + dots;
        std::erase_if(line.underlined, [&](size_t off) {
            return e == line.begin || off >= chars[e].offset - chars[line.begin].offset;
        });
    }
}

int LineLeft(const Line& line, const RECT& rect, UINT format) {
    if (format & DT_CENTER)
        return rect.left + (rect.right - rect.left - line.width) / 2;
    if (format & DT_RIGHT)
        return rect.right - line.width;
    return rect.left;
}

void FillLineBackground(DeviceContext* d, int x, int y, int width, int height, const pixman_box32_t* clip) {
    int x1 = d->Sx(x), y1 = d->Sy(y), x2 = x1 + width, y2 = y1 + height;
    if (clip) {
        x1 = std::max(x1, clip->x1);
        y1 = std::max(y1, clip->y1);
        x2 = std::min(x2, clip->x2);
        y2 = std::min(y2, clip->y2);
    }
    FillBox(d, x1, y1, x2, y2, ToPixel(d->State().bkColor));
}

void PaintLine(DeviceContext* d, FontFace& face, const TextLayout& layout, const Line& line, int x, int y,
               RunStyle& style) {
    style.underlined = line.underlined.empty() ? nullptr : &line.underlined;
    // Tabs are laid out by their expanded widths, so draw piecewise around them.
    if (line.text.find('\t') == std::string::npos) {
        DrawRun(d, face, d->Sx(x), d->Sy(y) + face.Ascent(), line.text, style);
        return;
    }
    std::vector<INT> dx;
    for (size_t i = line.begin; i < line.end; ++i)
        dx.push_back(layout.chars[i].width);
    while (dx.size() < line.text.size())
        dx.push_back(face.Advance(U'.'));
    style.dx = dx.data();
    DrawRun(d, face, d->Sx(x), d->Sy(y) + face.Ascent(), line.text, style);
    style.dx = nullptr;
}

void PaintLines(DeviceContext* d, FontFace& face, const TextLayout& layout, const RECT& rect, int top,
                UINT format) {
    DrawAccess access(d);
    pixman_box32_t clipBox{d->Sx(rect.left), d->Sy(rect.top), d->Sx(rect.right), d->Sy(rect.bottom)};
    const pixman_box32_t* clip = (format & DT_NOCLIP) ? nullptr : &clipBox;
    RunStyle style;
    style.color = ToPixel(d->State().textColor);
    style.underline = face.Underline();
    style.strikeOut = face.StrikeOut();
    style.clip = clip;
    int y = top;
    for (const Line& line : layout.lines) {
        int x = LineLeft(line, rect, format);
        if (d->State().bkMode == OPAQUE)
            FillLineBackground(d, x, y, line.width, face.Height(), clip);
        PaintLine(d, face, layout, line, x, y, style);
        y += face.Height();
    }
}

// Where the first line goes: single lines may be centred vertically or sit at the bottom.
int FirstLineTop(const RECT& rect, int lineHeight, UINT format) {
    const bool single = format & DT_SINGLELINE;
    if (single && (format & DT_VCENTER))
        return rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    if (single && (format & DT_BOTTOM))
        return rect.bottom - lineHeight;
    return rect.top;
}

} // namespace

int DrawText(HDC dc, const char* text, int count, LPRECT rect, UINT format) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !rect || (!text && count != 0)) {
        SetLastError(d ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    std::string_view input = InputText(text, count);
    FontFace& face = CurrentFace(d);
    const int lineHeight = face.Height();

    std::vector<size_t> marked;
    std::string body = (format & DT_NOPREFIX) ? std::string(input) : StripPrefixes(input, &marked);
    if (format & DT_HIDEPREFIX)
        marked.clear();
    const int boxWidth = rect->right - rect->left;
    TextLayout layout = Measure(std::move(body), marked, face, format, boxWidth);
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        AddEllipses(layout, face, boxWidth);

    const int total = static_cast<int>(layout.lines.size()) * lineHeight;
    if (input.empty() && (format & DT_CALCRECT)) {
        rect->right = rect->left;
        rect->bottom = rect->top;
        return 0;
    }
    if (format & DT_CALCRECT) {
        int maxWidth = 0;
        for (const Line& line : layout.lines)
            maxWidth = std::max(maxWidth, line.width);
        rect->right = rect->left + maxWidth;
        rect->bottom = rect->top + total;
        return total;
    }
    const int top = FirstLineTop(*rect, lineHeight, format);
    PaintLines(d, face, layout, *rect, top, format);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + lineHeight;
    return total;
}

} // namespace win
