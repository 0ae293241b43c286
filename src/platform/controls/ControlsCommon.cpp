#include "platform/controls/ControlsInternal.h"
#include "platform/controls/HeaderControl.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/ToolBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/core/ControlsHooks.h"

#include <string_view>
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
        Clip().backend->SetText(utf8);
    return TRUE;
}

std::string GetClipboardText() {
    std::string s;
    if (Clip().backend && Clip().backend->GetText(&s))
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
        {PROGRESS_CLASSA, ProgressBarProc, CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {TRACKBAR_CLASSA, TrackBarProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {UPDOWN_CLASSA, UpDownProc, CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {WC_TABCONTROLA, TabControlProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {STATUSCLASSNAMEA, StatusBarProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {WC_HEADERA, HeaderProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
        {TOOLBARCLASSNAMEA, ToolBarProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, 0, 0},
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

namespace controls {

namespace {
FARPROC ProcAddress(const char* name) {
    if (std::string_view(name) == "GetScrollBarInfo")
        return reinterpret_cast<FARPROC>(&GetScrollBarInfo);
    return nullptr;
}
} // namespace

void InstallSystemControls() {
    core::SystemControls hooks;
    hooks.registerClasses = &RegisterSystemClasses;
    hooks.defNonClient = &DefNonClient;
    hooks.procAddress = &ProcAddress;
    core::SetSystemControls(hooks);
}

} // namespace controls

} // namespace win
