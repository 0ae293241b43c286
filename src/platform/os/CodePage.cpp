#include "platform/os/CodePage.h"

#include "platform/os/Bytes.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace win {

namespace {

std::string IconvName(UINT codePage) {
    if (codePage == CP_ACP || codePage == CP_UTF8)
        return "UTF-8";
    return "CP" + std::to_string(codePage);
}

bool Convert(const std::string& from, const std::string& to, std::string_view in, std::string& out) {
    out.clear();
    if (in.empty())
        return true;
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string result(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t done = 0;
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = result.data() + done;
        size_t dstLeft = result.size() - done;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = result.size() - dstLeft;
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                result.resize(result.size() * 2);
                continue;
            }
            ok = false; // EILSEQ or EINVAL: an undefined or cut-off sequence
            break;
        }
        if (r != 0) {
            ok = false; // iconv substituted a character it could not map
            break;
        }
    }
    iconv_close(cd);
    if (!ok)
        return false;
    result.resize(done);
    out = std::move(result);
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one scalar value at `i`; returns false on any ill-formed sequence.
bool NextScalar(std::string_view s, size_t& i, char32_t& c) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra;
    char32_t min;
    if (b < 0x80) {
        c = b;
        ++i;
        return true;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3, c = b & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (i + extra >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    i += extra + 1;
    return true;
}

} // namespace

bool IsCodePageSupported(UINT codePage) {
    if (codePage == CP_ACP || codePage == CP_UTF8)
        return true;
    iconv_t cd = iconv_open("UTF-8", IconvName(codePage).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(cd);
    return true;
}

bool CodePageToUtf8(UINT codePage, std::string_view bytes, std::string& out) {
    if (codePage == CP_ACP || codePage == CP_UTF8) {
        out.clear();
        if (!IsValidUtf8(bytes))
            return false;
        out.assign(bytes);
        return true;
    }
    return Convert(IconvName(codePage), "UTF-8", bytes, out);
}

bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& out) {
    if (!IsValidUtf8(utf8)) {
        out.clear();
        return false;
    }
    if (codePage == CP_ACP || codePage == CP_UTF8) {
        out.assign(utf8);
        return true;
    }
    return Convert("UTF-8", IconvName(codePage), utf8, out);
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() * 3);
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] =
            static_cast<char16_t>(ReadLe16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2 * i));
    return Utf16ToUtf8(units);
}

bool Utf8ToUtf16(std::string_view utf8, std::u16string& out) {
    out.clear();
    std::u16string result;
    result.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        if (!NextScalar(utf8, i, c))
            return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (c >> 10));
            result += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            result += static_cast<char16_t>(c);
        }
    }
    out = std::move(result);
    return true;
}

bool Utf8ToUtf16Le(std::string_view utf8, std::string& out) {
    out.clear();
    std::u16string units;
    if (!Utf8ToUtf16(utf8, units))
        return false;
    out.resize(units.size() * 2);
    for (size_t i = 0; i < units.size(); ++i) {
        out[2 * i] = static_cast<char>(units[i] & 0xFF);
        out[2 * i + 1] = static_cast<char>(units[i] >> 8);
    }
    return true;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    char32_t c;
    while (i < text.size())
        if (!NextScalar(text, i, c))
            return false;
    return true;
}

std::u32string Utf8ToUtf32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (!len || i + static_cast<size_t>(len) > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t v = len == 1 ? c : c & (0xFF >> (len + 1));
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            auto d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            ok &= (d & 0xC0) == 0x80;
            v = (v << 6) | (d & 0x3F);
        }
        out.push_back(ok && v <= 0x10FFFF ? v : 0xFFFD);
        i += ok ? static_cast<size_t>(len) : 1;
    }
    return out;
}

std::string Utf32ToUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace win
