#include "toolkit/TUpDown.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kOrientationInfo{"TUDOrientation", {"udHorizontal", "udVertical"}};

void DefineUpDownProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TUpDown>("Min", &TUpDown::Min, &TUpDown::SetMin));
    p.push_back(IntegerProperty<TUpDown>("Max", &TUpDown::Max, &TUpDown::SetMax));
    p.push_back(IntegerProperty<TUpDown>("Position", &TUpDown::Position, &TUpDown::SetPosition));
    p.push_back(BooleanProperty<TUpDown>("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap));
    p.push_back(EnumProperty<TUpDown>("Orientation", kOrientationInfo, &TUpDown::Orientation,
                                      &TUpDown::SetOrientation));
    p.push_back(StringProperty<TUpDown>("Associate", &TUpDown::AssociateName, &TUpDown::SetAssociateName));
    p.push_back(EventProperty<TUpDown>("OnClick", &TUpDown::OnClick));
}
} // namespace

TK_IMPLEMENT_CLASS(TUpDown, TWinControl, DefineUpDownProperties)

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 17, 25);
}

int TUpDown::Position() const {
    if (HandleAllocated())
        return static_cast<int>(
            win::SendMessageA(const_cast<TUpDown*>(this)->Handle(), win::UDM_GETPOS32, 0, 0));
    return m_position;
}

void TUpDown::SetMin(int value) {
    m_min = value;
    PushRange();
}

void TUpDown::SetMax(int value) {
    m_max = value;
    PushRange();
}

void TUpDown::PushRange() {
    m_position = std::clamp(Position(), std::min(m_min, m_max), std::max(m_min, m_max));
    if (!HandleAllocated())
        return;
    win::SendMessageA(Handle(), win::UDM_SETRANGE32, static_cast<win::WPARAM>(m_min), m_max);
    win::SendMessageA(Handle(), win::UDM_SETPOS32, 0, m_position);
}

void TUpDown::SetPosition(int value) {
    m_position = std::clamp(value, std::min(m_min, m_max), std::max(m_min, m_max));
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::UDM_SETPOS32, 0, m_position);
}

void TUpDown::SetWrap(bool value) {
    if (value != m_wrap) {
        m_wrap = value;
        RecreateWnd();
    }
}

void TUpDown::SetOrientation(TUDOrientation value) {
    if (value != m_orientation) {
        m_orientation = value;
        RecreateWnd();
    }
}

void TUpDown::SetAssociate(TWinControl* control) {
    if (control == this)
        control = nullptr;
    m_associate = control;
    m_pendingAssociate.clear();
    if (HandleAllocated())
        win::SendMessageA(Handle(), win::UDM_SETBUDDY,
                          reinterpret_cast<win::WPARAM>(control ? control->Handle() : nullptr), 0);
}

std::string TUpDown::AssociateName() const {
    if (m_associate)
        return m_associate->Name();
    return m_pendingAssociate;
}

void TUpDown::SetAssociateName(const std::string& name) {
    if (name.empty()) {
        SetAssociate(nullptr);
        return;
    }
    if (IsLoading()) {
        m_pendingAssociate = name;
        return;
    }
    auto* control = Owner() ? dynamic_cast<TWinControl*>(Owner()->FindComponent(name)) : nullptr;
    if (!control)
        throw PropertyError{"Associate: no windowed control named \"" + name + "\""};
    SetAssociate(control);
}

void TUpDown::Loaded() {
    TWinControl::Loaded();
    if (!m_pendingAssociate.empty()) {
        const std::string name = m_pendingAssociate;
        m_pendingAssociate.clear();
        SetAssociateName(name);
    }
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::UPDOWN_CLASSA);
    params.Style |= win::UDS_SETBUDDYINT | win::UDS_ALIGNRIGHT | win::UDS_ARROWKEYS;
    if (m_wrap)
        params.Style |= win::UDS_WRAP;
    if (m_orientation == TUDOrientation::udHorizontal)
        params.Style |= win::UDS_HORZ;
}

void TUpDown::CreateHandleDone() {
    win::SendMessageA(Handle(), win::UDM_SETRANGE32, static_cast<win::WPARAM>(m_min), m_max);
    win::SendMessageA(Handle(), win::UDM_SETPOS32, 0, m_position);
    if (m_associate)
        win::SendMessageA(Handle(), win::UDM_SETBUDDY, reinterpret_cast<win::WPARAM>(m_associate->Handle()),
                          0);
}

void TUpDown::DestroyWnd() {
    if (HandleAllocated())
        m_position = Position();
    TWinControl::DestroyWnd();
}

void TUpDown::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); return;
    case CN_BASE + win::WM_HSCROLL:
    case CN_BASE + win::WM_VSCROLL: CNScroll(win::LOWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

// UDN_DELTAPOS tells which arrow was pressed: a step towards Max is the Next button.
void TUpDown::CNNotify(TMessage& m) {
    const auto* nm = reinterpret_cast<const win::NMUPDOWN*>(m.LParam);
    if (nm && nm->hdr.code == win::UDN_DELTAPOS)
        m_lastButton = (nm->iDelta > 0) == (m_max >= m_min) ? TUDBtnType::btNext : TUDBtnType::btPrev;
}

void TUpDown::CNScroll(win::WORD code) {
    if (code != win::SB_THUMBPOSITION)
        return;
    m_position = Position();
    if (OnClick)
        OnClick(this, m_lastButton);
}

} // namespace tk
