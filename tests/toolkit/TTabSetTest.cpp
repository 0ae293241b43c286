// The tab set: where its tabs lie (side by side, inside the client, the ones without room hidden), a press
// or Left/Right choosing a tab and telling OnChange once, TabIndex refusing what it cannot show, an empty
// list, the classic look joining the selected tab to the top edge, and a layout streaming it all in.
#include "WidgetTestForm.h"

#include "toolkit/TTabSet.h"

#include "toolkit/layout/LayoutDocument.h"

using namespace widget_tests;

namespace {

bool Empty(const win::RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

win::POINT Centre(const win::RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

win::COLORREF PixelOf(TWinControl* control, int x, int y) {
    win::HDC dc = win::GetDC(control->Handle());
    const win::COLORREF c = win::GetPixel(dc, x, y);
    win::ReleaseDC(control->Handle(), dc);
    return c;
}

class TabSets : public Widgets {
protected:
    void SetUp() override {
        Widgets::SetUp();
        m_form = new TForm(Application);
        m_form->SetBounds(40, 40, 420, 200);
        m_form->Show();
        m_tabs = new TTabSet(m_form);
        m_tabs->SetBounds(10, 20, 300, 24);
        m_tabs->SetParent(m_form);
        m_tabs->SetTabs("One\nTwo\nThree");
        m_tabs->OnChange = [this](TObject*) { ++m_changes; };
        m_display->Pump();
    }
    void Press(int index) {
        const win::POINT p = Centre(m_tabs->TabRect(index));
        ClickAt(m_tabs, p.x, p.y);
        m_display->Pump();
    }

    TForm* m_form = nullptr;
    TTabSet* m_tabs = nullptr;
    int m_changes = 0;
};

} // namespace

TEST_F(TabSets, TabsLieSideBySideInsideTheClientAndThoseWithoutRoomAreHidden) {
    m_tabs->SetTabs("One\nA much longer caption\nThree\nFour\nFive\nSix\nSeven\nEight\nNine\nTen");
    const win::RECT client = m_tabs->ClientRect();
    int shown = 0;
    for (int i = 0; i < m_tabs->TabCount(); ++i) {
        const win::RECT r = m_tabs->TabRect(i);
        if (Empty(r))
            break;
        ++shown;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << i;
        EXPECT_GE(r.left, i > 0 ? m_tabs->TabRect(i - 1).right : 0)
            << "tab " << i << " overlaps the one before";
        EXPECT_EQ(m_tabs->TabAtPoint(Centre(r).x, Centre(r).y), i);
    }
    ASSERT_GE(shown, 2);
    ASSERT_LT(shown, m_tabs->TabCount()) << "ten tabs do not fit in 300 pixels";
    for (int i = shown; i < m_tabs->TabCount(); ++i)
        EXPECT_TRUE(Empty(m_tabs->TabRect(i))) << "after the first hidden tab none is shown: " << i;
    const win::RECT first = m_tabs->TabRect(0), second = m_tabs->TabRect(1);
    EXPECT_GT(second.right - second.left, first.right - first.left) << "a longer text makes a wider tab";
    EXPECT_EQ(m_tabs->TabAtPoint(client.right - 1, 2), -1) << "past the last shown tab";
    EXPECT_TRUE(Empty(m_tabs->TabRect(-1)));
    EXPECT_TRUE(Empty(m_tabs->TabRect(m_tabs->TabCount())));

    m_tabs->SetWidth((second.left + second.right) / 2);
    EXPECT_FALSE(Empty(m_tabs->TabRect(0))) << "the first tab still fits";
    EXPECT_TRUE(Empty(m_tabs->TabRect(1)));
    m_tabs->SetWidth(8);
    EXPECT_TRUE(Empty(m_tabs->TabRect(0))) << "no room for any tab";
    m_tabs->SetBounds(10, 20, 300, 2);
    EXPECT_TRUE(Empty(m_tabs->TabRect(0))) << "too low for any tab";
    m_tabs->SetTabIndex(0);
    m_tabs->Repaint(); // painting tabs that are all hidden
}

TEST_F(TabSets, APressSelectsATabAndTellsOnChangeOnce) {
    Press(1);
    EXPECT_EQ(m_tabs->TabIndex(), 1);
    EXPECT_EQ(m_changes, 1);
    EXPECT_TRUE(m_tabs->Focused()) << "the press takes the focus, for the keys";
    Press(1);
    EXPECT_EQ(m_changes, 1) << "the tab already selected is no change";
    const win::RECT last = m_tabs->TabRect(2);
    ClickAt(m_tabs, last.right + 10, 5);
    EXPECT_EQ(m_tabs->TabIndex(), 1) << "a press beside the tabs selects none";
    EXPECT_EQ(m_changes, 1);

    m_tabs->SetTabIndex(2);
    EXPECT_EQ(m_changes, 1) << "code that selects runs no event";
    m_tabs->SetEnabled(false);
    Press(0);
    EXPECT_EQ(m_tabs->TabIndex(), 2) << "a disabled tab set keeps its tab";
    EXPECT_EQ(m_changes, 1);
}

TEST_F(TabSets, LeftAndRightMoveTheSelectionAndStopAtTheEnds) {
    m_tabs->SetFocus();
    m_display->Key(win::VK_RIGHT);
    EXPECT_EQ(m_tabs->TabIndex(), 0) << "from none, the first";
    m_display->Key(win::VK_RIGHT);
    m_display->Key(win::VK_RIGHT);
    EXPECT_EQ(m_tabs->TabIndex(), 2);
    EXPECT_EQ(m_changes, 3);
    m_display->Key(win::VK_RIGHT);
    EXPECT_EQ(m_tabs->TabIndex(), 2);
    EXPECT_EQ(m_changes, 3) << "no change at the end";
    m_display->Key(win::VK_LEFT);
    EXPECT_EQ(m_tabs->TabIndex(), 1);
    EXPECT_EQ(m_changes, 4);

    m_tabs->OnKeyDown = [](TObject*, win::WORD& Key, TShiftState) { Key = 0; };
    m_display->Key(win::VK_LEFT);
    EXPECT_EQ(m_tabs->TabIndex(), 1) << "a key the handler takes moves nothing";
}

TEST_F(TabSets, TabIndexRefusesWhatItCannotShowAndFollowsShorterLists) {
    m_tabs->SetTabIndex(2);
    EXPECT_THROW(m_tabs->SetTabIndex(3), PropertyError);
    EXPECT_THROW(m_tabs->SetTabIndex(-2), PropertyError);
    EXPECT_THROW(SetPropertyValue(*m_tabs, "TabIndex", std::int64_t{1} << 40), PropertyError);
    EXPECT_EQ(m_tabs->TabIndex(), 2);
    m_tabs->SetTabs("One\nTwo");
    EXPECT_EQ(m_tabs->TabIndex(), 1) << "a selection past the end moves to the last tab";

    m_tabs->SetTabs("");
    EXPECT_EQ(m_tabs->TabCount(), 0);
    EXPECT_EQ(m_tabs->TabIndex(), -1);
    EXPECT_THROW(m_tabs->SetTabIndex(0), PropertyError);
    EXPECT_TRUE(Empty(m_tabs->TabRect(0)));
    m_tabs->Repaint();
    ClickAt(m_tabs, 10, 5);
    m_tabs->SetFocus();
    m_display->Key(win::VK_RIGHT);
    m_display->Key(win::VK_LEFT);
    EXPECT_EQ(m_tabs->TabIndex(), -1);
    EXPECT_EQ(m_changes, 0);
}

TEST_F(TabSets, TheSelectedTabJoinsTheTopEdgeInItsOwnColour) {
    m_tabs->SetSelectedColor(clYellow);
    m_tabs->SetUnselectedColor(clAqua);
    m_tabs->SetTabIndex(1);
    m_tabs->Repaint();
    const win::RECT selected = m_tabs->TabRect(1), other = m_tabs->TabRect(0);
    const win::COLORREF line = ColorToRGB(clWindowFrame);
    EXPECT_EQ(PixelOf(m_tabs, selected.left + 4, 3), ColorToRGB(clYellow));
    EXPECT_EQ(PixelOf(m_tabs, other.left + 4, 3), ColorToRGB(clAqua));
    EXPECT_NE(PixelOf(m_tabs, (selected.left + selected.right) / 2, 0), line)
        << "no line above the selected tab";
    EXPECT_EQ(PixelOf(m_tabs, other.left + 4, 0), line) << "the line runs above the others";
    EXPECT_EQ(PixelOf(m_tabs, selected.left + 4, selected.bottom - 3), ColorToRGB(clYellow))
        << "the selected tab reaches lower than the others";
    EXPECT_NE(PixelOf(m_tabs, other.left + 4, other.bottom - 3), ColorToRGB(clAqua));
}

namespace {

const char* const kTabSetLayout = R"(object TabSetForm: TTabSetForm
  Width = 400
  Height = 160
  object Pages: TTabSet
    Left = 8
    Top = 40
    Width = 320
    Height = 22
    TabIndex = 2
    Tabs = "法规\r\n安全\r\n服务\r\n"
    SelectedColor = clYellow
    UnselectedColor = clSilver
    Font.Height = -15
    OnChange = @Changed
  end
end
)";

class TTabSetForm : public TForm {
    TK_CLASS(TTabSetForm, TForm)
public:
    TTabSetForm(TComponent* owner, const std::string& layout) : TForm(owner) {
        DefineMethod("Changed", &TTabSetForm::Changed);
        LoadLayout(layout, "tabset.layout");
    }
    void Changed(TObject* sender) { changed.push_back(static_cast<TComponent*>(sender)->Name()); }

    std::vector<std::string> changed;
};

TK_IMPLEMENT_CLASS(TTabSetForm, TForm, nullptr)

} // namespace

TEST_F(TabSets, ALayoutGivesTabsIndexColoursFontAndEvent) {
    EXPECT_NE(FindClass("TTabSet"), nullptr);
    auto* form = new TTabSetForm(Application, kTabSetLayout);
    form->Show();
    m_display->Pump();
    auto* pages = dynamic_cast<TTabSet*>(form->FindComponent("Pages"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->TabCount(), 3) << "a last line break adds no tab";
    EXPECT_EQ(pages->TabText(1), "安全");
    EXPECT_EQ(pages->TabIndex(), 2) << "an index given before the tabs still counts";
    EXPECT_EQ(pages->SelectedColor(), clYellow);
    EXPECT_EQ(pages->UnselectedColor(), clSilver);
    EXPECT_EQ(pages->Font()->Height(), -15);
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*pages, "Tabs")), "法规\n安全\n服务");
    const win::POINT p = Centre(pages->TabRect(0));
    ClickAt(pages, p.x, p.y);
    m_display->Pump();
    EXPECT_EQ(form->changed, std::vector<std::string>{"Pages"});
    delete form; // the next one takes its name

    std::string bad = kTabSetLayout;
    bad.replace(bad.find("TabIndex = 2"), 12, "TabIndex = 3");
    try {
        new TTabSetForm(Application, bad);
        ADD_FAILURE() << "an index past the tabs loads";
    } catch (const layout::LayoutError& e) {
        EXPECT_NE(e.What().find("TabIndex"), std::string::npos) << e.What();
    } catch (const PropertyError& e) {
        EXPECT_NE(e.message.find("TabIndex"), std::string::npos) << e.message;
    }
}
