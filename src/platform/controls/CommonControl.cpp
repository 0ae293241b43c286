#include "platform/controls/CommonControl.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

LRESULT CommonControl::Notify(HWND hwnd, UINT code, NMHDR* header) {
    HWND parent = GetParent(hwnd);
    if (!parent || !header)
        return 0;
    header->hwndFrom = hwnd;
    header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    header->code = code;
    return SendMessageA(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT CommonControl::Notify(HWND hwnd, UINT code) {
    NMHDR header;
    return Notify(hwnd, code, &header);
}

void CommonControl::Scroll(HWND hwnd, bool vertical, WORD code, int position) {
    if (HWND parent = GetParent(hwnd))
        SendMessageA(parent, vertical ? WM_VSCROLL : WM_HSCROLL,
                     MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(hwnd));
}

void CommonControl::Command(HWND hwnd, HWND target, WORD id, WORD code) {
    if (!target)
        target = GetParent(hwnd);
    if (target)
        SendMessageA(target, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd));
}

SIZE CommonControl::TextSize(HWND hwnd, HFONT font, const std::string& text) {
    SIZE size{};
    HDC dc = GetDC(hwnd);
    if (!dc)
        return size;
    HGDIOBJ old = SelectObject(dc, FontOf(font));
    if (text.empty()) {
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        size.cy = tm.tmHeight;
    } else {
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size;
}

int CommonControl::LineHeight(HWND hwnd, HFONT font) {
    return TextSize(hwnd, font, std::string()).cy;
}

int CommonControl::CopyText(const std::string& text, char* buffer, int capacity) {
    if (!buffer || capacity <= 0)
        return 0;
    const auto n = static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(capacity - 1)));
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

} // namespace win::controls
