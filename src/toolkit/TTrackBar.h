// A trackbar on the native "msctls_trackbar32" class. OnChange runs whenever the user moves the thumb
// (mouse or keys); setting Position from code does not run it. The control keeps a copy of its settings so
// that a new window (RecreateWnd) starts where the old one was.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
    TK_CLASS(TTrackBar, TWinControl)
public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return m_min; }
    void SetMin(int value);
    int Max() const { return m_max; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    int Frequency() const { return m_frequency; }
    void SetFrequency(int value);
    int LineSize() const { return m_lineSize; }
    void SetLineSize(int value);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    TTrackBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TTrackBarOrientation value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Changed();

private:
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_frequency = 1;
    int m_lineSize = 1;
    int m_pageSize = 2;
    TTrackBarOrientation m_orientation = TTrackBarOrientation::trHorizontal;

    void CNScroll(win::WORD code);
    void PushRange();
};

} // namespace tk
