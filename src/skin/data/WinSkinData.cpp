#include "skin/data/WinSkinData.h"

namespace skin {

namespace {

struct Entries {
    WinSkinData::GetScrollBarInfoProc scrollBarInfo = nullptr;
    WinSkinData::TrackMouseEventProc trackMouseEvent = nullptr;
    bool resolved = false;
};

Entries& Slot() {
    static Entries entries;
    return entries;
}

bool IsNt() {
    return (win::GetVersion() & 0x80000000u) == 0;
}

} // namespace

void WinSkinData::ResolveEntries() {
    Entries& e = Slot();
    e = Entries{};
    if (win::HMODULE user32 = win::LoadLibraryA("user32.dll")) {
        e.scrollBarInfo =
            reinterpret_cast<GetScrollBarInfoProc>(win::GetProcAddress(user32, "GetScrollBarInfo"));
        e.trackMouseEvent =
            reinterpret_cast<TrackMouseEventProc>(win::GetProcAddress(user32, "TrackMouseEvent"));
        win::FreeLibrary(user32);
    }
    e.resolved = true;
}

WinSkinData::GetScrollBarInfoProc WinSkinData::ScrollBarInfoEntry() {
    if (!Slot().resolved)
        ResolveEntries();
    return Slot().scrollBarInfo;
}

WinSkinData::TrackMouseEventProc WinSkinData::TrackMouseEventEntry() {
    if (!Slot().resolved)
        ResolveEntries();
    return Slot().trackMouseEvent;
}

bool WinSkinData::SkinGetScrollBarInfo(win::HWND hwnd, win::LONG idObject, win::SCROLLBARINFO* info) {
    const GetScrollBarInfoProc entry = ScrollBarInfoEntry();
    return entry && entry(hwnd, idObject, info);
}

void WinSkinData::TrackMouseLeave(win::HWND hwnd) {
    const TrackMouseEventProc entry = TrackMouseEventEntry();
    if (!entry)
        return;
    win::TRACKMOUSEEVENT tme{};
    tme.cbSize = 16;
    tme.dwFlags = win::TME_LEAVE;
    tme.hwndTrack = hwnd;
    entry(&tme);
}

int WinSkinData::DrawTextAuto(win::HDC dc, const std::string& text, win::RECT* rect, win::UINT format) {
    if (IsNt())
        return win::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), rect, format);
    return win::DrawTextA(dc, text.c_str(), -1, rect, format);
}

} // namespace skin
