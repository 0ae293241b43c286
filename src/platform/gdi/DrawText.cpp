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

bool isCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

// Characters that may not begin a line, and those that may not end one.
bool noBreakBefore(char32_t c) {
    static const std::u32string set = U"，。、；：？！）】》」』〕〉”’…·%,.;:?!)]}>'\"～－";
    return set.find(c) != std::u32string::npos;
}
bool noBreakAfter(char32_t c) {
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
std::string stripPrefixes(std::string_view in, std::vector<size_t>* marked) {
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

std::string lineText(const std::string& text, const std::vector<Char>& chars, size_t b, size_t e) {
    if (b >= e)
        return {};
    return text.substr(chars[b].offset, chars[e - 1].offset + chars[e - 1].bytes - chars[b].offset);
}

int widthOf(const std::vector<Char>& chars, size_t b, size_t e) {
    int w = 0;
    for (size_t i = b; i < e; ++i)
        w += chars[i].width;
    return w;
}

bool breakAllowedBefore(const std::vector<Char>& chars, size_t i) {
    if (i == 0)
        return false;
    char32_t prev = chars[i - 1].cp, cur = chars[i].cp;
    if (noBreakBefore(cur) || noBreakAfter(prev))
        return false;
    if (prev == U' ' || prev == U'\t')
        return true;
    return isCjk(prev) || isCjk(cur);
}

// Splits one paragraph [b, e) into lines no wider than `limit`.
void wrap(const std::vector<Char>& chars, size_t b, size_t e, int limit, std::vector<Line>& lines) {
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
            if (i < e && breakAllowedBefore(chars, i))
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

} // namespace

int DrawText(HDC dc, const char* text, int count, LPRECT rect, UINT format) {
    DeviceContext* d = LiveDC(dc);
    if (!d || !rect || (!text && count != 0)) {
        SetLastError(d ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return 0;
    }
    std::string_view input =
        text ? (count < 0 ? std::string_view(text)
                          : std::string_view(text, strnlen(text, static_cast<size_t>(count))))
             : std::string_view();
    FontFace& face = CurrentFace(d);
    const int lineHeight = face.height();
    const bool single = format & DT_SINGLELINE;

    std::vector<size_t> marked;
    std::string body = (format & DT_NOPREFIX) ? std::string(input) : stripPrefixes(input, &marked);
    if (format & DT_HIDEPREFIX)
        marked.clear();

    // Characters with their widths; tabs expand against stops measured from the line start.
    const int tabWidth =
        face.aveCharWidth() * ((format & DT_TABSTOP) ? std::max(1u, (format >> 8) & 0xFF) : 8);
    std::vector<Char> chars;
    chars.reserve(body.size());
    for (size_t i = 0; i < body.size();) {
        size_t at = i;
        char32_t cp = NextCodePoint(body, i);
        bool under = std::find(marked.begin(), marked.end(), at) != marked.end();
        chars.push_back(Char{cp, at, i - at, face.advance(cp), under});
    }

    // Paragraphs.
    std::vector<std::pair<size_t, size_t>> paragraphs;
    {
        size_t start = 0;
        for (size_t i = 0; i < chars.size(); ++i) {
            char32_t c = chars[i].cp;
            if (c == U'\r' || c == U'\n') {
                if (!single) {
                    paragraphs.emplace_back(start, i);
                    if (c == U'\r' && i + 1 < chars.size() && chars[i + 1].cp == U'\n')
                        ++i;
                    start = i + 1;
                } else {
                    chars[i].width = 0;
                }
            }
        }
        paragraphs.emplace_back(start, chars.size());
    }
    for (auto [b, e] : paragraphs) {
        int x = 0;
        for (size_t i = b; i < e; ++i) {
            if (chars[i].cp == U'\t') {
                chars[i].width =
                    (format & DT_EXPANDTABS) && tabWidth > 0 ? tabWidth - (x % tabWidth) : face.advance(U' ');
            }
            x += chars[i].width;
        }
    }

    const int boxWidth = rect->right - rect->left;
    std::vector<Line> lines;
    for (auto [b, e] : paragraphs) {
        if ((format & DT_WORDBREAK) && !single && b < e)
            wrap(chars, b, e, std::max(boxWidth, 1), lines);
        else {
            Line line;
            line.begin = b;
            line.end = e;
            lines.push_back(line);
        }
    }
    for (Line& line : lines) {
        line.width = widthOf(chars, line.begin, line.end);
        line.text = lineText(body, chars, line.begin, line.end);
        for (size_t i = line.begin; i < line.end; ++i)
            if (chars[i].underlined)
                line.underlined.push_back(chars[i].offset - chars[line.begin].offset);
    }

    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
        const int dots = face.advance(U'.') * 3;
        for (Line& line : lines) {
            if (line.width <= boxWidth)
                continue;
            size_t e = line.end;
            int w = line.width;
            while (e > line.begin && w + dots > boxWidth)
                w -= chars[--e].width;
            line.text = lineText(body, chars, line.begin, e) + "...";
            line.width = w + dots;
            std::erase_if(line.underlined, [&](size_t off) {
                return e == line.begin || off >= chars[e].offset - chars[line.begin].offset;
            });
        }
    }

    int maxWidth = 0;
    for (const Line& line : lines)
        maxWidth = std::max(maxWidth, line.width);
    const int total = static_cast<int>(lines.size()) * lineHeight;
    if (input.empty() && (format & DT_CALCRECT)) {
        rect->right = rect->left;
        rect->bottom = rect->top;
        return 0;
    }

    int top = rect->top;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;

    if (format & DT_CALCRECT) {
        rect->right = rect->left + maxWidth;
        rect->bottom = rect->top + total;
        return total;
    }

    DrawAccess access(d);
    pixman_box32_t clipBox{d->sx(rect->left), d->sy(rect->top), d->sx(rect->right), d->sy(rect->bottom)};
    const pixman_box32_t* clip = (format & DT_NOCLIP) ? nullptr : &clipBox;
    RunStyle style;
    style.color = ToPixel(d->state().textColor);
    style.underline = face.underline();
    style.strikeOut = face.strikeOut();
    style.clip = clip;
    int y = top;
    for (const Line& line : lines) {
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (boxWidth - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - line.width;
        if (d->state().bkMode == OPAQUE) {
            int x1 = d->sx(x), y1 = d->sy(y), x2 = x1 + line.width, y2 = y1 + lineHeight;
            if (clip) {
                x1 = std::max(x1, clip->x1);
                y1 = std::max(y1, clip->y1);
                x2 = std::min(x2, clip->x2);
                y2 = std::min(y2, clip->y2);
            }
            FillBox(d, x1, y1, x2, y2, ToPixel(d->state().bkColor));
        }
        style.underlined = line.underlined.empty() ? nullptr : &line.underlined;
        // Tabs are laid out by their expanded widths, so draw piecewise around them.
        if (line.text.find('\t') == std::string::npos) {
            DrawRun(d, face, d->sx(x), d->sy(y) + face.ascent(), line.text, style);
        } else {
            std::vector<INT> dx;
            for (size_t i = line.begin; i < line.end; ++i)
                dx.push_back(chars[i].width);
            while (dx.size() < line.text.size())
                dx.push_back(face.advance(U'.'));
            style.dx = dx.data();
            DrawRun(d, face, d->sx(x), d->sy(y) + face.ascent(), line.text, style);
            style.dx = nullptr;
        }
        y += lineHeight;
    }
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return top - rect->top + lineHeight;
    return total;
}

} // namespace win
