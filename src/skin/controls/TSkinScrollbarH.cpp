#include "skin/controls/TSkinScrollbarH.h"

namespace skin {

TK_IMPLEMENT_CLASS(TSkinScrollbarH, TSkinControl, nullptr)

TSkinScrollbarH::TSkinScrollbarH(tk::TComponent* owner) : TSkinControl(owner) {
}

TSkinScrollbarH::~TSkinScrollbarH() {
    m_bar.reset();
}

void TSkinScrollbarH::OnAttached() {
    if (!WantsOverlay())
        return;
    m_bar = std::make_unique<TWScrollbar>(TWScrollbar::wbStandalone, Window(), Control(), Skin(), Canvas());
    m_bar->Position();
}

void TSkinScrollbarH::Detach() {
    if (!Attached())
        return;
    m_bar.reset();
    TSkinControl::Detach();
}

void TSkinScrollbarH::SkinChanged() {
    TSkinControl::SkinChanged();
    if (m_bar) {
        m_bar->Position();
        m_bar->Redraw();
    }
}

bool TSkinScrollbarH::BeforeMessage(tk::TMessage& message) {
    if (message.Msg != win::WM_NCDESTROY)
        return TSkinControl::BeforeMessage(message);
    const bool goOn = TSkinControl::BeforeMessage(message);
    m_bar.reset();
    return goOn;
}

void TSkinScrollbarH::AfterMessage(tk::TMessage& message) {
    TSkinControl::AfterMessage(message);
    if (!m_bar)
        return;
    switch (message.Msg) {
    case win::WM_SIZE:
    case win::WM_WINDOWPOSCHANGED:
    case win::WM_SHOWWINDOW:
    case win::WM_STYLECHANGED:
    case tk::CM_VISIBLECHANGED: m_bar->Position(); break;
    case win::WM_ENABLE:
    case win::WM_PAINT:
    case win::SBM_SETPOS:
    case win::SBM_SETRANGE:
    case win::SBM_SETSCROLLINFO:
    case win::SBM_ENABLE_ARROWS:
        m_bar->Position();
        m_bar->Redraw();
        break;
    default: break;
    }
}

} // namespace skin
