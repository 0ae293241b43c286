// A progress bar on the native "msctls_progress32" class. Min, Max, Position and Step live in the window
// once it exists; the control keeps a copy so that a new window (RecreateWnd) starts where the old one was.
#pragma once

#include "toolkit/TWinControl.h"

namespace tk {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    TK_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return m_min; }
    void SetMin(int value) { SetRange(value, m_max); }
    int Max() const { return m_max; }
    void SetMax(int value) { SetRange(m_min, value); }
    int Position() const;
    void SetPosition(int value);
    int Step() const { return m_step; }
    void SetStep(int value);
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TProgressBarOrientation value);
    // Advances by Step; past Max the bar starts over from Min.
    void StepIt();
    void StepBy(int delta);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_step = 10;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = TProgressBarOrientation::pbHorizontal;

    void SetRange(int low, int high);
};

} // namespace tk
