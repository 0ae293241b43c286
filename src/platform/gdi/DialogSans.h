// "MS Sans Serif", the dialog face the layouts were designed with, is a bitmap font: at 8 pt a 13-pixel
// cell, digits 6 pixels wide, blank and '-' 3. Any other Latin face makes every self-sizing label and every
// line of dashes a different width, so a bitmap face with the same strikes is drawn where one is installed;
// characters it lacks come from the CJK face, and the cell stays the bitmap face's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win::gdi {

struct BitmapStrike {
    int index = 0; // the face's strike number
    int ascent = 0;
    int descent = 0;
};

struct StrikeChoice {
    int index = -1; // the strike to draw with, or -1 when none has the size (the cell is then scaled)
    int ascent = 0;
    int descent = 0;
    int charHeight = 0; // the cell less its internal leading: what a negative LOGFONT height asks for
};

bool IsDialogSansFamily(std::string_view family);

// Files that may hold the face, most specific first: what fontconfig lists under the family, then where
// distributions install it. The caller keeps the first that opens as a Unicode-mapped face with strikes.
std::vector<std::string> DialogSansCandidates();

// The strike and cell for a LOGFONT height from a face's strikes (ascending). A negative height is the
// character height, a positive one the cell height, zero the smallest size. A strike serves a request up to
// a pixel larger than itself, as a bitmap font's nearest smaller size does; farther off, the cell of the
// nearest strike is scaled and no strike is drawn. Empty strikes give index -1 and an empty cell.
StrikeChoice ChooseStrike(const std::vector<BitmapStrike>& strikes, long long lfHeight);

} // namespace win::gdi
