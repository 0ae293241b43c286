// A scroll bar on the native "scrollbar" class. The native bar only reports what the user does; this
// control moves the thumb: an arrow by SmallChange, the track by LargeChange, the thumb where it is dragged,
// never past Max - PageSize + 1. OnScroll runs first with the step and the new position, which its handler
// may change; OnChange runs whenever Position changes, by the user or by code.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

enum class TScrollBarKind { sbHorizontal, sbVertical };
// In the order of the native SB_ codes.
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode scrollCode, int& scrollPos)>;

class TScrollBar : public TWinControl {
    TK_CLASS(TScrollBar, TWinControl)
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return m_kind; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const { return m_position; }
    void SetPosition(int value);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int value);
    // Sets the range, the page and the position together; Min above Max, or a page wider than the range,
    // is refused with a PropertyError and changes nothing.
    void SetParams(int position, int min, int max, int pageSize);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    bool ClicksOnMouseUp() const override { return false; }
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& position);

private:
    TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_pageSize = 0;
    int m_smallChange = 1;
    int m_largeChange = 1;

    int LastPosition() const;
    void ApplyParams(int position, int min, int max, int pageSize, bool notify);
    void PushParams();
    void CNScroll(win::WORD code);
};

} // namespace tk
