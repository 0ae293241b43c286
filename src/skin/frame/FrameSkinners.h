// The control skinners of one frame: recognition decides which control gets which skinner, this builds them,
// lends them the frame's canvas, keeps the list (a skinner leaves it when it is freed, whoever frees it), and
// frees them when the frame is restored.
#pragma once

#include "skin/controls/RecognitionHost.h"
#include "skin/controls/SkinnerContext.h"
#include "skin/controls/TSkinCanvas.h"

#include <functional>
#include <vector>

namespace tk {
class TCustomForm;
}

namespace skin {

class TSkinData;
class TSkinControl;

class FrameSkinners : public RecognitionHost, public SkinnerOwner {
public:
    // `frame` owns the skinners attached by window handle and is the Sender of OnSkinControl; `skinMenus`
    // makes the form's popup menus skinned.
    FrameSkinners(tk::TComponent* frame, TSkinData* skin, win::HWND window, std::function<void()> skinMenus);
    ~FrameSkinners() override;
    FrameSkinners(const FrameSkinners&) = delete;
    FrameSkinners& operator=(const FrameSkinners&) = delete;

    // Skins the controls once: a toolkit form's by its components and tab order, another window's by its
    // child windows.
    void SkinControls(tk::TCustomForm* form);
    // Every skinner frees itself from its control (each gives the control its own look back first).
    void FreeAll();
    // The frame is going with its window: the skinners must not call back into it any more.
    void Abandon();
    void SkinChanged();
    // The scroll-bar skinner of `window` asked for renewal (its control's window was made anew): a new one
    // replaces it.
    void RenewScrollbar(win::HWND window);
    const std::vector<TSkinControl*>& Skinners() const { return m_skinners; }

    // RecognitionHost.
    bool ListsSkinnerFor(const tk::TControl* control) const override;
    bool ListsSkinnerFor(win::HWND window) const override;
    void AttachToControl(tk::TControl* control, const SkinnerRequest& request) override;
    void AttachToWindow(win::HWND window, SkinnerKind kind) override;
    void AdoptSkinner(tk::TControl* control, tk::TComponent* skinner) override;
    tk::TComponent* Frame() override { return m_frame; }
    void DropDeadSkinners() override;
    void SkinPopupMenus() override;

    // SkinnerOwner.
    win::HWND OwnerWindow() const override { return m_window; }
    bool FramePainting() const override;
    void AddSkinner(TSkinControl* skinner) override;
    void RemoveSkinner(TSkinControl* skinner) override;

private:
    SkinnerContext Context(bool recolour);

    tk::TComponent* m_frame;
    TSkinData* m_skin;
    win::HWND m_window;
    std::function<void()> m_skinMenus;
    TSkinCanvas m_canvas;
    std::vector<TSkinControl*> m_skinners;
};

} // namespace skin
