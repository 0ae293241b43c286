// One button of a TToolBar: a push button, a check button that stays down until clicked again, or a
// separator. Layouts place buttons inside their bar. OnClick runs when the user clicks an enabled button;
// setting Down from code runs nothing.
#pragma once

#include "toolkit/TControl.h"

namespace tk {

class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsSeparator };

class TToolButton : public TComponent {
    TK_CLASS(TToolButton, TComponent)
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    TToolButtonStyle Style() const { return m_style; }
    void SetStyle(TToolButtonStyle style);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    TToolBar* ToolBar() const { return m_bar; }
    // Its place among its bar's buttons; -1 when it has no bar.
    int Index() const;

    virtual void Click();

    TNotifyEvent OnClick;

    void SetParentComponent(TComponent* parent) override;

private:
    friend class TToolBar;

    std::string m_caption;
    TToolButtonStyle m_style = TToolButtonStyle::tbsButton;
    bool m_down = false;
    bool m_enabled = true;
    TToolBar* m_bar = nullptr;
};

} // namespace tk
