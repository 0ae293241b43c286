// The toolkit's message record and its own notifications. Controls send each other these numbers through
// Perform, and the skin engine listens for some of them, so the values are fixed.
#pragma once

#include "platform/win.h"

namespace tk {

struct TMessage {
    win::UINT Msg = 0;
    win::WPARAM WParam = 0;
    win::LPARAM LParam = 0;
    win::LRESULT Result = 0;
};

// Notifications between toolkit controls (0xB000 + n).
constexpr win::UINT CM_BASE = 0xB000;
constexpr win::UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr win::UINT CM_DEACTIVATE = CM_BASE + 0x01;
constexpr win::UINT CM_GOTFOCUS = CM_BASE + 0x02;
constexpr win::UINT CM_LOSTFOCUS = CM_BASE + 0x03;
constexpr win::UINT CM_CANCELMODE = CM_BASE + 0x04;
constexpr win::UINT CM_DIALOGKEY = CM_BASE + 0x05;
constexpr win::UINT CM_DIALOGCHAR = CM_BASE + 0x06;
constexpr win::UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr win::UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
constexpr win::UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
constexpr win::UINT CM_HITTEST = CM_BASE + 0x0A;
constexpr win::UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
constexpr win::UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr win::UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr win::UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr win::UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr win::UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr win::UINT CM_MOUSEENTER = CM_BASE + 0x13;
constexpr win::UINT CM_MOUSELEAVE = CM_BASE + 0x14;
constexpr win::UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr win::UINT CM_BUTTONPRESSED = CM_BASE + 0x18;
constexpr win::UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;
constexpr win::UINT CM_ENTER = CM_BASE + 0x1A;
constexpr win::UINT CM_EXIT = CM_BASE + 0x1B;
constexpr win::UINT CM_ICONCHANGED = CM_BASE + 0x1D;
constexpr win::UINT CM_WANTSPECIALKEY = CM_BASE + 0x1E;
constexpr win::UINT CM_RELEASE = CM_BASE + 0x21;
constexpr win::UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
constexpr win::UINT CM_TABSTOPCHANGED = CM_BASE + 0x28;
constexpr win::UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x2C;
constexpr win::UINT CM_CHILDKEY = CM_BASE + 0x2E;
constexpr win::UINT CM_HINTSHOW = CM_BASE + 0x30;
constexpr win::UINT CM_RECREATEWND = CM_BASE + 0x33;
constexpr win::UINT CM_INVALIDATE = CM_BASE + 0x34;
constexpr win::UINT CM_CONTROLCHANGE = CM_BASE + 0x36;

// Notifications a parent reflects back to the native child they came from (0xBC00 + the original message).
constexpr win::UINT CN_BASE = 0xBC00;
constexpr win::UINT CN_COMMAND = CN_BASE + win::WM_COMMAND;
constexpr win::UINT CN_NOTIFY = CN_BASE + win::WM_NOTIFY;
constexpr win::UINT CN_KEYDOWN = CN_BASE + win::WM_KEYDOWN;
constexpr win::UINT CN_CHAR = CN_BASE + win::WM_CHAR;
constexpr win::UINT CN_CTLCOLOREDIT = CN_BASE + win::WM_CTLCOLOREDIT;
constexpr win::UINT CN_CTLCOLORBTN = CN_BASE + win::WM_CTLCOLORBTN;
constexpr win::UINT CN_CTLCOLORSTATIC = CN_BASE + win::WM_CTLCOLORSTATIC;

} // namespace tk
