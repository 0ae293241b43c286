// The drawing the skinners share, apart from their behaviour: each function takes a device context, a
// rectangle, what to draw and the state to draw it in, and nothing else. Skin images go through the one
// element renderer of the skin engine; magenta is their transparent colour.
#pragma once

#include "skin/controls/SkinnerFrames.h"
#include "skin/data/TDataSkinObject.h"
#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"
#include "toolkit/TColor.h"

#include <string>
#include <string_view>

namespace skin {

class TDataSkinButton;

// The text colour of a push button in the Buttons element: the element's own colour for the state where it
// names one, else the control's font colour; button-shadow when disabled.
win::COLORREF PushButtonTextColour(const TDataSkinButton& element, const ControlState& state,
                                   win::COLORREF fontColour);

// Frame `frame` (from 1) of the element, sliced by its margins, its middle tiled when Tile is 1 and
// stretched otherwise; magenta stays see-through when the element's Trans is 1.
void DrawElementFrame(win::HDC dc, const win::RECT& rect, const TDataSkinObject& element, int frame);
// The same upside down: tabs drawn for the top edge of a pane, hanging from an edge above them instead.
void DrawElementFrameFlipped(win::HDC dc, const win::RECT& rect, const TDataSkinObject& element, int frame);

// Frame `frame` of an image of `frameCount` frames side by side, unscaled and centred in `rect`.
void DrawImageFrame(win::HDC dc, const win::RECT& rect, const TSkinBitmap& image, int frameCount, int frame,
                    bool transparent);

void FillSolid(win::HDC dc, const win::RECT& rect, tk::TColor colour);
// A one-pixel frame `inset` pixels inside `rect`.
void FrameSolid(win::HDC dc, const win::RECT& rect, tk::TColor colour, int inset = 0);

// What the parent window shows under `child`, into `dc` whose origin is the child's top-left corner: the
// parent erases its background into it.
void PaintParentBackground(win::HWND child, win::HDC dc);

// A caption as drawn: every "||" is a line break.
std::string CaptionLines(std::string_view caption);

// Draws a caption (its "||" as line breaks) inside `area`, centred vertically, aligned across as `format`
// says (DT_LEFT, DT_CENTER, DT_RIGHT; DT_WORDBREAK wraps it), transparently in `colour`. Returns where the
// text went, for a focus rectangle around it; an empty caption draws nothing and gives an empty rectangle.
win::RECT DrawCaption(win::HDC dc, const win::RECT& area, std::string_view caption, win::HFONT font,
                      win::COLORREF colour, win::UINT format);
// The size a caption takes, wrapped at `maxWidth` when `format` has DT_WORDBREAK.
win::SIZE MeasureCaption(win::HDC like, std::string_view caption, win::HFONT font, win::UINT format,
                         int maxWidth);

// A small downward triangle centred in `rect`, for a button with a drop-down part.
void DrawDropArrow(win::HDC dc, const win::RECT& rect, win::COLORREF colour);

} // namespace skin
