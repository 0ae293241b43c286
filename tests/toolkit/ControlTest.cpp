#include "ControlTestClasses.h"
#include "support/TestGuards.h"

#include <gtest/gtest.h>

#include <regex>

using namespace control_tests;

namespace control_tests {
namespace {
void DefinePanel(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::ColorProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(TWinControl::OnKeyPressProperty());
    p.push_back(TWinControl::TabOrderProperty());
    p.push_back(TControl::OnClickProperty());
}
void DefineLabel(std::vector<PropertyInfo>& p) {
    p.push_back(TControl::CaptionProperty());
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::OnClickProperty());
}
} // namespace
TK_IMPLEMENT_CLASS(TProbePanel, TWinControl, DefinePanel)
TK_IMPLEMENT_CLASS(TProbeLabel, TGraphicControl, DefineLabel)
TK_IMPLEMENT_CLASS(TProbeForm, TForm, nullptr)
} // namespace control_tests

namespace {

const char* kLayout = R"(object ProbeForm: TProbeForm
  Caption = "练习"
  ClientWidth = 300
  ClientHeight = 200
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Position = poScreenCenter
  Font.Color = clRed
  OnCreate = @FormCreate
  OnShow = @FormShow
  object Outer: TProbePanel
    Left = 10
    Top = 20
    Width = 200
    Height = 150
    OnKeyPress = @PanelKeyPress
    object Inner: TProbePanel
      Left = 5
      Top = 6
      Width = 100
      Height = 60
      object Link: TProbeLabel
        Left = 30
        Top = 12
        Caption = "【顺序】"
        OnClick = @LabelClick
      end
    end
  end
end
)";

class ToolkitWindows : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeToolkit();
        Application->OnException = [this](const std::string& message) { m_errors.push_back(message); };
    }
    void TearDown() override { FinalizeToolkit(); }

    std::vector<std::string> m_errors;
};

} // namespace

TEST_F(ToolkitWindows, LayoutBuildsWindowsNamedAfterTheirClasses) {
    auto* form = new TProbeForm(Application, kLayout);
    EXPECT_EQ(form->created, 1);
    auto* outer = static_cast<TProbePanel*>(form->FindComponent("Outer"));
    auto* inner = static_cast<TProbePanel*>(form->FindComponent("Inner"));
    auto* link = static_cast<TProbeLabel*>(form->FindComponent("Link"));
    ASSERT_TRUE(outer && inner && link);
    EXPECT_EQ(inner->Parent(), outer);
    EXPECT_EQ(link->Parent(), inner);

    win::HWND hwnd = form->Handle();
    ASSERT_NE(hwnd, nullptr);
    char name[64] = {};
    win::GetClassNameA(inner->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TProbePanel");
    win::GetClassNameA(hwnd, name, sizeof name);
    EXPECT_STREQ(name, "TProbeForm");
    EXPECT_EQ(win::GetParent(inner->Handle()), outer->Handle());
    EXPECT_EQ(win::GetParent(outer->Handle()), hwnd);

    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 300) << "the layout's client size survives the frame";
    EXPECT_EQ(client.bottom, 200);
    win::RECT r{};
    win::GetWindowRect(inner->Handle(), &r);
    win::POINT origin{0, 0};
    win::ClientToScreen(outer->Handle(), &origin);
    EXPECT_EQ(r.left - origin.x, 5);
    EXPECT_EQ(r.top - origin.y, 6);
    EXPECT_EQ(inner->Font()->Color(), clRed) << "children follow the form's font";
    EXPECT_FALSE(win::IsWindowVisible(hwnd)) << "forms start hidden";
}

TEST_F(ToolkitWindows, TabOrderNeverChangesWhichControlLiesAbove) {
    // A frame written before the buttons it surrounds stays beneath them, whatever tab order the buttons
    // are given; Tab still walks the tab order.
    auto* form = new TProbeForm(Application, R"(object ProbeForm: TProbeForm
  object Frame: TProbePanel
    Left = 0
    Top = 0
    Width = 200
    Height = 200
  end
  object First: TProbePanel
    Left = 10
    Top = 10
    TabOrder = 1
  end
  object Second: TProbePanel
    Left = 10
    Top = 100
    TabOrder = 0
  end
end
)");
    auto* frame = static_cast<TWinControl*>(form->FindComponent("Frame"));
    auto* first = static_cast<TWinControl*>(form->FindComponent("First"));
    auto* second = static_cast<TWinControl*>(form->FindComponent("Second"));
    form->HandleNeeded();
    EXPECT_EQ(win::GetWindow(form->Handle(), win::GW_CHILD), second->Handle())
        << "the last written lies on top";
    EXPECT_EQ(win::GetWindow(second->Handle(), win::GW_HWNDNEXT), first->Handle());
    EXPECT_EQ(win::GetWindow(first->Handle(), win::GW_HWNDNEXT), frame->Handle());
    EXPECT_EQ(form->Controls(0), frame);
    EXPECT_EQ(second->TabOrder(), 0);
    EXPECT_LT(second->TabOrder(), first->TabOrder()) << "Tab walks the tab order";
}

