// One title of a THeaderControl, as wide as its Width. Layouts place sections inside their header; a width
// the user drags is kept here.
#pragma once

#include "toolkit/TComponent.h"

namespace tk {

class THeaderControl;

class THeaderSection : public TComponent {
    TK_CLASS(THeaderSection, TComponent)
public:
    explicit THeaderSection(TComponent* owner);
    ~THeaderSection() override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);
    int Width() const { return m_width; }
    void SetWidth(int width);
    THeaderControl* HeaderControl() const { return m_header; }
    // Its place among its header's sections; -1 when it has no header.
    int Index() const;

    void SetParentComponent(TComponent* parent) override;

private:
    friend class THeaderControl;

    std::string m_text;
    int m_width = 50;
    THeaderControl* m_header = nullptr;
};

} // namespace tk
