// What a control skinner is attached with, and the little it needs from the frame that owns it. The frame
// lives in a layer above the skinners, so it is reached only through SkinnerOwner.
#pragma once

#include "platform/win.h"

namespace skin {

class TSkinCanvas;
class TSkinControl;
class TSkinData;

class SkinnerOwner {
public:
    virtual ~SkinnerOwner() = default;
    // The window whose controls are skinned.
    virtual win::HWND OwnerWindow() const = 0;
    // Whether the frame itself is drawn (the skin component's frame-painting switch).
    virtual bool FramePainting() const = 0;
    // The frame's list of skinners: a skinner enters it when attached and leaves it when freed, whoever
    // frees it (its control, when the control goes).
    virtual void AddSkinner(TSkinControl* skinner) = 0;
    virtual void RemoveSkinner(TSkinControl* skinner) = 0;
};

struct SkinnerContext {
    TSkinData* skin = nullptr;
    // Replace the control's colour by the skin's face colour (and give it back on detach).
    bool recolour = false;
    // The frame's shared off-screen canvas; a skinner without one draws through a temporary bitmap.
    TSkinCanvas* canvas = nullptr;
    SkinnerOwner* owner = nullptr;
};

} // namespace skin
