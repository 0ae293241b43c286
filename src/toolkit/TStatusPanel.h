// One part of a TStatusBar: a text in a box of its own width. Layouts place panels inside their bar.
#pragma once

#include "toolkit/TComponent.h"

namespace tk {

class TStatusBar;

class TStatusPanel : public TComponent {
    TK_CLASS(TStatusPanel, TComponent)
public:
    explicit TStatusPanel(TComponent* owner);
    ~TStatusPanel() override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);
    int Width() const { return m_width; }
    void SetWidth(int width);
    TStatusBar* StatusBar() const { return m_bar; }
    // Its place among its bar's panels; -1 when it has no bar.
    int Index() const;

    void SetParentComponent(TComponent* parent) override;

private:
    friend class TStatusBar;

    std::string m_text;
    int m_width = 50;
    TStatusBar* m_bar = nullptr;
};

} // namespace tk
