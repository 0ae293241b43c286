#include "toolkit/TCustomMemo.h"

#include "toolkit/ItemLines.h"
#include "toolkit/PropertyBuilders.h"

namespace tk {

namespace {
const EnumInfo kScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

void DefineMemoProperties(std::vector<PropertyInfo>& p) {
    p.push_back(EnumProperty<TCustomMemo>("ScrollBars", kScrollStyleInfo, &TCustomMemo::ScrollBars,
                                          &TCustomMemo::SetScrollBars));
    p.push_back(BooleanProperty<TCustomMemo>("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap));
    p.push_back(StringProperty<TCustomMemo>("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines));
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomMemo, TCustomEdit, DefineMemoProperties)
TK_IMPLEMENT_CLASS(TMemo, TCustomMemo, nullptr)

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetScrollBars(TScrollStyle style) {
    if (style != m_scrollBars) {
        m_scrollBars = style;
        RecreateWnd();
    }
}

void TCustomMemo::SetWordWrap(bool wrap) {
    if (wrap != m_wordWrap) {
        m_wordWrap = wrap;
        RecreateWnd();
    }
}

std::string TCustomMemo::Lines() const {
    return JoinItemLines(SplitItemLines(Text()));
}

// The edit field breaks lines at "\r\n".
void TCustomMemo::SetLines(const std::string& lines) {
    SetText(JoinItemLines(SplitItemLines(lines), "\r\n"));
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= win::ES_MULTILINE | win::ES_WANTRETURN;
    if (!m_wordWrap)
        params.Style |= win::ES_AUTOHSCROLL;
    else
        params.Style &= ~win::ES_AUTOHSCROLL;
    if (m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth)
        params.Style |= win::WS_HSCROLL;
    if (m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth)
        params.Style |= win::WS_VSCROLL;
}

} // namespace tk
