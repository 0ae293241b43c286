// A header control drawn from the skin's Headerbar element, one section at a time (frames: normal, hot,
// pressed, disabled), the space after the last section as an empty normal section. The control keeps its own
// clicks and divider dragging; the skinner watches the pointer for the hot and pressed section.
// The package reader's header record already takes the name in namespace skin, hence the nested one.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/TSkinControl.h"

namespace skin::controls {

class TSkinHeader : public TSkinControl {
    TK_CLASS(TSkinHeader, TSkinControl)
public:
    explicit TSkinHeader(tk::TComponent* owner);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    bool Skinned() const;
    // The section under `point`, or -1 (also on a divider, where a press resizes rather than clicks).
    int SectionAt(win::LPARAM point) const;
    void DrawSection(win::HDC dc, int index, win::RECT& section);

    PartTracker m_sections;
};

} // namespace skin::controls
