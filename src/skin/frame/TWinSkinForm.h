// The skinned frame of one top-level window (a toolkit form, a system dialog, a message box): it takes over
// the size and painting of the window's non-client area and draws it from the skin's border pieces, title,
// caption text and caption buttons, and cuts the window's region from transparent border pieces. The window
// keeps its own style, and the system still moves, sizes and hit-tests it. The manager makes and frees
// frames.
//
// TWinSkinForm.cpp: attach, restore and the message handling; FramePaint.cpp: painting, the region and the
// client-size keeping.
#pragma once

#include "skin/data/TSkinData.h"
#include "skin/data/WindowSubclass.h"
#include "skin/frame/FrameGeometry.h"

#include "platform/win.h"
#include "toolkit/TComponent.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {
class TCustomForm;
class TPopupMenu;
} // namespace tk

namespace skin {

class FrameSkinners;
class TWinSkinMenu;

class TWinSkinForm : public tk::TComponent {
    TK_CLASS(TWinSkinForm, tk::TComponent)
public:
    enum FrameState {
        fsAttached = 0,
        fsReady = 1,
        fsReapplying = 3,
        fsDestroying = 4,
        fsResizing = 5,
        fsDead = 6
    };

    explicit TWinSkinForm(tk::TComponent* owner);
    ~TWinSkinForm() override;

    void AttachToForm(TSkinData* skin, tk::TCustomForm* form);
    void AttachToWindow(TSkinData* skin, win::HWND hwnd);
    // Everything undone: the window's procedure, colour, system menu, size and region as they were.
    void Restore();
    // The caption buttons again from the skin's elements (after another skin loaded).
    void RebuildCaptionButtons();
    // The frame's thickness, colours and region again from the skin, the client size kept.
    void Reapply();

    win::HWND Window() const { return m_hwnd; }
    TSkinData* Skin() const { return m_skin; }
    tk::TCustomForm* Form() const { return m_form; }
    const std::string& WindowClassName() const { return m_className; }
    int State() const { return m_state; }
    const FrameBorders& Borders() const { return m_borders; }
    BorderKind Kind() const { return m_facts.border; }
    const WindowFacts& Facts() const { return m_facts; }
    // Where the caption text went at the last paint, in window coordinates.
    const win::RECT& CaptionTextRect() const { return m_captionText; }
    // The skinned menu bar, when the window had a menu.
    TWinSkinMenu* MenuBar() const { return m_menuBar.get(); }
    win::HMODULE OwnerModule = nullptr;
    // Told when a frame object goes, whoever frees it (the manager keeps a list of them).
    static inline void (*FrameGone)(TWinSkinForm* frame) = nullptr;

    // Paints the whole frame into `dc`, or into the window's own context when null.
    void PaintFrame(win::HDC dc = nullptr);

private:
    // One caption button of the skin, with its place at the last paint.
    struct CaptionButton {
        const TDataSkinSysButton* element = nullptr;
        win::RECT rect{};
        bool shown = false;
        bool enabled = true;
        int state = 1; // 1 normal, 2 pressed, 3 hot
    };

    void AttachCommon(TSkinData* skin, win::HWND hwnd);
    void CaptureFacts();
    bool FrameSkinning() const;
    win::LRESULT WindowMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT FramedMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                               bool& done);
    win::LRESULT CallPrevious(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT FormMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, bool& done);

    // Message handlers.
    void OnFinish();
    win::LRESULT OnEraseBackground(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnControlColour(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnInitMenuPopup(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnSetText(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnCommand(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnSysCommand(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcCalcSize(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcHitTest(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcPaint(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcActivate(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnSize(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcMouseMove(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcLButtonDown(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcLButtonUp(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcLButtonDblClk(win::WPARAM wParam, win::LPARAM lParam);
    win::LRESULT OnNcRButtonDown(win::WPARAM wParam, win::LPARAM lParam);
    // The skinned copy of the window's system menu, popped up at a screen point.
    void ShowSystemMenu(win::POINT at);
    void BuildSystemMenu();
    static int SystemMenuGlyph(win::UINT command);
    void SkinFormMenus();
    void TakeMenuBar();
    void GiveMenuBarBack();
    win::LRESULT OnMenuChanged(win::WPARAM wParam, win::LPARAM lParam);
    void UnskinFormMenus();
    void OnNcDestroy();
    void OnHintTimer();
    void LeaveHot();
    void RunAction(const CaptionButton& button);
    static const char* HintText(int action);

    // Painting (FramePaint.cpp).
    void PaintTitleBar(win::HDC dc, int width, bool active);
    void PaintCaptionText(win::HDC dc, int width, bool active);
    // Which caption buttons show and are enabled, and the largest offset of right-aligned ones.
    void DecideButtons();
    // Where the shown buttons go, once the caption text has its place.
    void PlaceButtons(int width);
    void PaintButtons(win::HDC dc, bool active);
    void PaintIcon(win::HDC dc, const win::RECT& rect);
    void PaintBorderPiece(win::HDC dc, const TDataSkinBorder* piece, const win::RECT& rect, bool stacked,
                          bool active);
    CaptionButton* ButtonAt(win::POINT windowPoint);
    win::POINT ToWindow(win::LPARAM screenPoint) const;

    // Size and region (FramePaint.cpp).
    void KeepClientSize();
    void WidenForCaption();
    void GiveBackSize();
    void BuildRegion(bool force);
    void DropRegion();
    void RefreshShowState();

    win::HWND m_hwnd = nullptr;
    tk::TCustomForm* m_form = nullptr;
    std::string m_className;
    TSkinData* m_skin = nullptr;
    WindowSubclass m_subclass;
    int m_state = fsAttached;
    FrameBorders m_borders;
    int m_menuBarHeight = 0;
    WindowFacts m_facts;
    win::DWORD m_style = 0;
    bool m_rightToLeft = false;
    win::SIZE m_clientAtAttach{};
    win::SIZE m_systemNonClient{};
    win::SIZE m_clientBeforeMenuTaken{-1, -1};
    win::SIZE m_regionSize{};
    bool m_regionSet = false;
    win::RECT m_captionText{};
    int m_rightOffset = 0;
    std::vector<CaptionButton> m_buttons;
    CaptionButton* m_hot = nullptr;
    std::unique_ptr<FrameSkinners> m_skinners;
    std::unique_ptr<TWinSkinMenu> m_menuBar;
    std::unique_ptr<tk::TPopupMenu> m_systemMenu;
    std::vector<tk::TPopupMenu*> m_skinnedMenus; // the form's, checked against its components before use
    win::DWORD m_lastRightClick = 0;
    win::HMENU m_systemMenuHandle = nullptr; // read while the window still has WS_SYSMENU
    tk::TColor m_savedColour = 0;
    bool m_colourSaved = false;
};

} // namespace skin
