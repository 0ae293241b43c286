// The list, choice, scroll and status wrappers, streamed from a layout: their published properties reach the
// native windows, what the user does reaches their events, a new window keeps their state, and values they
// cannot show are refused.
#include "WidgetTestForm.h"

#include "toolkit/TComboBox.h"
#include "toolkit/THeaderControl.h"
#include "toolkit/THeaderSection.h"
#include "toolkit/TListBox.h"
#include "toolkit/TScrollBar.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanel.h"
#include "toolkit/TToolBar.h"
#include "toolkit/TToolButton.h"

#include "toolkit/layout/LayoutDocument.h"

using namespace widget_tests;

namespace {

const char* const kLayout = R"(object ListForm: TListForm
  Left = 10
  Top = 10
  Width = 460
  Height = 360
  Caption = "题库"
  object Subjects: TComboBox
    Left = 8
    Top = 8
    Width = 160
    ItemIndex = 1
    Items = "法规\n安全\n服务"
    Style = csDropDownList
    OnChange = @Changed
  end
  object Search: TComboBox
    Left = 180
    Top = 8
    Width = 160
    Items = "路口\n夜间"
    Text = "雨天"
    OnChange = @Changed
  end
  object Chapters: TListBox
    Left = 8
    Top = 40
    Width = 160
    Height = 120
    Items = "第一章\r\n第二章\r\n第三章\r\n"
    OnClick = @Changed
  end
  object Scroller: TScrollBar
    Left = 180
    Top = 40
    Width = 200
    Height = 17
    Position = 150
    Max = 300
    Min = 100
    PageSize = 20
    SmallChange = 5
    LargeChange = 50
    OnChange = @Changed
    OnScroll = @Scrolled
  end
  object Notes: TMemo
    Left = 180
    Top = 70
    Width = 200
    Height = 80
    Lines = "一\n二\r\n三"
    ScrollBars = ssVertical
  end
  object Columns: THeaderControl
    Left = 8
    Top = 250
    Width = 300
    Height = 20
    OnSectionClick = @SectionClick
    object Question: THeaderSection
      Text = "题目"
      Width = 120
    end
    object Answer: THeaderSection
      Text = "答案"
      Width = 80
    end
  end
  object Tools: TToolBar
    object Practise: TToolButton
      Caption = "练习"
      OnClick = @Changed
    end
    object Gap: TToolButton
      Style = tbsSeparator
    end
    object Timer: TToolButton
      Caption = "计时"
      Style = tbsCheck
      Down = true
      OnClick = @Changed
    end
    object Exam: TToolButton
      Caption = "考试"
      Enabled = false
      OnClick = @Changed
    end
  end
  object Status: TStatusBar
    SimpleText = "就绪"
    object Mode: TStatusPanel
      Text = "练习"
      Width = 80
    end
    object Score: TStatusPanel
      Text = "0 分"
      Width = 120
    end
  end
end
)";

