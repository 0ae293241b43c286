// The skin's own messages, in the application range: every window or control the skin has attached answers
// SkinMsgQuery with 1, which is how no part attaches twice; the others drive frames and skinners.
#pragma once

#include "platform/win.h"

namespace skin {

inline constexpr win::UINT SkinMsgRefresh = 0x3401; // a skinned toolkit form re-applies colours, menus, frame
inline constexpr win::UINT SkinMsgPaintFrame = 0x3502; // repaint the skinned frame
inline constexpr win::UINT SkinMsgFinish = 0x3503;     // posted to a new frame: complete the set-up
inline constexpr win::UINT SkinMsgEnable = 0x3506;     // wParam > 0: skin drawing on (and repaint); else off
inline constexpr win::UINT SkinMsgCaptionButton = 0x3514; // a caption button was clicked
inline constexpr win::UINT SkinMsgButtonVisible =
    0x3515;                                           // wParam code 1000-2000, lParam action: > 0 shows it
inline constexpr win::UINT SkinMsgRedrawMdi = 0x3516; // the MDI client redraws itself
inline constexpr win::UINT SkinMsgRenewScrollbar = 0x3517; // recreate the scroll-bar skinner of child wParam
inline constexpr win::UINT SkinMsgOpenMenuAt = 0x3518;     // open the menu-bar item under screen point lParam
inline constexpr win::UINT SkinMsgQuery = 0x3523;          // result 1 from anything the skin has attached

// Queries by which cooperating components detect and drive the skin; each takes lParam kCooperationKey.
inline constexpr win::UINT SkinQueryPaintInto = 0xBC4B; // paint the frame into the context in wParam
inline constexpr win::UINT SkinQueryPresent = 0xBC4D;   // answers kCooperationKey when asked with it, else 1
inline constexpr win::UINT SkinQuerySetUpDone = 0xBC4E; // a frame sends it to itself when its set-up ends
inline constexpr win::LPARAM kCooperationKey = 0x41A2;

} // namespace skin
