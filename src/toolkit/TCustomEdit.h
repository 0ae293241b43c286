// A text field on the native "edit" class. Text follows what the user types; OnChange runs after every
// change. Typed characters pass OnKeyPress first, whose handler may change or discard them (key 0), and keys
// pass OnKeyDown.
#pragma once

#include "toolkit/TWinControl.h"
#include "toolkit/WidgetTypes.h"

namespace tk {

class TCustomEdit : public TWinControl {
    TK_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner);

    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    void SelectAll();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

    static void DefineEditProperties(std::vector<PropertyInfo>& p);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    bool ClicksOnMouseUp() const override { return false; }
    virtual void Change();

private:
    int m_maxLength = 0;
    bool m_readOnly = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;

    void CNCommand(win::WORD code);
};

class TEdit : public TCustomEdit {
    TK_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

} // namespace tk