TEST_F(ToolkitWindows, ControlIsFoundFromItsWindowThroughTheAtomProperty) {
    auto* form = new TProbeForm(Application, kLayout);
    auto* inner = static_cast<TProbePanel*>(form->FindComponent("Inner"));
    EXPECT_TRUE(std::regex_match(TWinControl::ControlAtomName(), std::regex("ControlOfs[0-9A-F]{16}")));
    EXPECT_EQ(TWinControl::FindControl(inner->Handle()), inner);
    EXPECT_EQ(win::GetPropA(inner->Handle(), TWinControl::ControlAtomName().c_str()),
              reinterpret_cast<win::HANDLE>(static_cast<TWinControl*>(inner)));
    EXPECT_EQ(TWinControl::FindControl(nullptr), nullptr);
}

TEST_F(ToolkitWindows, ReplacedWindowProcSeesEveryMessageUntilRestored) {
    auto* form = new TProbeForm(Application, kLayout);
    auto* inner = static_cast<TProbePanel*>(form->FindComponent("Inner"));
    win::HWND hwnd = inner->Handle();

    std::vector<win::UINT> seen;
    auto saved = inner->WindowProc;
    taxi::test::ScopedValue<decltype(saved)> hook(inner->WindowProc, [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == win::WM_USER + 7) {
            m.Result = 77; // answered by the hook alone
            return;
        }
        saved(m);
    });
    EXPECT_EQ(win::SendMessageA(hwnd, win::WM_USER + 7, 0, 0), 77);
    win::SendMessageA(hwnd, win::WM_USER + 8, 0, 0);
    inner->SetEnabled(false);
    inner->Perform(CM_MOUSEENTER);
    EXPECT_NE(std::find(seen.begin(), seen.end(), win::WM_USER + 8), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), win::WM_ENABLE), seen.end()) << "native messages pass too";
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_MOUSEENTER), seen.end());
    EXPECT_EQ(std::find(inner->defaulted.begin(), inner->defaulted.end(), win::WM_USER + 7),
              inner->defaulted.end());

    hook.Restore();
    std::size_t before = seen.size();
    win::SendMessageA(hwnd, win::WM_USER + 9, 0, 0);
    EXPECT_EQ(seen.size(), before);
    EXPECT_FALSE(win::IsWindowEnabled(hwnd));
}

TEST_F(ToolkitWindows, WindowlessChildGetsMouseInItsOwnCoordinatesAndClicks) {
    auto* form = new TProbeForm(Application, kLayout);
    auto* inner = static_cast<TProbePanel*>(form->FindComponent("Inner"));
    auto* link = static_cast<TProbeLabel*>(form->FindComponent("Link"));
    win::HWND hwnd = inner->Handle();
    auto at = [&](int x, int y) {
        return win::MAKELPARAM(static_cast<win::WORD>(x), static_cast<win::WORD>(y));
    };

    win::SendMessageA(hwnd, win::WM_LBUTTONDOWN, win::MK_LBUTTON, at(33, 14));
    win::SendMessageA(hwnd, win::WM_LBUTTONUP, 0, at(34, 15));
    EXPECT_EQ(link->lastDown.x, 3);
    EXPECT_EQ(link->lastDown.y, 2);
    EXPECT_EQ(form->clicks, (std::vector<std::string>{"Link"}));

    // Pressed on the link, released outside it: no click.
    win::SendMessageA(hwnd, win::WM_LBUTTONDOWN, win::MK_LBUTTON, at(33, 14));
    win::SendMessageA(hwnd, win::WM_LBUTTONUP, 0, at(90, 50));
    EXPECT_EQ(form->clicks.size(), 1u);

    // A disabled link takes no clicks; the press goes to the panel.
    link->SetEnabled(false);
    win::SendMessageA(hwnd, win::WM_LBUTTONDOWN, win::MK_LBUTTON, at(33, 14));
    win::SendMessageA(hwnd, win::WM_LBUTTONUP, 0, at(33, 14));
    EXPECT_EQ(form->clicks.size(), 1u);
}

