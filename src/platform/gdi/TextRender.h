// Glyph runs on a DC, shared by TextOut, ExtTextOut and DrawText.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontFace.h"

#include <string_view>
#include <vector>

namespace win::gdi {

// The face of the DC's selected font (resolved on first use; never null).
FontFace& CurrentFace(DeviceContext* dc);

// Width in pixels of a UTF-8 run.
int MeasureRun(FontFace& face, std::string_view text);

struct RunStyle {
    std::uint32_t color = 0;
    bool underline = false;
    bool strikeOut = false;
    const pixman_box32_t* clip = nullptr;            // extra clip in surface coordinates
    const std::vector<size_t>* underlined = nullptr; // byte offsets of single characters to underline
    const INT* dx = nullptr;                         // per-character advances
};

// Draws a run with its pen at (x, baseline) in surface coordinates; returns the advance.
int DrawRun(DeviceContext* dc, FontFace& face, int x, int baseline, std::string_view text,
            const RunStyle& style);

} // namespace win::gdi
