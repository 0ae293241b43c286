// A multi-line text field: Return starts a new line instead of pressing the default button.
#pragma once

#include "toolkit/TCustomEdit.h"

namespace tk {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
    TK_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner);

    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    // The text as lines separated by "\n"; either line break is taken when it is set.
    std::string Lines() const;
    void SetLines(const std::string& lines);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TScrollStyle m_scrollBars = TScrollStyle::ssNone;
    bool m_wordWrap = true;
};

class TMemo : public TCustomMemo {
    TK_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};

} // namespace tk
