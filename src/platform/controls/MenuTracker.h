// The menu loop: popup menu windows ("#32768", one per open level), mouse and keyboard navigation,
// WM_INITMENUPOPUP / WM_MENUSELECT / owner drawing, every message offered to WH_MSGFILTER with MSGF_MENU.
// It serves TrackPopupMenu, the menu bar and the system menu.
#pragma once

#include "platform/controls/MenuPainter.h"

#include <vector>

namespace win::controls {

struct PopupWindowState {
    HMENU menu = nullptr;
    HWND owner = nullptr;
    PopupLayout layout;
    int selected = -1;
};

class PopupMenuWindow {
public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static PopupWindowState* StateOf(HWND hwnd);
    // Creates (hidden) the window of one menu level, sized to its items.
    static HWND Create(HMENU menu, HWND owner);
    static int ItemAt(HWND hwnd, POINT screen);
    static void Select(HWND hwnd, int index);

private:
    static LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
    static LRESULT OnGetMenu(HWND hwnd);
    static LRESULT OnPaint(HWND hwnd, HDC given);
};

class MenuTracker {
public:
    MenuTracker(HWND owner, UINT flags, bool system);
    // A popup menu at a screen point; the chosen command, 0 for none.
    UINT RunPopup(HMENU menu, int x, int y);
    // The menu bar of `hwnd`, starting at bar item `index` (by keyboard: its first item selected).
    UINT RunBar(HWND hwnd, int index, bool keyboard);
    static MenuTracker* Active();
    void Cancel();

private:
    struct Level {
        HMENU menu;
        HWND window;
    };

    bool OpenLevel(HMENU menu, POINT at, const RECT* avoid, int indexInParent);
    void CloseLevelsFrom(size_t first);
    void SelectItem(size_t level, int index);
    bool OpenSubmenu(size_t level, bool selectFirst);
    void MoveSelection(int step);
    void Activate(size_t level, int index);
    void SwitchBar(int index, bool keyboard);
    bool HitLevel(POINT screen, size_t* level, int* item) const;
    int HitBar(POINT screen) const;
    bool HandleMouse(const MSG& m);
    bool HandleKey(UINT vk);
    void HandleChar(char32_t ch);
    UINT Loop();
    void Finish();

    HWND m_owner;
    UINT m_flags;
    bool m_system;
    std::vector<Level> m_levels;
    bool m_done = false;
    UINT m_command = 0;
    HWND m_barWindow = nullptr;
    HMENU m_bar = nullptr;
    int m_barIndex = -1;
    MenuTracker* m_previous = nullptr;
};

// Shows the system menu of `hwnd` at a screen point and carries out the choice (WM_SYSCOMMAND).
void TrackSystemMenu(HWND hwnd, POINT screen);
// Brings the greyed states of the system menu in line with the window's state.
void UpdateSystemMenu(HWND hwnd, HMENU menu);
void DropSystemMenu(HWND hwnd);

} // namespace win::controls
