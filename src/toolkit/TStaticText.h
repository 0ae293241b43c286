// A label in a window of its own, a subclass of the native "static": it takes clicks (SS_NOTIFY) and sizes
// itself to its text unless AutoSize is off. Disabled, it shows grey text and takes no clicks.
#pragma once

#include "toolkit/TWinControl.h"
#include "toolkit/WidgetTypes.h"

namespace tk {

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TCustomStaticText : public TWinControl {
    TK_CLASS(TCustomStaticText, TWinControl)
public:
    explicit TCustomStaticText(TComponent* owner);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TStaticBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TStaticBorderStyle style);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    bool ClicksOnMouseUp() const override { return false; }
    bool CanAutoSize(int& width, int& height) override;

private:
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TStaticBorderStyle m_borderStyle = TStaticBorderStyle::sbsNone;
    bool m_showAccelChar = true;

    void CNCommand(win::WORD code);
};

class TStaticText : public TCustomStaticText {
    TK_CLASS(TStaticText, TCustomStaticText)
public:
    using TCustomStaticText::TCustomStaticText;
};

} // namespace tk
