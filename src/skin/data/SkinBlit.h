// Pixel-level drawing between skin bitmaps: an element frame sliced by its margins (corners unscaled, edges
// and middle stretched or tiled) and magenta-keyed transparency. Used where the data model composes images of
// its own; everything is clipped to both bitmaps.
#pragma once

#include "skin/data/TDataSkinObject.h"
#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"

namespace skin {

constexpr std::uint32_t kMagentaPixel = 0xFF00FF;

// Copies `src` part `from` into `dest` part `to`, stretching by nearest pixel or tiling; magenta source
// pixels are skipped when `transparent`.
void BlitPart(TSkinBitmap& dest, const win::RECT& to, const TSkinBitmap& src, const win::RECT& from,
              bool tile, bool transparent);

// Frame `frame` (1-based; frames side by side) of `element` into `to`, sliced by the element's margins; the
// middle is tiled when Tile is 1.
void DrawElementFrame(TSkinBitmap& dest, const win::RECT& to, const TDataSkinObject& element, int frame,
                      bool transparent);

// Frame `frame` of `element`, unscaled and centred in `area`.
void DrawGlyphCentred(TSkinBitmap& dest, const win::RECT& area, const TDataSkinObject& element, int frame,
                      bool transparent);

void FillPart(TSkinBitmap& dest, const win::RECT& part, std::uint32_t pixel);

} // namespace skin
