// The toolkit's wrappers of the common controls, streamed from a layout: their published properties reach
// the native windows, what the user does reaches their events, and a new window keeps their state.
#include "WidgetTestForm.h"

#include "toolkit/TPageControl.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTrackBar.h"
#include "toolkit/TUpDown.h"

using namespace widget_tests;

namespace {

const char* const kLayout = R"(object CommonForm: TCommonForm
  Left = 10
  Top = 10
  Width = 460
  Height = 360
  Caption = "通用控件"
  object Progress: TProgressBar
    Left = 8
    Top = 8
    Width = 200
    Height = 18
    Min = 10
    Max = 60
    Position = 30
    Step = 20
    Smooth = true
  end
  object Track: TTrackBar
    Left = 8
    Top = 32
    Width = 200
    Height = 32
    Max = 20
    Position = 5
    PageSize = 5
    OnChange = @TrackChange
  end
  object Count: TEdit
    Left = 220
    Top = 8
    Width = 80
    Height = 22
  end
  object Spin: TUpDown
    Left = 0
    Top = 0
    Min = 1
    Max = 3
    Position = 2
    Wrap = true
    Associate = "Count"
    OnClick = @SpinClick
  end
  object Tabs: TTabControl
    Left = 220
    Top = 40
    Width = 220
    Height = 60
    Tabs = "第一章\n第二章\n第三章"
    TabIndex = 1
    OnChange = @TabChange
    OnChanging = @TabChanging
  end
  object Pages: TPageControl
    Left = 8
    Top = 110
    Width = 300
    Height = 180
    ActivePage = "Second"
    OnChange = @TabChange
    object First: TTabSheet
      Caption = "练习"
    end
    object Second: TTabSheet
      Caption = "考试"
    end
    object Hidden: TTabSheet
      Caption = "隐藏"
      TabVisible = false
    end
  end
end
)";

