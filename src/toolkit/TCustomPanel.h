// A panel that holds other controls: a bevelled rectangle (raised by default) with an optional centred
// caption.
#pragma once

#include "toolkit/TCustomControl.h"
#include "toolkit/WidgetTypes.h"

#include <algorithm>

namespace tk {

class TCustomPanel : public TCustomControl {
    TK_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut cut) {
        m_bevelInner = cut;
        Invalidate();
    }
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut cut) {
        m_bevelOuter = cut;
        Invalidate();
    }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width) {
        m_bevelWidth = std::max(1, width);
        Invalidate();
    }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width) {
        m_borderWidth = std::max(0, width);
        Invalidate();
    }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) {
        m_alignment = alignment;
        Invalidate();
    }
    // Kept for those who switch it (the skin engine does); the panel always paints its own colour.
    bool ParentBackground() const { return m_parentBackground; }
    void SetParentBackground(bool v) { m_parentBackground = v; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(win::HDC dc) override;

private:
    TBevelCut m_bevelInner = TBevelCut::bvNone;
    TBevelCut m_bevelOuter = TBevelCut::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TAlignment m_alignment = TAlignment::taCenter;
    bool m_parentBackground = false;
};

class TPanel : public TCustomPanel {
    TK_CLASS(TPanel, TCustomPanel)
public:
    using TCustomPanel::TCustomPanel;
};

} // namespace tk
