#include "toolkit/TCustomRadioGroup.h"

#include "toolkit/DrawingUtils.h"
#include "toolkit/PropertyBuilders.h"
#include "toolkit/TRadioButton.h"

#include <algorithm>

namespace tk {

namespace {
void DefineRadioGroupProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TCustomRadioGroup>("ItemIndex", &TCustomRadioGroup::ItemIndex,
                                                   &TCustomRadioGroup::SetItemIndex));
    p.push_back(IntegerProperty<TCustomRadioGroup>("Columns", &TCustomRadioGroup::Columns,
                                                   &TCustomRadioGroup::SetColumns));
}
} // namespace

TK_IMPLEMENT_CLASS(TCustomRadioGroup, TCustomGroupBox, DefineRadioGroupProperties)
TK_IMPLEMENT_CLASS(TRadioGroup, TCustomRadioGroup, nullptr)

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
}

void TCustomRadioGroup::SetItems(const std::vector<std::string>& items) {
    for (TRadioButton* button : m_buttons)
        delete button;
    m_buttons.clear();
    m_items = items;
    for (const std::string& text : m_items) {
        auto* button = new TRadioButton(this);
        button->SetCaption(text);
        button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
        button->SetParent(this);
        m_buttons.push_back(button);
    }
    if (m_itemIndex >= static_cast<int>(m_items.size()))
        m_itemIndex = -1;
    if (m_itemIndex >= 0)
        m_buttons[static_cast<std::size_t>(m_itemIndex)]->SetChecked(true);
    ArrangeButtons();
}

void TCustomRadioGroup::SetItemIndex(int index) {
    if (IsLoading()) {
        m_itemIndex = index; // the items may not be there yet
        return;
    }
    if (index < -1 || index >= static_cast<int>(m_buttons.size()))
        index = -1;
    m_itemIndex = index;
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetChecked(static_cast<int>(i) == index);
}

void TCustomRadioGroup::SetColumns(int columns) {
    m_columns = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

TRadioButton* TCustomRadioGroup::Button(int index) const {
    return index >= 0 && index < static_cast<int>(m_buttons.size())
               ? m_buttons[static_cast<std::size_t>(index)]
               : nullptr;
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
    TCustomGroupBox::SetBounds(left, top, width, height);
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
    if (m_buttons.empty())
        return;
    int count = static_cast<int>(m_buttons.size());
    int perColumn = (count + m_columns - 1) / m_columns;
    int top = FontLineHeight(*Font()) + 1;
    int columnWidth = std::max(0, (Width() - 10) / m_columns);
    int rowHeight = std::max(1, (Height() - top - 5) / perColumn);
    for (int i = 0; i < count; ++i)
        m_buttons[static_cast<std::size_t>(i)]->SetBounds(
            8 + (i / perColumn) * columnWidth, top + (i % perColumn) * rowHeight, columnWidth, rowHeight);
}

void TCustomRadioGroup::ButtonClick(TObject* sender) {
    auto it = std::find(m_buttons.begin(), m_buttons.end(), sender);
    if (it == m_buttons.end())
        return;
    m_itemIndex = static_cast<int>(it - m_buttons.begin());
    Click();
}

} // namespace tk
