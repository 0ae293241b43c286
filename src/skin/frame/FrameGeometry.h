// The arithmetic of a skinned window frame, apart from any window: how thick the borders are, where the
// client area goes, which non-client answers change, which caption buttons show and where, and where the
// caption text goes. The frame object feeds it the window's facts and the skin's elements.
#pragma once

#include "skin/data/TSkinElements.h"

#include "platform/win.h"

#include <string>

namespace skin {

// How a window's frame is drawn: sizeable, fixed, no caption (the frame is left to the system), dialog.
enum class BorderKind { Sizeable = 0, Fixed = 1, NoCaption = 2, Dialog = 3 };

// Show state from the window's placement.
enum class ShowState { Normal = 0, Maximised = 1, Minimised = 2 };

// Button flags captured at attach.
inline constexpr unsigned kHasMaximiseBox = 1u << 0;
inline constexpr unsigned kHasMinimiseBox = 1u << 1;
inline constexpr unsigned kHasContextHelp = 1u << 2;
inline constexpr unsigned kHasSystemMenu = 1u << 3;
inline constexpr unsigned kKeepSystemMenu = 1u << 4;

struct FrameBorders {
    int left = 0;
    int top = 0; // the caption's height
    int right = 0;
    int bottom = 0;
};

// What the visibility rules ask of a window.
struct WindowFacts {
    ShowState show = ShowState::Normal;
    bool active = true;
    unsigned buttons = 0; // kHas... flags
    BorderKind border = BorderKind::Sizeable;
    bool dialogClass = false; // "#32770" or "TMessageForm"
    bool mdiFrameWithMaximisedChild = false;
};

class FrameGeometry {
public:
    static BorderKind KindOf(win::DWORD style, win::DWORD exStyle, bool dialogClass);
    static bool IsDialogClass(const std::string& className) {
        return className == "#32770" || className == "TMessageForm";
    }
    static ShowState ShowStateOf(win::UINT showCommand);

    // Each side's thickness is its border image's size across the side divided by its frame count (left and
    // right frames lie side by side, top and bottom ones stacked); a window without a caption has none.
    static FrameBorders Borders(const TSkinElements& skin, BorderKind kind);

    // The client rectangle for a proposed window rectangle (window coordinates of the parent).
    static win::RECT ClientFor(const win::RECT& window, const FrameBorders& b, int menuBarHeight);

    // The skinned answer to WM_NCHITTEST: only the system's HTNOWHERE and HTCAPTION change. `y` is in window
    // coordinates.
    static win::LRESULT HitTest(win::LRESULT systemAnswer, int y, const FrameBorders& b, int menuBarHeight);

    // Whether a caption button with these codes shows on such a window; `answer` gives the window's reply to
    // SkinMsgButtonVisible for codes 1000 to 2000.
    static bool CodeHolds(int code, bool secondCode, const WindowFacts& w, win::LRESULT answer = 0);
    static bool ButtonShown(const TDataSkinSysButton& button, const WindowFacts& w, win::LRESULT answer = 0);
    static bool ButtonEnabled(const TDataSkinSysButton& button, const WindowFacts& w);

    // The button's size: a frame of its image.
    static win::SIZE ButtonSize(const TDataSkinSysButton& button);
    // The rectangle of a button `size` big in window coordinates, for a window `width` wide whose caption
    // text lies in `captionText`.
    static win::RECT ButtonRect(const TDataSkinSysButton& button, win::SIZE size, int width,
                                const win::RECT& captionText, const FrameBorders& b, int menuBarHeight,
                                int menuBarLeftEdge);

    // Where the caption text block goes inside the caption area (relative to the area's left), for a block
    // `blockWidth` wide; `rightOffset` is the largest XCoord of visible right-aligned buttons.
    static int CaptionTextLeft(const TDataSkinTitle& title, int areaWidth, int blockWidth, bool rightToLeft,
                               int rightOffset);
    static int CaptionTextTop(const TDataSkinTitle& title, int captionHeight, int textHeight);
};

} // namespace skin
