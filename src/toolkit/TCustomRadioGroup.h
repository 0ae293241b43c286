// A group box of radio buttons made from a list of item texts, laid out in columns; ItemIndex is the checked
// item (-1 for none) and a user's choice runs OnClick. With no items it is a plain captioned frame.
#pragma once

#include "toolkit/TCustomGroupBox.h"

#include <string>
#include <vector>

namespace tk {

class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
    TK_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* owner);

    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    void SetColumns(int columns);
    // The radio button of an item, for tests and the skin; null out of range.
    TRadioButton* Button(int index) const;

    void SetBounds(int left, int top, int width, int height) override;

private:
    std::vector<std::string> m_items;
    std::vector<TRadioButton*> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;

    void ArrangeButtons();
    void ButtonClick(TObject* sender);
};

class TRadioGroup : public TCustomRadioGroup {
    TK_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    using TCustomRadioGroup::TCustomRadioGroup;
};

} // namespace tk
