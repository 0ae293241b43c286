// What control recognition needs from the frame that owns the skinners. Recognition only decides which
// skinner a control or child window gets; the host builds it (or declines to, for kinds it has no skinner
// for), keeps the list of skinners, and runs the menu pass.
#pragma once

#include "skin/controls/SkinnerKind.h"

#include "platform/win.h"

namespace tk {
class TComponent;
class TControl;
} // namespace tk

namespace skin {

// Where a button skinner takes its glyph from.
enum class GlyphSource { Own, PngImage };

struct SkinnerRequest {
    SkinnerKind kind = SkinnerKind::None;
    // The skinner also gives the control the skin's background colour, and puts its own back on detach.
    bool recolour = false;
    GlyphSource glyph = GlyphSource::Own;
    // For SkinnerKind::ObjImage only: which custom-glyph box it draws.
    int objImageVariant = 0;

    friend bool operator==(const SkinnerRequest&, const SkinnerRequest&) = default;
};

// TSkinObjImage variants.
inline constexpr int kObjImageCheckBox = 1;
inline constexpr int kObjImageRadioButton = 2;
inline constexpr int kObjImageCxCheckBox = 3;

class RecognitionHost {
public:
    virtual ~RecognitionHost() = default;

    // Whether the host's own list holds a skinner for it (recognition asks SkinMsgQuery itself).
    virtual bool ListsSkinnerFor(const tk::TControl* control) const = 0;
    virtual bool ListsSkinnerFor(win::HWND window) const = 0;

    virtual void AttachToControl(tk::TControl* control, const SkinnerRequest& request) = 0;
    virtual void AttachToWindow(win::HWND window, SkinnerKind kind) = 0;
    // A skinner the program's OnSkinControl handler made: attached unless the host lists it already (or it
    // is no skinner at all).
    virtual void AdoptSkinner(tk::TControl* control, tk::TComponent* skinner) = 0;

    // The frame, as the Sender the OnSkinControl handler sees.
    virtual tk::TComponent* Frame() = 0;
    // Forgets skinners whose controls have gone, before a walk starts.
    virtual void DropDeadSkinners() = 0;
    // Makes the form's popup menus skinned; run by the walk when SkinControls asks for popup menus.
    virtual void SkinPopupMenus() = 0;
};

} // namespace skin
