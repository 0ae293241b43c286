// A progress bar drawn from the skin: the Progress element as the bar and the ProgressChunk element over the
// part the position has reached, as separate blocks (one piece for a smooth bar). Without a bar image the
// control keeps its own look.
#pragma once

#include "skin/controls/TSkinControl.h"

namespace skin {

class TDataSkinObject;

class TSkinProgress : public TSkinControl {
    TK_CLASS(TSkinProgress, TSkinControl)
public:
    explicit TSkinProgress(tk::TComponent* owner);

    // The part of `inner` filled at `position` within [low, high]: from the left, or from the bottom when
    // vertical. Empty for an empty or reversed range.
    static win::RECT FilledPart(const win::RECT& inner, int low, int high, int position, bool vertical);

protected:
    bool BeforeMessage(tk::TMessage& message) override;
    void Draw(win::HDC dc, const win::RECT& rect) override;

private:
    void DrawChunks(win::HDC dc, const win::RECT& filled, const TDataSkinObject& chunk, bool vertical);
};

} // namespace skin
