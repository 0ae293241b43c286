// Menu items drawn from the skin: every item of a toolkit popup menu gets measure and draw handlers that
// paint it with the skin's MenuItem element (frame 1, frame 4 when selected) over the popup's MenuBackground,
// or, in a skin without that element, in the skin's menu colours alone. The skinned copy of a window's system
// menu always has them; a form's own menus get them when the skin component asks for skinned menu items.
#pragma once

#include "platform/win.h"

namespace tk {
class TMenuItem;
class TPopupMenu;
} // namespace tk

namespace skin {

class TSkinData;

class SkinnedMenuItems {
public:
    // Owner-draws every item of `menu`, sub-items too. `systemMenu`: the items show the skin's window
    // glyphs (restore, maximise, minimise, close) by their image index.
    static void Attach(tk::TPopupMenu* menu, TSkinData* skin, bool systemMenu);
    // The menu's own measuring and drawing again.
    static void Detach(tk::TPopupMenu* menu);

    // The toolkit's size of the item, widened for the skin's item edges and the glyph column.
    static void Measure(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, int& width, int& height,
                        bool systemMenu);
    static void Draw(TSkinData* skin, tk::TMenuItem* item, win::HDC dc, const win::RECT& rect, bool selected,
                     bool systemMenu);
};

} // namespace skin
