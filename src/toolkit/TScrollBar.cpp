#include "toolkit/TScrollBar.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
const EnumInfo kKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

void DefineScrollBarProperties(std::vector<PropertyInfo>& p) {
    p.push_back(EnumProperty<TScrollBar>("Kind", kKindInfo, &TScrollBar::Kind, &TScrollBar::SetKind));
    p.push_back(IntegerProperty<TScrollBar>("Min", &TScrollBar::Min, &TScrollBar::SetMin));
    p.push_back(IntegerProperty<TScrollBar>("Max", &TScrollBar::Max, &TScrollBar::SetMax));
    p.push_back(IntegerProperty<TScrollBar>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize));
    p.push_back(IntegerProperty<TScrollBar>("Position", &TScrollBar::Position, &TScrollBar::SetPosition));
    p.push_back(
        IntegerProperty<TScrollBar>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange));
    p.push_back(
        IntegerProperty<TScrollBar>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange));
    p.push_back(TWinControl::TabStopProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(EventProperty<TScrollBar>("OnChange", &TScrollBar::OnChange));
    p.push_back(EventProperty<TScrollBar>("OnScroll", &TScrollBar::OnScroll));
    p.push_back(TWinControl::OnEnterProperty());
    p.push_back(TWinControl::OnExitProperty());
}
} // namespace

TK_IMPLEMENT_CLASS(TScrollBar, TWinControl, DefineScrollBarProperties)

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 17);
    SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind kind) {
    if (kind == m_kind)
        return;
    m_kind = kind;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

// While a layout is read the values may arrive in any order, so they are only checked once it is read.
void TScrollBar::SetMin(int value) {
    if (IsLoading())
        m_min = value;
    else
        SetParams(m_position, value, m_max, m_pageSize);
}

void TScrollBar::SetMax(int value) {
    if (IsLoading())
        m_max = value;
    else
        SetParams(m_position, m_min, value, m_pageSize);
}

void TScrollBar::SetPageSize(int value) {
    if (IsLoading())
        m_pageSize = value;
    else
        SetParams(m_position, m_min, m_max, value);
}

void TScrollBar::SetPosition(int value) {
    if (IsLoading())
        m_position = value;
    else
        SetParams(value, m_min, m_max, m_pageSize);
}

void TScrollBar::Loaded() {
    TWinControl::Loaded();
    ApplyParams(m_position, m_min, m_max, m_pageSize, false);
}

void TScrollBar::SetSmallChange(int value) {
    m_smallChange = std::max(1, value);
}

void TScrollBar::SetLargeChange(int value) {
    m_largeChange = std::max(1, value);
}

int TScrollBar::LastPosition() const {
    return m_max - std::max(m_pageSize - 1, 0);
}

void TScrollBar::SetParams(int position, int min, int max, int pageSize) {
    ApplyParams(position, min, max, pageSize, true);
}

void TScrollBar::ApplyParams(int position, int min, int max, int pageSize, bool notify) {
    if (min > max)
        throw PropertyError{"Min (" + std::to_string(min) + ") is above Max (" + std::to_string(max) + ")"};
    const long long range = static_cast<long long>(max) - min + 1;
    if (pageSize < 0 || pageSize > range)
        throw PropertyError{"PageSize " + std::to_string(pageSize) + " does not fit the range " +
                            std::to_string(min) + " .. " + std::to_string(max)};
    const int before = m_position;
    m_min = min;
    m_max = max;
    m_pageSize = pageSize;
    m_position = std::clamp(position, m_min, LastPosition());
    PushParams();
    if (m_position != before && notify)
        Change();
}

void TScrollBar::PushParams() {
    if (!HandleAllocated())
        return;
    win::SCROLLINFO info;
    info.fMask = win::SIF_RANGE | win::SIF_PAGE | win::SIF_POS;
    info.nMin = m_min;
    info.nMax = m_max;
    info.nPage = static_cast<win::UINT>(m_pageSize);
    info.nPos = m_position;
    win::SendMessageA(Handle(), win::SBM_SETSCROLLINFO, win::TRUE, reinterpret_cast<win::LPARAM>(&info));
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "scrollbar");
    params.Style |= m_kind == TScrollBarKind::sbVertical ? win::SBS_VERT : win::SBS_HORZ;
    if (TabStop())
        params.Style |= win::WS_TABSTOP;
}

void TScrollBar::CreateHandleDone() {
    PushParams();
}

void TScrollBar::Change() {
    if (OnChange)
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& position) {
    if (OnScroll)
        OnScroll(this, code, position);
}

void TScrollBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_BASE + win::WM_HSCROLL:
    case CN_BASE + win::WM_VSCROLL: CNScroll(win::LOWORD(m.WParam)); return;
    }
    TWinControl::WndProc(m);
}

void TScrollBar::CNScroll(win::WORD code) {
    if (code > win::SB_ENDSCROLL)
        return;
    // Wide steps near the ends of int must not overflow.
    long long position = m_position;
    switch (code) {
    case win::SB_LINEUP: position -= m_smallChange; break;
    case win::SB_LINEDOWN: position += m_smallChange; break;
    case win::SB_PAGEUP: position -= m_largeChange; break;
    case win::SB_PAGEDOWN: position += m_largeChange; break;
    case win::SB_THUMBPOSITION:
    case win::SB_THUMBTRACK: {
        win::SCROLLINFO info;
        info.fMask = win::SIF_TRACKPOS;
        if (win::SendMessageA(Handle(), win::SBM_GETSCROLLINFO, 0, reinterpret_cast<win::LPARAM>(&info)))
            position = info.nTrackPos;
        break;
    }
    case win::SB_TOP: position = m_min; break;
    case win::SB_BOTTOM: position = LastPosition(); break;
    }
    int clamped = static_cast<int>(std::clamp<long long>(position, m_min, LastPosition()));
    Scroll(static_cast<TScrollCode>(code), clamped);
    SetParams(clamped, m_min, m_max, m_pageSize);
}

} // namespace tk
