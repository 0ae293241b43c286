// A track bar drawn from the skin: the Track (or TrackVert) element as the channel and a thumb element chosen
// by where the ticks are (both sides: ThumbHorz or ThumbVert; otherwise the one pointing at them), in frames
// normal, hot, pressed, disabled, focused; the ticks as short lines where the control puts its own. Dragging,
// clicks and keys stay the control's; the thumb is drawn where the control says it is.
#pragma once

#include "skin/controls/PartTracker.h"
#include "skin/controls/TSkinControl.h"

#include <vector>

namespace skin {

class TDataSkinObject;

class TSkinTrackBar : public TSkinControl {
    TK_CLASS(TSkinTrackBar, TSkinControl)
public:
    explicit TSkinTrackBar(tk::TComponent* owner);

    static int ThumbFrame(const ControlState& state);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void AfterMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    const TDataSkinObject* Thumb() const;
    win::RECT ThumbRect() const;
    int PartAt(win::LPARAM point) const;
    std::vector<int> TickPositions(const win::RECT& channel, const win::RECT& thumb) const;
    void DrawTicks(win::HDC dc, const win::RECT& channel, const win::RECT& thumb);

    PartTracker m_thumb;
};

} // namespace skin
