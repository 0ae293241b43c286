// Services the skin painters share that wrap what an older system may lack: GetScrollBarInfo and
// TrackMouseEvent are looked up in user32 by name once, and each service falls back quietly when the lookup
// found nothing. Text on this platform is UTF-8 in both the narrow and the wide calls, so the wide text of
// ToWide is the same bytes.
#pragma once

#include "platform/win.h"

#include <string>

namespace skin {

class WinSkinData {
public:
    using GetScrollBarInfoProc = win::BOOL (*)(win::HWND, win::LONG, win::SCROLLBARINFO*);
    using TrackMouseEventProc = win::BOOL (*)(win::LPTRACKMOUSEEVENT);

    // The entry points found in user32 (null when missing), looked up on first use.
    static GetScrollBarInfoProc ScrollBarInfoEntry();
    static TrackMouseEventProc TrackMouseEventEntry();
    // Looks the entry points up again: for tests that withdraw an export to play an older system.
    static void ResolveEntries();

    // GetScrollBarInfo where the system has it; false otherwise.
    static bool SkinGetScrollBarInfo(win::HWND hwnd, win::LONG idObject, win::SCROLLBARINFO* info);
    // Asks for WM_MOUSELEAVE on `hwnd` where the system can send it; nothing otherwise.
    static void TrackMouseLeave(win::HWND hwnd);
    static std::string ToWide(const std::string& ansi) { return ansi; }
    // Draws through the wide call on an NT system, through the narrow one otherwise.
    static int DrawTextAuto(win::HDC dc, const std::string& text, win::RECT* rect, win::UINT format);
};

} // namespace skin
