// A combo box on the native "combobox" class: a drop-down list (csDropDownList) or an edit field with a
// drop-down list (csDropDown). Items holds one item a line. OnChange runs when the user picks an item or
// types in the field; setting ItemIndex or Text from code runs nothing. The items, the choice and the typed
// text are kept by the control, so that a new window (RecreateWnd) starts where the old one was.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

namespace tk {

enum class TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TWinControl {
    TK_CLASS(TComboBox, TWinControl)
public:
    explicit TComboBox(TComponent* owner);

    std::string Items() const;
    void SetItems(const std::string& lines);
    const std::vector<std::string>& ItemList() const { return m_items; }
    void SetItemList(const std::vector<std::string>& items);
    int ItemIndex() const;
    // -1 selects none; any other index outside the items is refused with a PropertyError.
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    // The field's text; in a drop-down list, the chosen item's.
    std::string Text() const;
    void SetText(const std::string& text);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    bool ClicksOnMouseUp() const override { return false; }
    virtual void Change();

private:
    std::vector<std::string> m_items;
    int m_itemIndex = -1;
    std::string m_text;
    TComboBoxStyle m_style = TComboBoxStyle::csDropDown;
    // Set while this control fills the window, whose notifications then tell nothing new.
    bool m_pushing = false;

    void CNCommand(win::WORD code);
    void PushItems();
    void PushText();
    void CheckIndex(int index) const;
    std::string WindowText() const;
};

} // namespace tk
