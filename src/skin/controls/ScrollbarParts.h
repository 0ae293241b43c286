// The arithmetic of a skinned scroll bar, apart from any window: which part lies under a point along the
// bar, where a stand-alone bar's thumb stands, and how far a dragged thumb may go. The part numbers are the
// scroll codes the system sends for them, so an overlay can show the part the system is working on.
#pragma once

namespace skin {

enum ScrollbarPart {
    sbpNone = -1,
    sbpFirstArrow = 0,  // SB_LINEUP
    sbpSecondArrow = 1, // SB_LINEDOWN
    sbpTrackBefore = 2, // SB_PAGEUP
    sbpTrackAfter = 3,  // SB_PAGEDOWN
    sbpThumb = 5,       // SB_THUMBTRACK
};

// Offsets along the bar from its start, in pixels.
struct ThumbSpan {
    int start = 0;
    int end = 0;
    int Length() const { return end - start; }
};

// The part at offset `at` of a bar `length` long with arrows `arrow` long.
int PartAt(int at, int arrow, const ThumbSpan& thumb, int length);

// Where a dragged thumb stands: moved with the pointer from where it was taken, but never over an arrow.
ThumbSpan DraggedThumb(const ThumbSpan& atPress, int moved, int arrow, int length);

// What a stand-alone bar reports about itself.
struct StandaloneRange {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
};

// The thumb of a stand-alone bar. A native bar's thumb is at least 8 pixels long and an empty range counts
// as a very large one (so the thumb stays at the start); a toolkit bar's thumb is an arrow long without a
// page size.
ThumbSpan StandaloneThumb(const StandaloneRange& range, int arrow, int length, bool native);

} // namespace skin