TEST_F(ToolkitWindows, KeyPressHandlerFiltersCharacters) {
    auto* form = new TProbeForm(Application, kLayout);
    auto* outer = static_cast<TProbePanel*>(form->FindComponent("Outer"));
    for (char32_t c : std::u32string(U"1a2Z3"))
        win::SendMessageA(outer->Handle(), win::WM_CHAR, c, 0);
    EXPECT_EQ(outer->typed, U"123");
}

TEST_F(ToolkitWindows, FailureInAHandlerGoesToTheErrorBoxAndAbandonsOnlyThatHandler) {
    auto* form = new TProbeForm(Application, kLayout);
    auto* link = static_cast<TProbeLabel*>(form->FindComponent("Link"));
    auto* inner = static_cast<TProbePanel*>(form->FindComponent("Inner"));
    int reached = 0;
    link->OnClick = [&](TObject*) {
        ++reached;
        throw std::runtime_error("'x' is not a valid integer value");
        ++reached;
    };
    auto at = win::MAKELPARAM(31, 13);
    win::SendMessageA(inner->Handle(), win::WM_LBUTTONDOWN, win::MK_LBUTTON, at);
    win::SendMessageA(inner->Handle(), win::WM_LBUTTONUP, 0, at);
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(m_errors, (std::vector<std::string>{"'x' is not a valid integer value"}));
    win::SendMessageA(inner->Handle(), win::WM_LBUTTONDOWN, win::MK_LBUTTON, at);
    win::SendMessageA(inner->Handle(), win::WM_LBUTTONUP, 0, at);
    EXPECT_EQ(reached, 2) << "the window goes on taking messages";
}

TEST_F(ToolkitWindows, FailureInOnCreateIsReportedAndCreationGoesOn) {
    struct TFailingForm : TProbeForm {
        explicit TFailingForm(TComponent* owner) : TProbeForm(owner) {
            OnCreate = [](TObject*) { throw std::runtime_error("database missing"); };
            DoCreate();
            createdAfter = true;
        }
        bool createdAfter = false;
    };
    auto* form = new TFailingForm(Application);
    EXPECT_TRUE(form->createdAfter);
    EXPECT_EQ(m_errors, (std::vector<std::string>{"database missing"}));
}

TEST_F(ToolkitWindows, ModalFormDisablesTheOthersWhileItsTimerTicks) {
    TProbeForm* main = nullptr;
    Application->CreateForm(main);
    main->Show();
    auto* dialog = new TProbeForm(Application, kLayout);
    auto* timer = new TTimer(dialog);
    timer->SetInterval(5);
    int ticks = 0;
    bool mainDisabledDuringTicks = true;
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        mainDisabledDuringTicks = mainDisabledDuringTicks && !win::IsWindowEnabled(main->Handle());
        if (ticks == 3)
            dialog->SetModalResult(mrOk);
    };
    timer->SetEnabled(true);

    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(mainDisabledDuringTicks);
    EXPECT_TRUE(win::IsWindowEnabled(main->Handle()));
    EXPECT_EQ(win::GetActiveWindow(), main->Handle()) << "activation returns to the form behind";
    EXPECT_FALSE(win::IsWindowVisible(dialog->Handle())) << "a closed form is hidden, not destroyed";
    EXPECT_TRUE(win::IsWindow(dialog->Handle()));
    EXPECT_EQ(dialog->shown, 1);
}

TEST_F(ToolkitWindows, ClosingAFormHidesItUnlessTheHandlerSaysNo) {
    TProbeForm* main = nullptr;
    Application->CreateForm(main);
    auto* other = new TProbeForm(Application, kLayout);
    other->Show();
    ASSERT_TRUE(win::IsWindowVisible(other->Handle()));
    other->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caNone; };
    win::SendMessageA(other->Handle(), win::WM_CLOSE, 0, 0);
    EXPECT_TRUE(win::IsWindowVisible(other->Handle()));
    other->OnClose = nullptr;
    win::SendMessageA(other->Handle(), win::WM_CLOSE, 0, 0);
    EXPECT_FALSE(win::IsWindowVisible(other->Handle()));
    EXPECT_FALSE(Application->Terminated());
    main->Close();
    EXPECT_TRUE(Application->Terminated()) << "closing the main form ends the program";
}

TEST_F(ToolkitWindows, FormsAreCentredWhenShown) {
    auto* form = new TProbeForm(Application, kLayout);
    form->Show();
    win::RECT r{};
    win::GetWindowRect(form->Handle(), &r);
    int cx = win::GetSystemMetrics(win::SM_CXSCREEN);
    int cy = win::GetSystemMetrics(win::SM_CYSCREEN);
    EXPECT_LE(std::abs((r.left + r.right) / 2 - cx / 2), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - cy / 2), 1);
}
