// A control's font: face name, character height in pixels (negative, as the platform's LOGFONT), colour and
// style. The platform font is made on first use and again after every change.
#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"

#include "platform/win.h"

#include <functional>
#include <string>

namespace tk {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TPersistent {
    TK_CLASS(TFont, TPersistent)
public:
    TFont();
    ~TFont() override;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    // Points at 96 dots per inch, derived from Height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor colour);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);

    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    win::HFONT Handle() const;

    // Called after every change, once.
    std::function<void(TFont&)> OnChange;

private:
    std::string m_name = "MS Sans Serif";
    int m_height = -11;
    TColor m_color = clWindowText;
    TFontStyles m_style = 0;
    mutable win::HFONT m_handle = nullptr;

    void Changed();
};

// The colour a TColor stands for, system colours resolved.
win::COLORREF ColorToRGB(TColor colour);

} // namespace tk
