// A status bar on the native "msctls_statusbar32" class, along the bottom of its parent at the parent's
// width. Its TStatusPanel children are its parts, each as wide as its Width and the last one to the bar's
// end; with SimplePanel set it shows SimpleText alone instead. Panels and texts are kept by the control, so
// that a new window (RecreateWnd) shows the same parts.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

namespace tk {

class TStatusPanel;

class TStatusBar : public TWinControl {
    TK_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    int PanelCount() const { return static_cast<int>(m_panels.size()); }
    // Null outside 0 .. PanelCount() - 1.
    TStatusPanel* Panels(int index) const;
    int IndexOfPanel(const TStatusPanel* panel) const;
    // A new panel at the end, owned by the bar's owner.
    TStatusPanel* AddPanel(const std::string& text, int width);

    bool SimplePanel() const { return m_simplePanel; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return m_simpleText; }
    void SetSimpleText(const std::string& text);
    // Puts the bar back along its parent's bottom; a parent that changes size calls it.
    void Realign();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;

private:
    friend class TStatusPanel;

    std::vector<TStatusPanel*> m_panels;
    bool m_simplePanel = false;
    std::string m_simpleText;

    void AttachPanel(TStatusPanel* panel);
    void DetachPanel(TStatusPanel* panel);
    void UpdatePanels();
};

} // namespace tk
