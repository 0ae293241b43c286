// The skinned menu bar of a framed window: one button per first-level item of the window's menu, laid out in
// the bar's rectangle, drawn over a background rendered once from the skin's MenuBar element, and opened as
// the item's drop-down at its bottom corner. While a drop-down is open a menu-loop hook lets the arrow keys
// and the mouse move along the bar, which the frame sees as a press on the next button.
//
// The frame owns it: it builds it when it takes the window's menu away (SetMenu(nullptr)), lays it out and
// paints it with the rest of the frame, and hands it the bar's mouse and keyboard events.
//
// TWinSkinMenu.cpp: building, layout, drawing, hover and press; TWinSkinMenuLoop.cpp: opening, the menu-loop
// hook, accelerators and the drop-downs' owner-drawn items.
#pragma once

#include "skin/data/TDataSkinObject.h"
#include "skin/data/TSkinBitmap.h"

#include "platform/win.h"
#include "toolkit/TComponent.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {
class TCustomForm;
class TMainMenu;
class TMenuItem;
} // namespace tk

namespace skin {

class TSkinData;

// One first-level item of the bar.
struct TMenuBtn {
    enum State { bsNormal = 1, bsPressed = 2, bsHot = 3 };

    int index = 0;
    std::string caption; // with its '&' accelerator mark
    bool enabled = true;
    bool visible = true;
    win::HMENU popup = nullptr; // the item's drop-down, or none
    win::UINT command = 0;
    const TDataSkinObject* element = nullptr; // the skin's MenuBar, or none
    tk::TMenuItem* item = nullptr;            // the toolkit item, on a toolkit form
    win::RECT rect{};                         // window coordinates; empty when invisible
    int state = bsNormal;
};

class TWinSkinMenu : public tk::TComponent {
    TK_CLASS(TWinSkinMenu, tk::TComponent)
public:
    explicit TWinSkinMenu(tk::TComponent* owner);
    ~TWinSkinMenu() override;

    // The buttons from `menu`, the native bar taken from `hwnd`; on a toolkit form with a main menu, from its
    // items (invisible ones included, which the native bar leaves out). Built again whenever the menu
    // changed; the layout must follow.
    void Build(TSkinData* skin, win::HWND hwnd, win::HMENU menu, tk::TCustomForm* form = nullptr);
    // The native menu that was built from, for giving back to the window.
    win::HMENU NativeMenu() const { return m_menu; }
    win::HWND Window() const { return m_hwnd; }
    // The bar's height in the frame.
    static int Height();

    // Places the buttons in `bar` (window coordinates) and renders the bar's background for that size.
    void Layout(const win::RECT& bar, bool rightToLeft);
    const win::RECT& BarRect() const { return m_bar; }
    const std::vector<TMenuBtn>& Buttons() const { return m_buttons; }

    // The whole bar into `dc` (a window context) at the bar's rectangle; one button over its background.
    void Paint(win::HDC dc);
    void PaintButton(win::HDC dc, int index);

    // The visible button under a point in window coordinates, or -1.
    int ButtonAt(win::POINT windowPoint) const;
    // Mouse states, each redrawn at once in the window; Hover and Press leave any other hot button.
    void Hover(int index);
    void Press(int index);
    void Leave();
    int HotIndex() const { return m_hot; }

    // Runs the button: posts its command, then shows its drop-down (when it has one and is enabled) until it
    // closes. Returns at once for an index that is not a visible button.
    void Open(int index);
    // The button whose caption has `ch` as its accelerator (any case), or the first visible one for 0;
    // false when there is none.
    bool OpenByAccelerator(char32_t ch);
    // The button under a screen point (the frame's SkinMsgOpenMenuAt).
    bool OpenAt(win::POINT screenPoint);
    // A drop-down of the bar is open (cleared by Alt and by the closing WM_MENUSELECT).
    bool MenuOpen() const { return m_menuOpen; }
    // The frame passes on the WM_MENUSELECT its window receives while a drop-down is open.
    void MenuSelect(win::WPARAM wParam, win::LPARAM lParam);
    // The toolkit item last selected in a drop-down, or none.
    tk::TMenuItem* SelectedItem() const { return m_selectedItem; }

    // The drop-downs' owner-drawn items as the window receives them; false when the item is not one of the
    // bar's.
    bool MeasureItem(win::MEASUREITEMSTRUCT* measure);
    bool DrawItem(const win::DRAWITEMSTRUCT* draw);

    // Whether the menu-loop hook is installed (only while a drop-down is tracked).
    static bool Tracking();
    // Told when tracking a drop-down starts and ends (the manager keeps its MenuBarTracking flag by it).
    static inline void (*TrackingChanged)(bool tracking) = nullptr;

private:
    void AddNativeButtons();
    void AddFormButtons();
    void RenderBackground();
    void SetState(int index, int state);
    void Redraw(int index);
    bool Valid(int index) const;
    int Step(int from, int direction) const;
    // Posts the press that closes the open drop-down and opens button `index` instead.
    void SwitchTo(int index);
    bool BelongsToBar(win::HMENU menu) const;
    void MakeOwnerDrawn(win::HMENU menu);
    void RestoreItemTypes();
    tk::TMenuItem* StandIn(win::HMENU menu, win::UINT position);
    static win::LRESULT CALLBACK LoopHook(int code, win::WPARAM wParam, win::LPARAM lParam);
    bool OnLoopMessage(const win::MSG& msg);

    struct SavedType {
        win::HMENU menu;
        win::UINT position;
        win::UINT type;
    };

    TSkinData* m_skin = nullptr;
    win::HWND m_hwnd = nullptr;
    win::HMENU m_menu = nullptr;
    tk::TCustomForm* m_form = nullptr;
    tk::TMainMenu* m_mainMenu = nullptr;
    std::vector<TMenuBtn> m_buttons;
    win::RECT m_bar{};
    bool m_rightToLeft = false;
    TSkinBitmap m_background;
    int m_hot = -1;
    bool m_menuOpen = false;
    bool m_switching = false;
    bool m_firstLoopMessage = false;
    win::HMENU m_selectedMenu = nullptr; // the drop-down of the last WM_MENUSELECT
    bool m_selectedHasSubmenu = false;
    tk::TMenuItem* m_selectedItem = nullptr;
    std::vector<SavedType> m_savedTypes;
    std::unique_ptr<tk::TMenuItem> m_standIn;
};

} // namespace skin
