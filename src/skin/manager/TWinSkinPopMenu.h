// A popup menu's window in the skin: its non-client strips and, where a menu prints itself, its background
// come from the skin's MenuBackground element. The manager subclasses every popup-menu window it is allowed
// to as the window is made, and lets go of it when the window goes.
#pragma once

#include "skin/data/TSkinBitmap.h"
#include "skin/data/TSkinData.h"
#include "skin/data/WindowSubclass.h"

#include "platform/win.h"

namespace skin {

class TSkinManage;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu(TSkinManage& manager, TSkinData* skin, win::HWND hwnd, bool fromMenuBar);
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    bool Attached() const { return m_subclass.Attached(); }
    win::HWND Window() const { return m_hwnd; }
    bool FromMenuBar() const { return m_fromMenuBar; }
    void Detach() { m_subclass.Restore(); }

private:
    win::LRESULT Message(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnEraseBackground(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcPaint(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnPrint(win::WPARAM wParam, win::LPARAM lParam);
    bool HasBackground() const;
    // The background element rendered to the window's size into m_background.
    bool RenderBackground(int width, int height);

    TSkinManage& m_manager;
    TSkinData* m_skin;
    win::HWND m_hwnd;
    bool m_fromMenuBar;
    WindowSubclass m_subclass;
    TSkinBitmap m_background;
};

} // namespace skin
