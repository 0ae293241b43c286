// The window that covers one scroll bar with the skin's look. It sits just above its control in the
// parent, drawn from the skin, and hands every press on to the real bar underneath, so the system's own
// scroll loop does the scrolling; while that loop runs, the overlay shows the part it works on.
#pragma once

#include "skin/controls/ScrollbarParts.h"

#include "platform/win.h"

#include <memory>

namespace tk {
class TControl;
}

namespace skin {

class TSkinCanvas;
class TSkinData;

class TWScrollbar {
public:
    enum Which { wbHorizontal = 0, wbVertical = 1, wbStandalone = 2 };

    // `control` is the toolkit scroll bar a stand-alone overlay reads its position from (null for a native
    // one and for the bars of a control).
    TWScrollbar(Which which, win::HWND target, tk::TControl* control, TSkinData* skin, TSkinCanvas* canvas);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    // Follows the real bar: hidden when it is, else placed exactly over it and shown.
    void Position();
    // The system is working on `part` (a scroll code): show it so.
    void ShowPart(int part);
    void Redraw();
    // Out of sight while the skinner's drawing is off; Position shows it again.
    void Hide();
    // The control is gone or the skinner lets go: the window goes, and nothing is touched again.
    void Destroy();

    win::HWND Handle() const { return m_hwnd; }
    bool Showing() const { return m_visible && m_hwnd; }
    bool Vertical() const { return m_vertical; }
    int Arrow() const { return m_arrow; }
    int Length() const { return m_length; }
    int HotPart() const { return m_hot; }
    bool Pressed() const { return m_pressed; }
    // Where the real bar is, in the parent's client coordinates.
    const win::RECT& BarRect() const { return m_barRect; }
    // The thumb as drawn now: following the pointer while it is dragged.
    ThumbSpan CurrentThumb() const;

private:
    static win::LRESULT CALLBACK WindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam);
    win::LRESULT Message(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void OnPaint();
    void OnMouseMove(win::LPARAM lParam);
    void OnMouseLeave();
    void OnButtonDown();
    void OnButtonUp();
    void OnNcDestroy();

    bool ReadBar(win::RECT& screen, bool& disabled);
    ThumbSpan ReadThumb() const;
    int OffsetOfCursor() const;
    int PartUnderCursor() const;
    win::POINT TargetPoint(win::POINT screen) const;

    Which m_which;
    win::HWND m_target;
    tk::TControl* m_control;
    TSkinData* m_skin;
    TSkinCanvas* m_canvas;
    win::HWND m_hwnd = nullptr;
    bool m_vertical = false;
    int m_arrow = 0;
    int m_length = 0;
    ThumbSpan m_thumb;
    int m_hot = sbpNone;
    bool m_pressed = false;
    win::POINT m_pressPoint{};
    ThumbSpan m_thumbAtPress;
    bool m_visible = false;
    bool m_disabled = false;
    bool m_dead = false;
    win::RECT m_barRect{};
    // Expires with the overlay: a press runs the system's loop, during which the skinner may be freed.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace skin