class TCommonForm : public TForm {
    TK_CLASS(TCommonForm, TForm)
public:
    explicit TCommonForm(TComponent* owner) : TForm(owner) {
        DefineMethod("TrackChange", &TCommonForm::TrackChange);
        DefineMethod("SpinClick", &TCommonForm::SpinClick);
        DefineMethod("TabChange", &TCommonForm::TabChange);
        DefineMethod("TabChanging", &TCommonForm::TabChanging);
        LoadLayout(kLayout, "common.layout");
        DoCreate();
    }
    void TrackChange(TObject* sender) {
        events.push_back(static_cast<TComponent*>(sender)->Name() + " change");
    }
    void SpinClick(TObject*, TUDBtnType button) {
        events.push_back(button == TUDBtnType::btNext ? "next" : "prev");
    }
    void TabChange(TObject* sender) {
        events.push_back(static_cast<TComponent*>(sender)->Name() + " change");
    }
    void TabChanging(TObject*, bool& allow) {
        events.push_back("changing");
        allow = allowTabChange;
    }
    template <class T> T* Get(const char* name) {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::vector<std::string> events;
    bool allowTabChange = true;
};

TK_IMPLEMENT_CLASS(TCommonForm, TForm, nullptr)

class CommonWrappers : public Widgets {
protected:
    TCommonForm* Make() {
        auto* form = new TCommonForm(Application);
        form->Show();
        m_display->Pump();
        return form;
    }
    void TabClick(TCustomTabControl* tabs, int index) {
        win::RECT r{};
        ASSERT_TRUE(win::SendMessageA(tabs->Handle(), win::TCM_GETITEMRECT, static_cast<win::WPARAM>(index),
                                      reinterpret_cast<win::LPARAM>(&r)));
        ClickAt(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    std::string Text(win::HWND w) {
        char buffer[64] = {};
        win::GetWindowTextA(w, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(CommonWrappers, LayoutsCreateThemByNameAndTheirPropertiesReachTheWindows) {
    for (const char* name :
         {"TProgressBar", "TTrackBar", "TUpDown", "TTabControl", "TPageControl", "TTabSheet"})
        EXPECT_NE(FindClass(name), nullptr) << name;
    TCommonForm* form = Make();
    auto* progress = form->Get<TProgressBar>("Progress");
    EXPECT_EQ(win::SendMessageA(progress->Handle(), win::PBM_GETPOS, 0, 0), 30);
    EXPECT_EQ(win::SendMessageA(progress->Handle(), win::PBM_GETRANGE, win::TRUE, 0), 10);
    EXPECT_TRUE(win::GetWindowLongA(progress->Handle(), win::GWL_STYLE) & win::PBS_SMOOTH);
    progress->StepIt();
    progress->StepIt();
    EXPECT_EQ(GetPropertyValue(*progress, "Position"), PropertyValue(std::int64_t{10 + 10}))
        << "70 started over";
    SetPropertyValue(*progress, "Max", PropertyValue(std::int64_t{5}));
    EXPECT_EQ(progress->Min(), 5) << "a maximum below the minimum swaps them";
    EXPECT_EQ(progress->Max(), 10);

    auto* track = form->Get<TTrackBar>("Track");
    EXPECT_EQ(win::SendMessageA(track->Handle(), win::TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(win::SendMessageA(track->Handle(), win::TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(win::SendMessageA(track->Handle(), win::TBM_GETPAGESIZE, 0, 0), 5);

    auto* spin = form->Get<TUpDown>("Spin");
    auto* count = form->Get<TEdit>("Count");
    EXPECT_EQ(spin->Associate(), count);
    EXPECT_EQ(Text(count->Handle()), "2");
    EXPECT_EQ(spin->Left() + spin->Width(), 300) << "stands inside the edit's right edge";

    auto* tabs = form->Get<TTabControl>("Tabs");
    EXPECT_EQ(win::SendMessageA(tabs->Handle(), win::TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(*tabs, "Tabs")), "第一章\n第二章\n第三章");

    auto* pages = form->Get<TPageControl>("Pages");
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), form->Get<TTabSheet>("Second"));
    EXPECT_EQ(win::SendMessageA(pages->Handle(), win::TCM_GETITEMCOUNT, 0, 0), 2)
        << "a hidden tab has no tab";
    EXPECT_TRUE(win::IsWindowVisible(form->Get<TTabSheet>("Second")->Handle()));
    EXPECT_FALSE(win::IsWindowVisible(form->Get<TTabSheet>("First")->Handle()));
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(CommonWrappers, UserActionsRunTheEvents) {
    TCommonForm* form = Make();
    auto* track = form->Get<TTrackBar>("Track");
    track->SetFocus();
    m_display->Key(win::VK_RIGHT);
    m_display->Key(win::VK_END);
    m_display->Key(win::VK_END);
    EXPECT_EQ(track->Position(), 20);
    EXPECT_EQ(form->events, (std::vector<std::string>{"Track change", "Track change"}))
        << "a key that moves nothing changes nothing";
    track->SetPosition(3);
    EXPECT_EQ(form->events.size(), 2u) << "setting Position from code runs no event";

    form->events.clear();
    auto* spin = form->Get<TUpDown>("Spin");
    ClickAt(spin, spin->Width() / 2, 2);
    ClickAt(spin, spin->Width() / 2, 2);
    ClickAt(spin, spin->Width() / 2, spin->Height() - 3);
    EXPECT_EQ(form->events, (std::vector<std::string>{"next", "next", "prev"}));
    EXPECT_EQ(spin->Position(), 3) << "2, 3, wrapped to 1, back to 3";
    EXPECT_EQ(Text(form->Get<TEdit>("Count")->Handle()), "3");

    form->events.clear();
    auto* tabs = form->Get<TTabControl>("Tabs");
    form->allowTabChange = false;
    TabClick(tabs, 2);
    EXPECT_EQ(tabs->TabIndex(), 1) << "OnChanging refused";
    form->allowTabChange = true;
    TabClick(tabs, 2);
    EXPECT_EQ(tabs->TabIndex(), 2);
    EXPECT_EQ(form->events, (std::vector<std::string>{"changing", "changing", "Tabs change"}));

    form->events.clear();
    auto* pages = form->Get<TPageControl>("Pages");
    TabClick(pages, 0);
    EXPECT_EQ(pages->ActivePage(), form->Get<TTabSheet>("First"));
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_TRUE(win::IsWindowVisible(form->Get<TTabSheet>("First")->Handle()));
    EXPECT_FALSE(win::IsWindowVisible(form->Get<TTabSheet>("Second")->Handle()));
    EXPECT_EQ(form->events, (std::vector<std::string>{"Pages change"}));
    EXPECT_TRUE(m_errors.empty());
}

TEST_F(CommonWrappers, ANewWindowKeepsTheState) {
    TCommonForm* form = Make();
    auto* progress = form->Get<TProgressBar>("Progress");
    win::SendMessageA(progress->Handle(), win::PBM_SETPOS, 55, 0);
    progress->SetOrientation(TProgressBarOrientation::pbVertical);
    EXPECT_TRUE(win::GetWindowLongA(progress->Handle(), win::GWL_STYLE) & win::PBS_VERTICAL);
    EXPECT_EQ(win::SendMessageA(progress->Handle(), win::PBM_GETPOS, 0, 0), 55);
    EXPECT_EQ(win::SendMessageA(progress->Handle(), win::PBM_GETRANGE, win::FALSE, 0), 60);

    auto* track = form->Get<TTrackBar>("Track");
    track->SetFocus();
    m_display->Key(win::VK_NEXT);
    track->SetOrientation(TTrackBarOrientation::trVertical);
    EXPECT_EQ(win::SendMessageA(track->Handle(), win::TBM_GETPOS, 0, 0), 10);
    EXPECT_EQ(win::SendMessageA(track->Handle(), win::TBM_GETRANGEMAX, 0, 0), 20);

    auto* tabs = form->Get<TTabControl>("Tabs");
    tabs->RecreateWnd();
    EXPECT_EQ(win::SendMessageA(tabs->Handle(), win::TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(win::SendMessageA(tabs->Handle(), win::TCM_GETCURSEL, 0, 0), 1);

    auto* spin = form->Get<TUpDown>("Spin");
    spin->SetWrap(false);
    EXPECT_EQ(spin->Position(), 2);
    EXPECT_EQ(reinterpret_cast<win::HWND>(win::SendMessageA(spin->Handle(), win::UDM_GETBUDDY, 0, 0)),
              form->Get<TEdit>("Count")->Handle());

    auto* pages = form->Get<TPageControl>("Pages");
    pages->RecreateWnd();
    EXPECT_EQ(win::SendMessageA(pages->Handle(), win::TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(win::IsWindowVisible(form->Get<TTabSheet>("Second")->Handle()));
}

TEST_F(CommonWrappers, BadValuesAreRefusedClearly) {
    TCommonForm* form = Make();
    auto* spin = form->Get<TUpDown>("Spin");
    EXPECT_THROW(SetPropertyValue(*spin, "Associate", PropertyValue(std::string("Nobody"))), PropertyError);
    auto* pages = form->Get<TPageControl>("Pages");
    EXPECT_THROW(SetPropertyValue(*pages, "ActivePage", PropertyValue(std::string("Nowhere"))),
                 PropertyError);
    pages->SetActivePage(form->Get<TTabSheet>("Hidden"));
    EXPECT_EQ(pages->ActivePage(), form->Get<TTabSheet>("Second")) << "a page without a tab cannot be active";
    pages->SetActivePageIndex(99);
    EXPECT_EQ(pages->ActivePage(), nullptr);
    auto* tabs = form->Get<TTabControl>("Tabs");
    tabs->SetTabIndex(-7);
    EXPECT_EQ(tabs->TabIndex(), -1);
    tabs->SetTabs("");
    EXPECT_EQ(win::SendMessageA(tabs->Handle(), win::TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_THROW(
        SetPropertyValue(*form->Get<TTrackBar>("Track"), "Orientation", PropertyValue(std::string("up"))),
        PropertyError);
}

} // namespace
