// A list box on the native "listbox" class. Items holds one item a line. OnClick runs when the user chooses
// an item (mouse or keys); setting ItemIndex from code runs nothing. The items and the choice are kept by
// the control, so that a new window (RecreateWnd) starts where the old one was.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

namespace tk {

class TListBox : public TWinControl {
    TK_CLASS(TListBox, TWinControl)
public:
    explicit TListBox(TComponent* owner);

    std::string Items() const;
    void SetItems(const std::string& lines);
    const std::vector<std::string>& ItemList() const { return m_items; }
    void SetItemList(const std::vector<std::string>& items);
    int ItemIndex() const;
    // -1 selects none; any other index outside the items is refused with a PropertyError.
    void SetItemIndex(int index);
    int TopIndex() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    bool ClicksOnMouseUp() const override { return false; }

private:
    std::vector<std::string> m_items;
    int m_itemIndex = -1;
    int m_topIndex = 0;

    void CNCommand(win::WORD code);
    void PushItems();
};

} // namespace tk
