// The one process-wide skin manager: it keeps the skin components that have loaded, decides which component
// a window is skinned with and whether a window may be framed at all, and carries out the components'
// activate, deactivate and refresh requests from a short timer, so that they never run inside a property
// setter. Frames and popup menus join it as they are written.
#pragma once

#include "skin/data/SkinManagerLink.h"
#include "skin/data/TSkinData.h"
#include "skin/frame/TWinSkinForm.h"
#include "skin/manager/TWinSkinPopMenu.h"

#include "platform/win.h"
#include "toolkit/TTimer.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {
class TCustomForm;
}

namespace skin {

// Makes the skin components find the manager (once, at program start).
void InstallSkinManager();

class TSkinManage : public SkinManagerLink {
public:
    // What the timer carries out (PendingCommand).
    enum Command : unsigned {
        cmdActivate = 1,
        cmdDeactivate = 2,
        cmdRefresh = 3,
        cmdPurge = 6,
        cmdReattach = 7,
    };
    // StartState: no window activated yet, started, being destroyed.
    static constexpr int kNotStarted = 0;
    static constexpr int kStarted = 1;
    static constexpr int kDestroying = 4;

    // The manager, made on first use for the program itself.
    static TSkinManage& Get();
    static TSkinManage* Existing();
    // Ends the manager (at program end, or between tests).
    static void Destroy();

    explicit TSkinManage(win::HMODULE ownerModule);
    ~TSkinManage() override;
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    void AddSkinData(TSkinData* data) override;
    void RemoveSkinData(TSkinData* data) override;
    const std::vector<TSkinData*>& SkinDatas() const { return m_skinDatas; }

    // Arms the timer for `command` in `intervalMs`; before any window has been activated, activating and
    // deactivating only set Active, since windows are framed as they are activated anyway.
    void QueueCommand(unsigned command, int intervalMs);
    void RunCommand();

    // Watches window creation, activation and destruction on this thread (a CBT hook), once.
    void InstallHook() override;
    // Frames a window that qualifies (see Qualify); true when it did.
    bool AttachWindow(win::HWND hwnd) override;
    // The component a window would be framed with, or null when it must not be framed: skinning is off,
    // it is framed already, it is a plain child (unless sweeping), a foreign module's window that is no
    // dialog, of no size, a form tagged 99, one of the excluded classes, refused by the filter, or its
    // component is still loading.
    TSkinData* Qualify(win::HWND hwnd) const;

    // The component's side (SkinManagerLink).
    void SetPending(TSkinData* data) override { PendingSkinData = data; }
    void SetPopupMode(int mode) override { PopupMode = mode; }
    void Queue(unsigned command, int intervalMs) override { QueueCommand(command, intervalMs); }
    void MarkStarted() override { StartState = kStarted; }
    bool Started() const override { return StartState == kStarted; }
    void StartDirect() override;
    void RefreshCaptionButtons(TSkinData* data) override;

    // The component a window is skinned with: the one that skins only its owner form, a dialog component
    // for dialogs and message boxes, the main one, else the first; null when there is none.
    TSkinData* ChooseSkinData(win::HWND hwnd) const;
    // The class-name and style rules, then the default component's veto.
    bool PassesWindowFilter(win::HWND hwnd, const std::string& className) const;
    // A child window that is not an MDI child: never framed, except while sweeping over existing forms.
    static bool IsPlainChild(win::HWND hwnd);
    // The toolkit form whose window this is, or the toolkit control stored on the window when that is a form.
    static tk::TCustomForm* FindToolkitForm(win::HWND hwnd);
    TWinSkinForm* FindFrame(win::HWND hwnd) const;
    // Subclasses a popup menu's window when skinning is on and the kind of menu (PopupMode) is skinned.
    bool AttachPopupMenu(win::HWND hwnd);
    bool DetachPopupMenu(win::HWND hwnd);
    const std::vector<std::unique_ptr<TWinSkinPopMenu>>& PopupMenus() const { return m_popupMenus; }
    const std::vector<TWinSkinForm*>& Forms() const { return m_forms; }
    // Frees the frames whose windows are gone.
    void PurgeFrames();

    bool Active = false;
    bool Sweeping = false;
    int StartState = kNotStarted;
    int PopupMode = 0;
    bool MenuBarTracking = false;
    bool MdiMaximized = false;
    unsigned PendingCommand = 0;
    TSkinData* PendingSkinData = nullptr;
    TSkinData* DefaultSkinData = nullptr;
    win::HMODULE OwnerModule = nullptr;
    win::HWND ReattachWindow = nullptr;
    tk::TTimer Timer;

private:
    static win::LRESULT CALLBACK CbtProc(int code, win::WPARAM wParam, win::LPARAM lParam);
    void OnActivate(win::HWND hwnd);
    void OnCreateWindow(win::HWND hwnd, const win::CBT_CREATEWNDA* create);
    void OnFrameGone(TWinSkinForm* frame);
    // Gives every frame (of `data`, or all) back its window's own look and frees it.
    void RestoreFrames(TSkinData* data, bool lastOnly);
    // Attaches the screen's visible top-level forms, last to first (of `owner` only, when given).
    void Sweep(tk::TComponent* owner);

    std::vector<TSkinData*> m_skinDatas;
    std::vector<TWinSkinForm*> m_forms;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> m_popupMenus;
};

} // namespace skin
