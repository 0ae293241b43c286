#include "platform/gdi/DialogSans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fontconfig/fontconfig.h>

namespace win::gdi {

namespace {

// Debian's and Ubuntu's fonts-wine, then WineHQ's own packages.
const char* const kKnownFiles[] = {
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
    "/opt/wine-stable/share/wine/fonts/ms_sans_serif.ttf",
    "/opt/wine-devel/share/wine/fonts/ms_sans_serif.ttf",
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

// The face's internal leading equals its descent at every size, so a strike's character height is its
// ascent.
int CharHeight(const BitmapStrike& s) {
    return s.ascent;
}

StrikeChoice Use(const BitmapStrike& s) {
    return StrikeChoice{s.index, s.ascent, s.descent, CharHeight(s)};
}

StrikeChoice Scaled(const BitmapStrike& s, int chars) {
    const double ratio = static_cast<double>(chars) / std::max(1, CharHeight(s));
    return StrikeChoice{-1, static_cast<int>(std::lround(s.ascent * ratio)),
                        static_cast<int>(std::lround(s.descent * ratio)), chars};
}

} // namespace

bool IsDialogSansFamily(std::string_view family) {
    return EqualsIgnoringCase(family, "ms sans serif") || EqualsIgnoringCase(family, "ms shell dlg");
}

std::vector<std::string> DialogSansCandidates() {
    std::vector<std::string> files;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("MS Sans Serif"));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_FONTFORMAT, nullptr);
    if (FcFontSet* set = FcFontList(nullptr, pattern, objects)) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* file = nullptr;
            FcChar8* format = nullptr;
            // A Windows .fon's character map is its code page, not Unicode.
            if (FcPatternGetString(set->fonts[i], FC_FONTFORMAT, 0, &format) == FcResultMatch &&
                std::string_view(reinterpret_cast<const char*>(format)) == "Windows FNT")
                continue;
            if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch && file)
                files.emplace_back(reinterpret_cast<const char*>(file));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    for (const char* known : kKnownFiles)
        if (std::find(files.begin(), files.end(), known) == files.end())
            files.emplace_back(known);
    return files;
}

StrikeChoice ChooseStrike(const std::vector<BitmapStrike>& strikes, long long lfHeight) {
    if (strikes.empty())
        return {};
    if (lfHeight == 0)
        return Use(strikes.front());
    // A request is matched on the character height or, when positive, on the cell height.
    const bool byCell = lfHeight > 0;
    const int wanted = static_cast<int>(std::min<long long>(byCell ? lfHeight : -lfHeight, 512));
    auto size = [&](const BitmapStrike& s) { return byCell ? s.ascent + s.descent : CharHeight(s); };
    const BitmapStrike* nearest = &strikes.front();
    for (const BitmapStrike& s : strikes)
        if (std::abs(size(s) - wanted) < std::abs(size(*nearest) - wanted))
            nearest = &s;
    if (size(*nearest) == wanted)
        return Use(*nearest);
    for (const BitmapStrike& s : strikes)
        if (size(s) == wanted - 1)
            return Use(s);
    const int chars = byCell
                          ? static_cast<int>(std::lround(static_cast<double>(wanted) * CharHeight(*nearest) /
                                                         std::max(1, size(*nearest))))
                          : wanted;
    return Scaled(*nearest, std::clamp(chars, 1, 512));
}

} // namespace win::gdi