class TListForm : public TForm {
    TK_CLASS(TListForm, TForm)
public:
    TListForm(TComponent* owner, const std::string& layout) : TForm(owner) {
        DefineMethod("Changed", &TListForm::Changed);
        DefineMethod("Scrolled", &TListForm::Scrolled);
        DefineMethod("SectionClick", &TListForm::SectionClick);
        LoadLayout(layout, "lists.layout");
        DoCreate();
    }
    void Changed(TObject* sender) { events.push_back(static_cast<TComponent*>(sender)->Name()); }
    void Scrolled(TObject*, TScrollCode code, int& position) {
        scrolls.push_back(static_cast<int>(code));
        if (stopAt >= 0)
            position = std::min(position, stopAt);
    }
    void SectionClick(TObject*, THeaderSection* section) { events.push_back("section " + section->Name()); }
    template <class T> T* Get(const char* name) {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::vector<std::string> events;
    std::vector<int> scrolls;
    int stopAt = -1;
};

TK_IMPLEMENT_CLASS(TListForm, TForm, nullptr)

class ListWrappers : public Widgets {
protected:
    TListForm* Make(const std::string& layout = kLayout) {
        auto* form = new TListForm(Application, layout);
        form->Show();
        m_display->Pump();
        return form;
    }
    // The layout with one line replaced, for the layouts that must fail.
    static std::string With(const std::string& from, const std::string& to) {
        std::string text = kLayout;
        text.replace(text.find(from), from.size(), to);
        return text;
    }
    // What loading the layout reports, empty when it loads.
    std::string LoadFailure(const std::string& layout) {
        try {
            Make(layout);
        } catch (const tk::layout::LayoutError& e) {
            return e.What();
        } catch (const PropertyError& e) {
            return e.message;
        }
        return {};
    }
    static std::string Text(win::HWND w) {
        char buffer[256] = {};
        win::GetWindowTextA(w, buffer, sizeof buffer);
        return buffer;
    }
    static std::string StatusText(TStatusBar* bar, int part) {
        char buffer[256] = {};
        win::SendMessageA(bar->Handle(), win::SB_GETTEXTA, static_cast<win::WPARAM>(part),
                          reinterpret_cast<win::LPARAM>(buffer));
        return buffer;
    }
    static win::RECT ItemRect(TWinControl* control, win::UINT message, int index) {
        win::RECT r{};
        win::SendMessageA(control->Handle(), message, static_cast<win::WPARAM>(index),
                          reinterpret_cast<win::LPARAM>(&r));
        return r;
    }
    void ClickItem(TWinControl* control, win::UINT message, int index) {
        const win::RECT r = ItemRect(control, message, index);
        ClickAt(control, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static win::HDITEMA Section(THeaderControl* header, int index, char* text) {
        win::HDITEMA item;
        item.mask = win::HDI_TEXT | win::HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 64;
        win::SendMessageA(header->Handle(), win::HDM_GETITEMA, static_cast<win::WPARAM>(index),
                          reinterpret_cast<win::LPARAM>(&item));
        return item;
    }
    static win::SCROLLINFO Info(TScrollBar* bar) {
        win::SCROLLINFO info;
        info.fMask = win::SIF_ALL;
        win::SendMessageA(bar->Handle(), win::SBM_GETSCROLLINFO, 0, reinterpret_cast<win::LPARAM>(&info));
        return info;
    }
};

TEST_F(ListWrappers, LayoutsCreateThemAndTheirPropertiesReachTheWindows) {
    for (const char* name : {"TComboBox", "TListBox", "TScrollBar", "TStatusBar", "TStatusPanel"})
        EXPECT_NE(FindClass(name), nullptr) << name;
    TListForm* form = Make();
    auto* subjects = form->Get<TComboBox>("Subjects");
    EXPECT_EQ(win::SendMessageA(subjects->Handle(), win::CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(win::SendMessageA(subjects->Handle(), win::CB_GETCURSEL, 0, 0), 1)
        << "an index given before the items still counts";
    EXPECT_EQ((win::GetWindowLongA(subjects->Handle(), win::GWL_STYLE) & 3), win::CBS_DROPDOWNLIST);
    EXPECT_EQ(subjects->Text(), "安全");
    EXPECT_EQ(Text(form->Get<TComboBox>("Search")->Handle()), "雨天");
    for (const char* name : {"Subjects", "Search"}) {
        // The scroll bar belongs to the drop-down list; none may take room beside the box itself.
        win::RECT client{}, window{};
        const win::HWND box = form->Get<TComboBox>(name)->Handle();
        win::GetClientRect(box, &client);
        win::GetWindowRect(box, &window);
        EXPECT_GE(client.right, window.right - window.left - 4) << name;
    }

    auto* chapters = form->Get<TListBox>("Chapters");
    EXPECT_EQ(win::SendMessageA(chapters->Handle(), win::LB_GETCOUNT, 0, 0), 3)
        << "a last line break adds none";
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*chapters, "Items")), "第一章\n第二章\n第三章");
    EXPECT_EQ(chapters->ItemIndex(), -1);

    auto* scroller = form->Get<TScrollBar>("Scroller");
    const win::SCROLLINFO info = Info(scroller);
    EXPECT_EQ(info.nMin, 100);
    EXPECT_EQ(info.nMax, 300);
    EXPECT_EQ(info.nPage, 20u);
    EXPECT_EQ(info.nPos, 150) << "a position given before its range is kept";

    auto* notes = form->Get<TMemo>("Notes");
    EXPECT_EQ(Text(notes->Handle()), "一\r\n二\r\n三");
    EXPECT_EQ(notes->Lines(), "一\n二\n三");
    EXPECT_TRUE(win::GetWindowLongA(notes->Handle(), win::GWL_STYLE) & win::WS_VSCROLL);

    auto* status = form->Get<TStatusBar>("Status");
    ASSERT_EQ(status->PanelCount(), 2);
    int rights[4] = {};
    EXPECT_EQ(win::SendMessageA(status->Handle(), win::SB_GETPARTS, 4, reinterpret_cast<win::LPARAM>(rights)),
              2);
    EXPECT_EQ(rights[0], 80);
    EXPECT_EQ(rights[1], -1) << "the last panel runs to the end";
    EXPECT_EQ(StatusText(status, 1), "0 分");
    EXPECT_EQ(status->Top() + status->Height(), form->ClientHeight()) << "along the bottom";
    EXPECT_EQ(status->Width(), form->ClientWidth());

    auto* columns = form->Get<THeaderControl>("Columns");
    EXPECT_EQ(win::SendMessageA(columns->Handle(), win::HDM_GETITEMCOUNT, 0, 0), 2);
    char text[64] = {};
    EXPECT_EQ(Section(columns, 1, text).cxy, 80);
    EXPECT_STREQ(text, "答案");

    auto* tools = form->Get<TToolBar>("Tools");
    EXPECT_EQ(win::SendMessageA(tools->Handle(), win::TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_TRUE(win::SendMessageA(tools->Handle(), win::TB_ISBUTTONCHECKED, 3, 0));
    EXPECT_FALSE(win::SendMessageA(tools->Handle(), win::TB_ISBUTTONENABLED, 4, 0));
    EXPECT_EQ(tools->Top(), 0) << "along the top";
    EXPECT_EQ(tools->Width(), form->ClientWidth());
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(ListWrappers, UserActionsRunTheEventsAndCodeRunsNone) {
    TListForm* form = Make();
    auto* subjects = form->Get<TComboBox>("Subjects");
    subjects->SetFocus();
    m_display->Key(win::VK_DOWN);
    EXPECT_EQ(subjects->ItemIndex(), 2);
    EXPECT_EQ(subjects->Text(), "服务");
    subjects->SetItemIndex(0);
    EXPECT_EQ(form->events, (std::vector<std::string>{"Subjects"}));

    form->events.clear();
    auto* search = form->Get<TComboBox>("Search");
    search->SetFocus();
    m_display->TypeText("路");
    m_display->Pump();
    EXPECT_EQ(form->events, (std::vector<std::string>{"Search"}));
    search->SetText("晴天");
    EXPECT_EQ(form->events.size(), 1u);

    form->events.clear();
    auto* chapters = form->Get<TListBox>("Chapters");
    const int row = static_cast<int>(win::SendMessageA(chapters->Handle(), win::LB_GETITEMHEIGHT, 0, 0));
    ClickAt(chapters, 20, row + row / 2);
    EXPECT_EQ(chapters->ItemIndex(), 1);
    EXPECT_EQ(form->events, (std::vector<std::string>{"Chapters"})) << "one click, one OnClick";
    chapters->SetItemIndex(2);
    EXPECT_EQ(form->events.size(), 1u);

    form->events.clear();
    auto* scroller = form->Get<TScrollBar>("Scroller");
    ClickAt(scroller, scroller->Width() - 3, scroller->Height() / 2);
    EXPECT_EQ(scroller->Position(), 155) << "an arrow moves by SmallChange";
    EXPECT_EQ(Info(scroller).nPos, 155);
    scroller->SetFocus();
    m_display->Key(win::VK_END);
    EXPECT_EQ(scroller->Position(), 281) << "the page stays inside the range";
    form->stopAt = 200;
    m_display->Key(win::VK_HOME);
    EXPECT_EQ(scroller->Position(), 100) << "OnScroll may hold the thumb back, not push it";
    m_display->Key(win::VK_NEXT);
    EXPECT_EQ(scroller->Position(), 150);
    m_display->Key(win::VK_NEXT);
    EXPECT_EQ(scroller->Position(), 200) << "held at OnScroll's limit";
    EXPECT_EQ(form->events,
              (std::vector<std::string>{"Scroller", "Scroller", "Scroller", "Scroller", "Scroller"}));
    EXPECT_EQ(form->scrolls.front(), static_cast<int>(TScrollCode::scLineDown));
    form->events.clear();
    scroller->SetPosition(120);
    EXPECT_EQ(form->events, (std::vector<std::string>{"Scroller"}))
        << "code that moves it tells OnChange too";
    scroller->SetPosition(120);
    EXPECT_EQ(form->events.size(), 1u);

    form->events.clear();
    auto* columns = form->Get<THeaderControl>("Columns");
    ClickItem(columns, win::HDM_GETITEMRECT, 1);
    EXPECT_EQ(form->events, (std::vector<std::string>{"section Answer"}));
    const win::POINT divider = columns->ClientToScreen({120, 10});
    m_display->MouseMove(divider.x, divider.y);
    m_display->MouseDown();
    m_display->MouseMove(divider.x + 30, divider.y);
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(form->Get<THeaderSection>("Question")->Width(), 150) << "a dragged width is kept";

    form->events.clear();
    auto* tools = form->Get<TToolBar>("Tools");
    ClickItem(tools, win::TB_GETITEMRECT, 0);
    ClickItem(tools, win::TB_GETITEMRECT, 2);
    ClickItem(tools, win::TB_GETITEMRECT, 3);
    EXPECT_EQ(form->events, (std::vector<std::string>{"Practise", "Timer"}))
        << "a disabled button does nothing";
    EXPECT_FALSE(form->Get<TToolButton>("Timer")->Down()) << "a check button comes up";
    form->Get<TToolButton>("Timer")->SetDown(true);
    EXPECT_TRUE(win::SendMessageA(tools->Handle(), win::TB_ISBUTTONCHECKED, 3, 0));
    EXPECT_EQ(form->events.size(), 2u);
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(ListWrappers, ProgramChangesReachTheWindows) {
    TListForm* form = Make();
    auto* status = form->Get<TStatusBar>("Status");
    form->Get<TStatusPanel>("Score")->SetText("90 分");
    EXPECT_EQ(StatusText(status, 1), "90 分");
    status->AddPanel("考试", 60);
    int rights[4] = {};
    EXPECT_EQ(win::SendMessageA(status->Handle(), win::SB_GETPARTS, 4, reinterpret_cast<win::LPARAM>(rights)),
              3);
    EXPECT_EQ(rights[1], 200);
    delete form->Get<TStatusPanel>("Mode");
    EXPECT_EQ(status->PanelCount(), 2);
    EXPECT_EQ(StatusText(status, 0), "90 分");
    status->SetSimplePanel(true);
    EXPECT_TRUE(win::SendMessageA(status->Handle(), win::SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(StatusText(status, win::SB_SIMPLEID), "就绪");

    auto* chapters = form->Get<TListBox>("Chapters");
    chapters->SetItemIndex(2);
    chapters->SetItems("甲\n乙");
    EXPECT_EQ(chapters->ItemIndex(), -1) << "a choice past the new items is dropped";
    EXPECT_EQ(win::SendMessageA(chapters->Handle(), win::LB_GETCOUNT, 0, 0), 2);

    auto* notes = form->Get<TMemo>("Notes");
    notes->SetLines("a\nb");
    EXPECT_EQ(Text(notes->Handle()), "a\r\nb");
}

TEST_F(ListWrappers, ANewWindowKeepsTheState) {
    TListForm* form = Make();
    auto* subjects = form->Get<TComboBox>("Subjects");
    subjects->SetFocus();
    m_display->Key(win::VK_DOWN);
    subjects->SetStyle(TComboBoxStyle::csDropDown);
    EXPECT_EQ(win::SendMessageA(subjects->Handle(), win::CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(win::SendMessageA(subjects->Handle(), win::CB_GETCURSEL, 0, 0), 2);

    auto* search = form->Get<TComboBox>("Search");
    search->SetFocus();
    m_display->TypeText("雪");
    m_display->Pump();
    const std::string typed = search->Text();
    search->RecreateWnd();
    EXPECT_EQ(Text(search->Handle()), typed);

    auto* chapters = form->Get<TListBox>("Chapters");
    const int row = static_cast<int>(win::SendMessageA(chapters->Handle(), win::LB_GETITEMHEIGHT, 0, 0));
    ClickAt(chapters, 20, row / 2);
    chapters->RecreateWnd();
    EXPECT_EQ(win::SendMessageA(chapters->Handle(), win::LB_GETCURSEL, 0, 0), 0);

    auto* scroller = form->Get<TScrollBar>("Scroller");
    scroller->SetFocus();
    m_display->Key(win::VK_NEXT);
    scroller->SetKind(TScrollBarKind::sbVertical);
    EXPECT_TRUE(win::GetWindowLongA(scroller->Handle(), win::GWL_STYLE) & win::SBS_VERT);
    EXPECT_EQ(Info(scroller).nPos, 200);
    EXPECT_EQ(scroller->Height(), 200) << "turned on its side";

    auto* notes = form->Get<TMemo>("Notes");
    notes->SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_EQ(notes->Lines(), "一\n二\n三");
    EXPECT_TRUE(win::GetWindowLongA(notes->Handle(), win::GWL_STYLE) & win::WS_HSCROLL);

    auto* tools = form->Get<TToolBar>("Tools");
    ClickItem(tools, win::TB_GETITEMRECT, 2);
    form->Get<TToolButton>("Exam")->SetEnabled(true);
    tools->RecreateWnd();
    EXPECT_FALSE(win::SendMessageA(tools->Handle(), win::TB_ISBUTTONCHECKED, 3, 0));
    EXPECT_TRUE(win::SendMessageA(tools->Handle(), win::TB_ISBUTTONENABLED, 4, 0));

    auto* columns = form->Get<THeaderControl>("Columns");
    form->Get<THeaderSection>("Answer")->SetWidth(90);
    columns->RecreateWnd();
    char text[64] = {};
    EXPECT_EQ(Section(columns, 1, text).cxy, 90);

    auto* status = form->Get<TStatusBar>("Status");
    status->RecreateWnd();
    EXPECT_EQ(StatusText(status, 0), "练习");
    EXPECT_EQ(status->Top() + status->Height(), form->ClientHeight());
}

TEST_F(ListWrappers, BadValuesAreRefusedClearly) {
    TListForm* form = Make();
    auto* subjects = form->Get<TComboBox>("Subjects");
    EXPECT_THROW(subjects->SetItemIndex(3), PropertyError);
    EXPECT_THROW(SetPropertyValue(*subjects, "ItemIndex", PropertyValue(std::int64_t{-2})), PropertyError);
    EXPECT_EQ(subjects->ItemIndex(), 1) << "a refused index changes nothing";
    subjects->SetText("没有");
    EXPECT_EQ(subjects->ItemIndex(), -1) << "a list shows only its items";
    EXPECT_THROW(form->Get<TListBox>("Chapters")->SetItemIndex(3), PropertyError);

    auto* scroller = form->Get<TScrollBar>("Scroller");
    EXPECT_THROW(scroller->SetMin(301), PropertyError);
    EXPECT_THROW(scroller->SetPageSize(202), PropertyError);
    EXPECT_THROW(scroller->SetPageSize(-1), PropertyError);
    EXPECT_EQ(scroller->Min(), 100);
    EXPECT_EQ(scroller->PageSize(), 20);
    scroller->SetParams(0, INT32_MIN, INT32_MAX, 0);
    scroller->SetSmallChange(INT32_MAX);
    ClickAt(scroller, scroller->Width() - 3, scroller->Height() / 2);
    ClickAt(scroller, scroller->Width() - 3, scroller->Height() / 2);
    EXPECT_EQ(scroller->Position(), INT32_MAX) << "wide steps stop at the end";

    EXPECT_THROW(
        SetPropertyValue(*form->Get<TToolButton>("Gap"), "Style", PropertyValue(std::string("tbsRound"))),
        PropertyError);
    delete form;
    struct Case {
        const char* from;
        const char* to;
        const char* said;
    };
    for (const Case& c :
         {Case{"ItemIndex = 1", "ItemIndex = 3", "ItemIndex: 3 is outside the 3 items"},
          Case{"Min = 100", "Min = 400", "Min (400) is above Max (300)"},
          Case{"PageSize = 20", "PageSize = 500", "PageSize 500"},
          Case{"  object Status: TStatusBar", "  object Stray: TStatusPanel\n  end\n  object S: TStatusBar",
               "inside a TStatusBar"}}) {
        const std::string said = LoadFailure(With(c.from, c.to));
        EXPECT_NE(said.find(c.said), std::string::npos) << c.to << " said: " << said;
    }
}

} // namespace
