#include "skin/frame/FrameSkinners.h"

#include "skin/controls/ControlRecognizer.h"
#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinControl.h"
#include "skin/controls/TSkinScrollbar.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TCustomForm.h"

#include <algorithm>

namespace skin {

FrameSkinners::FrameSkinners(tk::TComponent* frame, TSkinData* skin, win::HWND window,
                             std::function<void()> skinMenus)
    : m_frame(frame), m_skin(skin), m_window(window), m_skinMenus(std::move(skinMenus)) {
}

FrameSkinners::~FrameSkinners() {
    FreeAll();
}

void FrameSkinners::SkinControls(tk::TCustomForm* form) {
    if (!m_skin)
        return;
    ControlRecognizer recognizer(*m_skin, *this);
    if (form)
        recognizer.WalkToolkitForm(form);
    else
        recognizer.WalkNativeChildren(m_window);
}

void FrameSkinners::FreeAll() {
    // Each skinner takes itself off the list as it goes.
    while (!m_skinners.empty())
        delete m_skinners.back();
}

void FrameSkinners::Abandon() {
    for (TSkinControl* skinner : m_skinners)
        skinner->OwnerGone();
    m_skinners.clear();
}

void FrameSkinners::SkinChanged() {
    const std::vector<TSkinControl*> skinners = m_skinners;
    for (TSkinControl* skinner : skinners)
        if (std::find(m_skinners.begin(), m_skinners.end(), skinner) != m_skinners.end())
            skinner->SkinChanged();
}

void FrameSkinners::RenewScrollbar(win::HWND window) {
    const auto it = std::find_if(m_skinners.begin(), m_skinners.end(), [window](const TSkinControl* s) {
        return s->Window() == window && dynamic_cast<const TSkinScrollbar*>(s) != nullptr;
    });
    if (it == m_skinners.end())
        return;
    TSkinControl* old = *it;
    tk::TControl* control = old->Control();
    const bool recolour = old->Recolours();
    delete old;
    if (control)
        AttachToControl(control, SkinnerRequest{SkinnerKind::Scrollbar, recolour});
}

bool FrameSkinners::ListsSkinnerFor(const tk::TControl* control) const {
    return control && std::any_of(m_skinners.begin(), m_skinners.end(),
                                  [control](const TSkinControl* s) { return s->Control() == control; });
}

bool FrameSkinners::ListsSkinnerFor(win::HWND window) const {
    return window && std::any_of(m_skinners.begin(), m_skinners.end(),
                                 [window](const TSkinControl* s) { return s->Window() == window; });
}

SkinnerContext FrameSkinners::Context(bool recolour) {
    return SkinnerContext{m_skin, recolour, &m_canvas, this};
}

void FrameSkinners::AttachToControl(tk::TControl* control, const SkinnerRequest& request) {
    if (!control || ListsSkinnerFor(control))
        return;
    // Owned by the control, so that it goes with it.
    if (TSkinControl* skinner = MakeSkinner(request.kind, control))
        skinner->AttachToControl(control, Context(request.recolour));
}

void FrameSkinners::AttachToWindow(win::HWND window, SkinnerKind kind) {
    if (!window || ListsSkinnerFor(window))
        return;
    if (TSkinControl* skinner = MakeSkinner(kind, m_frame))
        skinner->AttachToWindow(window, Context(false));
}

void FrameSkinners::AdoptSkinner(tk::TControl* control, tk::TComponent* component) {
    auto* skinner = dynamic_cast<TSkinControl*>(component);
    if (!skinner || !control || skinner->Attached() ||
        std::find(m_skinners.begin(), m_skinners.end(), skinner) != m_skinners.end())
        return;
    skinner->AttachToControl(control, Context(skinner->Recolours()));
}

void FrameSkinners::DropDeadSkinners() {
    const std::vector<TSkinControl*> skinners = m_skinners;
    for (TSkinControl* skinner : skinners)
        if (skinner->Dead() && std::find(m_skinners.begin(), m_skinners.end(), skinner) != m_skinners.end())
            delete skinner;
}

void FrameSkinners::SkinPopupMenus() {
    if (m_skinMenus)
        m_skinMenus();
}

bool FrameSkinners::FramePainting() const {
    return m_skin && (m_skin->SkinControls() & Bit(xcMainMenu)) != 0;
}

void FrameSkinners::AddSkinner(TSkinControl* skinner) {
    if (skinner && std::find(m_skinners.begin(), m_skinners.end(), skinner) == m_skinners.end())
        m_skinners.push_back(skinner);
}

void FrameSkinners::RemoveSkinner(TSkinControl* skinner) {
    m_skinners.erase(std::remove(m_skinners.begin(), m_skinners.end(), skinner), m_skinners.end());
}

} // namespace skin
