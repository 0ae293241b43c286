// The "msctls_trackbar32" class: a thumb that slides along a channel between a minimum and a maximum,
// moved by dragging, by clicks beside the thumb (a page), and by the arrow, page, Home and End keys. Every
// move is told to the parent as WM_HSCROLL (WM_VSCROLL with TBS_VERT) carrying a TB_* code, ended by
// TB_ENDTRACK. Ticks every TBM_SETTICFREQ positions, below or right (TBS_TOP/TBS_LEFT: above or left,
// TBS_BOTH: on both sides, TBS_NOTICKS: none).
#pragma once

#include <vector>

#include "platform/controls/CommonControl.h"

namespace win::controls {

struct TrackState {
    int low = 0;
    int high = 100;
    int pos = 0;
    int line = 1;
    int page = 20;
    int tickFrequency = 1;
    bool dragging = false;
    int grabOffset = 0; // pointer minus thumb start along the channel, while dragging
    bool focused = false;
    HFONT font = nullptr;
};

// Where the parts lie in the client area.
struct TrackLayout {
    RECT channel{};
    RECT thumb{};
    bool vertical = false;
    bool ticksBefore = false; // above or left
    bool ticksAfter = false;  // below or right
    int travel = 0;           // how far the thumb's start moves from the minimum to the maximum
};

class TrackBar {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static TrackLayout Layout(HWND hwnd, const TrackState& s);

private:
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnPaint(HWND hwnd, HDC given);
    static LRESULT OnSetPos(HWND hwnd, int pos, bool redraw);
    static LRESULT OnSetRange(HWND hwnd, int low, int high, bool redraw);
    static LRESULT OnSetRangeMin(HWND hwnd, int low, bool redraw);
    static LRESULT OnSetRangeMax(HWND hwnd, int high, bool redraw);
    static LRESULT OnSetSize(HWND hwnd, int* field, int value);
    static LRESULT OnGetRect(HWND hwnd, bool thumb, LPRECT out);
    static LRESULT OnMouseDown(HWND hwnd, POINT pt);
    static LRESULT OnMouseMove(HWND hwnd, POINT pt);
    static LRESULT OnMouseUp(HWND hwnd);
    static LRESULT OnCaptureChanged(HWND hwnd);
    static LRESULT OnKeyDown(HWND hwnd, WPARAM vk);
    static LRESULT OnKeyUp(HWND hwnd, WPARAM vk);
    static LRESULT OnFocus(HWND hwnd, bool gained);
    // Moves to `pos` (clamped) and tells the parent `code`; repaints when the position changed.
    static void MoveTo(HWND hwnd, int pos, WORD code);
    static int PositionAt(HWND hwnd, const TrackState& s, int along);
    static void Draw(HWND hwnd, HDC dc);
    // Where the ticks lie along the channel, in client coordinates: the two ends, and with TBS_AUTOTICKS
    // every tick-frequency step between them while they stay 2 pixels apart. None with TBS_NOTICKS.
    static std::vector<int> TickPositions(HWND hwnd, const TrackState& s, const TrackLayout& l);
    // The ticks between the ends (-1 when the bar shows none at all), and where the one of `value` lies.
    static long long TicksBetween(HWND hwnd, const TrackState& s, const TrackLayout& l);
    static int TickAt(const TrackState& s, const TrackLayout& l, long long value);
    static LRESULT OnGetNumTics(HWND hwnd);
    static LRESULT OnGetTicPos(HWND hwnd, WPARAM index);
    static void DrawTicks(HDC dc, const std::vector<int>& ticks, const TrackLayout& l);
};

LRESULT TrackBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
