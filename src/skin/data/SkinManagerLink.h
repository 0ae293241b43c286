// What the skin component asks of the skin manager, which sits above it: the manager installs itself here
// when the program starts (InstallSkinManager), so the component reaches it without including anything of
// its. Without one installed the component only loads and holds its skin.
#pragma once

#include "platform/win.h"

namespace skin {

class TSkinData;

class SkinManagerLink {
public:
    virtual ~SkinManagerLink() = default;
    virtual void AddSkinData(TSkinData* data) = 0;
    virtual void RemoveSkinData(TSkinData* data) = 0;
    virtual void InstallHook() = 0;
    // The component on whose behalf the next request runs.
    virtual void SetPending(TSkinData* data) = 0;
    // Queues a request (1 activate, 2 deactivate, 3 refresh) for `intervalMs` from now.
    virtual void Queue(unsigned command, int intervalMs) = 0;
    // The first window has been activated, or skinning was switched on by the program.
    virtual void MarkStarted() = 0;
    virtual bool Started() const = 0;
    // Skinning switched on without a sweep, for a component that frames its own form directly.
    virtual void StartDirect() = 0;
    // Every frame that uses `data` rebuilds its caption buttons from the new elements.
    virtual void RefreshCaptionButtons(TSkinData* data) = 0;
    // The kind of the next popup menu: 0 a context menu, 1 a menu-bar drop-down, 2 the system menu.
    virtual void SetPopupMode(int mode) = 0;
    // Frames the window if it qualifies; true when it did.
    virtual bool AttachWindow(win::HWND hwnd) = 0;

    // The manager, made on first use; null when none is installed.
    static SkinManagerLink* Get();
    // The manager if it exists already.
    static SkinManagerLink* Existing();
    static void Install(SkinManagerLink* (*get)(), SkinManagerLink* (*existing)());
};

} // namespace skin
