// A captioned frame: an etched rectangle whose top edge runs through the middle of the caption line, the
// caption 8 pixels from the left on the box's colour. Controls placed in it are its children.
#pragma once

#include "toolkit/TCustomControl.h"

namespace tk {

class TCustomGroupBox : public TCustomControl {
    TK_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* owner);

    bool ParentBackground() const { return m_parentBackground; }
    void SetParentBackground(bool v) { m_parentBackground = v; }

    static void DefineGroupBoxProperties(std::vector<PropertyInfo>& p);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint(win::HDC dc) override;

private:
    bool m_parentBackground = false;
};

class TGroupBox : public TCustomGroupBox {
    TK_CLASS(TGroupBox, TCustomGroupBox)
public:
    using TCustomGroupBox::TCustomGroupBox;
};

} // namespace tk
