// MessageBox: a "#32770" dialog sized to its text, with an icon static, a text static and push buttons,
// centred over its owner and run modally.
#include "platform/controls/Dialog.h"

#include <algorithm>
#include <vector>

namespace win {

using namespace controls;

namespace {

struct BoxButton {
    int id;
    const char* text;
};

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_3DLOOK = 0x04;
constexpr DWORD DS_SETFONT = 0x40;

std::vector<BoxButton> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OK: return {{IDOK, "确定"}};
    case MB_OKCANCEL: return {{IDOK, "确定"}, {IDCANCEL, "取消"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "中止(&A)"}, {IDRETRY, "重试(&R)"}, {IDIGNORE, "忽略(&I)"}};
    case MB_YESNOCANCEL: return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}, {IDCANCEL, "取消"}};
    case MB_YESNO: return {{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "重试(&R)"}, {IDCANCEL, "取消"}};
    default: return {};
    }
}

LPCSTR IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
    }
}

HFONT MessageFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA ncm;
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
            if (HFONT f = CreateFontIndirectA(&ncm.lfMessageFont))
                return f;
        return DefaultGuiFont();
    }();
    return font;
}

SIZE Measure(const std::string& s, UINT flags, int maxWidth) {
    HDC dc = GetDC(nullptr);
    SIZE out{0, 0};
    if (!dc)
        return out;
    HGDIOBJ old = SelectObject(dc, MessageFont());
    RECT r{0, 0, maxWidth, 0};
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &r, flags | DT_CALCRECT);
    out = SIZE{std::min<LONG>(r.right - r.left, maxWidth), r.bottom - r.top};
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return out;
}

HWND Child(HWND box, LPCSTR cls, LPCSTR text, DWORD style, const RECT& r, int id) {
    HWND w = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             nullptr, nullptr);
    if (w)
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
    return w;
}

// Where everything goes, in client coordinates: icon and text side by side, the buttons centred below; the
// box centred on its owner (or the screen) and kept on the screen.
struct BoxLayout {
    DWORD style = 0, exStyle = 0;
    RECT window{}; // screen coordinates
    RECT icon{}, text{};
    int buttonWidth = 0, buttonsLeft = 0, buttonsTop = 0;
};

BoxLayout LayoutBox(HWND owner, const std::string& body, const std::string& title,
                    const std::vector<BoxButton>& buttons, bool hasIcon, UINT type) {
    BoxLayout l;
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    const int maxText = std::max(200, screenW * 5 / 8 - 2 * kMargin - (hasIcon ? kIconSize + kMargin : 0));
    const UINT textFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
    SIZE t = Measure(body, textFlags, maxText);
    t.cx = std::max<LONG>(t.cx, 1);
    t.cy = std::max<LONG>(t.cy, Measure("Ag", DT_SINGLELINE, 100).cy);
    int bw = kButtonWidth;
    for (const BoxButton& b : buttons)
        bw = std::max<int>(bw, Measure(b.text, DT_SINGLELINE, screenW).cx + 16);
    const int buttonsWidth =
        static_cast<int>(buttons.size()) * bw + (static_cast<int>(buttons.size()) - 1) * kButtonGap;
    const int textLeft = kMargin + (hasIcon ? kIconSize + kMargin : 0);
    const int topHeight = std::max<int>(t.cy, hasIcon ? kIconSize : 0);
    const int textTop = kMargin + (topHeight - t.cy) / 2;
    const int captionWidth = Measure(title, DT_SINGLELINE | DT_NOPREFIX, screenW).cx + 64;
    const int clientW =
        std::max({textLeft + static_cast<int>(t.cx) + kMargin, buttonsWidth + 2 * kMargin, captionWidth});
    const int buttonsTop = kMargin + topHeight + kMargin + 4;
    const int clientH = buttonsTop + kButtonHeight + kMargin;
    l.icon = RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
    l.text = RECT{textLeft, textTop, textLeft + static_cast<int>(t.cx), textTop + static_cast<int>(t.cy)};
    l.buttonWidth = bw;
    l.buttonsLeft = (clientW - buttonsWidth) / 2;
    l.buttonsTop = buttonsTop;

    l.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT;
    l.exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | ((type & MB_SYSTEMMODAL) ? WS_EX_TOPMOST : 0);
    RECT frame{0, 0, clientW, clientH};
    AdjustWindowRectEx(&frame, l.style, FALSE, l.exStyle);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT around{0, 0, screenW, screenH};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);
    const int x =
        std::clamp<int>(around.left + ((around.right - around.left) - w) / 2, 0, std::max(0, screenW - w));
    const int y =
        std::clamp<int>(around.top + ((around.bottom - around.top) - h) / 2, 0, std::max(0, screenH - h));
    l.window = RECT{x, y, x + w, y + h};
    return l;
}

void AddBoxChildren(HWND box, const BoxLayout& l, const std::string& body, HICON icon,
                    const std::vector<BoxButton>& buttons, UINT type) {
    if (icon) {
        HWND s = Child(box, "static", nullptr, SS_ICON, l.icon, IDC_MSGBOX_ICON);
        if (s)
            SendMessageA(s, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    Child(box, "static", body.c_str(), SS_LEFT | SS_NOPREFIX | WS_GROUP, l.text, IDC_MSGBOX_TEXT);
    const size_t defIndex = std::min<size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
    int bx = l.buttonsLeft;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const DWORD bs =
            (i == defIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        Child(box, "button", buttons[i].text, bs,
              RECT{bx, l.buttonsTop, bx + l.buttonWidth, l.buttonsTop + kButtonHeight}, buttons[i].id);
        bx += l.buttonWidth + kButtonGap;
    }
    SendMessageA(box, DM_SETDEFID, static_cast<WPARAM>(buttons[defIndex].id), 0);
}

// A box that cannot be cancelled has no working close box (a lone OK button closes it as well).
void DisableCloseWithoutCancel(HWND box, const std::vector<BoxButton>& buttons, UINT type) {
    const bool hasCancel =
        std::any_of(buttons.begin(), buttons.end(), [](const BoxButton& b) { return b.id == IDCANCEL; });
    if (!hasCancel && (type & MB_TYPEMASK) != MB_OK)
        if (HMENU sys = GetSystemMenu(box, FALSE))
            EnableMenuItem(sys, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

} // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RegisterSystemClasses();
    const std::vector<BoxButton> buttons = ButtonsFor(type);
    if (buttons.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (owner && !IsWindow(owner))
        owner = nullptr;
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    const std::string body = text ? text : "";
    const std::string title = caption ? caption : "错误";
    const LPCSTR iconId = IconFor(type);
    HICON icon = iconId ? LoadSystemIcon(iconId) : nullptr;

    const BoxLayout l = LayoutBox(owner, body, title, buttons, icon != nullptr, type);
    HWND box = CreateWindowExA(l.exStyle, "#32770", title.c_str(), l.style, l.window.left, l.window.top,
                               l.window.right - l.window.left, l.window.bottom - l.window.top, owner, nullptr,
                               nullptr, nullptr);
    if (!box)
        return 0;
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
    if (DialogState* st = Dialog::StateOf(box)) {
        st->messageBox = true;
        st->boxType = type;
    }
    AddBoxChildren(box, l, body, icon, buttons, type);
    DisableCloseWithoutCancel(box, buttons, type);
    MessageBeep(type & MB_ICONMASK);
    const INT_PTR result = RunDialogLoop(box);
    if (IsWindow(box))
        DestroyWindow(box);
    return result > 0 ? static_cast<int>(result) : 0;
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return MessageBoxA(owner, text, caption, type);
}

} // namespace win
