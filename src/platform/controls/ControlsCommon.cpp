#include "platform/controls/ControlsInternal.h"

#include <vector>

namespace win::controls {

void NotifyParent(HWND hwnd, WORD code) {
    HWND parent = GetParent(hwnd);
    if (!parent || !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(hwnd)), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

HBRUSH ControlBrush(HWND hwnd, HDC dc, UINT ctlColorMsg) {
    HWND parent = GetParent(hwnd);
    LRESULT r = 0;
    if (parent && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        r = SendMessageA(parent, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
    if (!r)
        r = DefWindowProcA(hwnd, ctlColorMsg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
    auto brush = reinterpret_cast<HBRUSH>(r);
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

HFONT DefaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    if (n <= 0)
        return {};
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    int got = GetWindowTextA(hwnd, buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data(), static_cast<size_t>(std::max(0, got)));
}

std::u32string Utf8ToU32(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (!len || i + static_cast<size_t>(len) > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t v = len == 1 ? c : c & (0xFF >> (len + 1));
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            auto d = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            ok &= (d & 0xC0) == 0x80;
            v = (v << 6) | (d & 0x3F);
        }
        out.push_back(ok && v <= 0x10FFFF ? v : 0xFFFD);
        i += ok ? static_cast<size_t>(len) : 1;
    }
    return out;
}

std::string U32ToUtf8(const std::u32string& s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool PointInWindow(HWND hwnd, POINT screen) {
    RECT r;
    if (!GetWindowRect(hwnd, &r))
        return false;
    return screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom;
}

RECT ClientRectOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r;
}

} // namespace win::controls

namespace win {

namespace {

class LocalClipboard {
public:
    std::string text;
    ClipboardBackend* backend = nullptr;
};

LocalClipboard& Clip() {
    static LocalClipboard c;
    return c;
}

} // namespace

void SetClipboardBackend(ClipboardBackend* backend) {
    Clip().backend = backend;
}

BOOL SetClipboardText(const std::string& utf8) {
    Clip().text = utf8;
    if (Clip().backend)
        Clip().backend->setText(utf8);
    return TRUE;
}

std::string GetClipboardText() {
    std::string s;
    if (Clip().backend && Clip().backend->getText(&s))
        return s;
    return Clip().text;
}

void RegisterSystemClasses() {
    struct Entry {
        const char* name;
        WNDPROC proc;
        UINT style;
        LPCSTR cursor;
        int background;
        int extra;
    };
    using namespace controls;
    const Entry entries[] = {
        {"button", ButtonProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 0, 0},
        {"static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 0, 0},
        {"edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM, 0, 0},
        {"scrollbar", ScrollBarProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 0, 0},
        {"listbox", ListBoxProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 0, 0},
        {"ComboLBox", ListBoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, 0, 0},
        {"combobox", ComboBoxProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, 0, 0},
        {"#32770", DefDlgProcA, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, COLOR_BTNFACE + 1, DLGWINDOWEXTRA},
        {"#32768", PopupMenuProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, COLOR_MENU + 1, 0},
    };
    for (const Entry& e : entries) {
        WNDCLASSEXA wc;
        if (GetClassInfoExA(nullptr, e.name, &wc) && wc.lpfnWndProc == e.proc)
            continue;
        wc = WNDCLASSEXA{};
        wc.style = e.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = e.proc;
        wc.cbWndExtra = e.extra;
        wc.hCursor = LoadCursorA(nullptr, e.cursor);
        wc.hbrBackground =
            e.background ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(e.background)) : nullptr;
        wc.lpszClassName = e.name;
        RegisterClassExA(&wc);
    }
}

} // namespace win
