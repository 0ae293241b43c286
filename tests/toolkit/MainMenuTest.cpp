// A form's menu bar: declared in a layout and named by the form's Menu property, given to the window as its
// native bar without costing the client area, its commands running the items' OnClick, built again when the
// items change, and owner-drawn items answered only for the menu's own items.
#include "ControlTestClasses.h"

#include "toolkit/TMainMenu.h"

#include <gtest/gtest.h>

using namespace control_tests;

namespace {

const char* kMenuLayout = R"(object ProbeForm: TProbeForm
  Caption = "菜单"
  ClientWidth = 300
  ClientHeight = 200
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = "&File"
      object Open1: TMenuItem
        Caption = "&Open"
        OnClick = @LabelClick
      end
      object Quit1: TMenuItem
        Caption = "&Quit"
        Enabled = false
        OnClick = @LabelClick
      end
    end
    object Hidden1: TMenuItem
      Caption = "&Hidden"
      Visible = false
    end
    object Help1: TMenuItem
      Caption = "&Help"
      OnClick = @LabelClick
    end
  end
end
)";

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeToolkit();
        m_form = new TProbeForm(Application, kMenuLayout);
        m_form->HandleNeeded();
    }
    void TearDown() override { FinalizeToolkit(); }

    static void Pump() {
        win::MSG m;
        for (int i = 0; i < 1000 && win::PeekMessageA(&m, nullptr, 0, 0, win::PM_REMOVE); ++i)
            win::DispatchMessageA(&m);
    }
    TMainMenu* Menu() const { return dynamic_cast<TMainMenu*>(m_form->FindComponent("MainMenu1")); }
    TMenuItem* Item(const char* name) const { return dynamic_cast<TMenuItem*>(m_form->FindComponent(name)); }
    int ClientHeight() const {
        win::RECT r;
        win::GetClientRect(m_form->Handle(), &r);
        return r.bottom - r.top;
    }

    TProbeForm* m_form = nullptr;
};

TEST_F(MainMenuTest, TheLayoutsMenuBecomesTheWindowsBarAndTheClientKeepsItsSize) {
    ASSERT_NE(Menu(), nullptr);
    EXPECT_EQ(m_form->Menu(), Menu());
    win::HMENU bar = win::GetMenu(m_form->Handle());
    ASSERT_TRUE(win::IsMenu(bar));
    EXPECT_EQ(win::GetMenuItemCount(bar), 2) << "the invisible item is left out";
    char text[64] = {};
    win::GetMenuStringA(bar, 1, text, sizeof text, win::MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
    EXPECT_EQ(win::GetMenuItemCount(win::GetSubMenu(bar, 0)), 2);
    EXPECT_EQ(ClientHeight(), 200) << "the bar's room comes from the window";
    EXPECT_EQ(std::get<std::string>(tk::GetPropertyValue(*m_form, "Menu")), "MainMenu1");
}

TEST_F(MainMenuTest, ALayoutNamingSomethingElseIsRefused) {
    const std::string bad =
        std::string(kMenuLayout)
            .replace(std::string(kMenuLayout).find("Menu = MainMenu1"), 16, "Menu = File1");
    EXPECT_ANY_THROW(TProbeForm(nullptr, bad.c_str()));
}

TEST_F(MainMenuTest, BarCommandsRunTheItemsOnClickOnlyWhenEnabled) {
    const auto post = [this](win::UINT command) {
        win::PostMessageA(m_form->Handle(), win::WM_COMMAND, command, 0);
        Pump();
    };
    post(Item("Open1")->Command());
    post(Item("Quit1")->Command());
    post(Item("Help1")->Command());
    post(0xFFFF);
    EXPECT_EQ(m_form->clicks, (std::vector<std::string>{"Open1", "Help1"}));
}

TEST_F(MainMenuTest, ChangedItemsGiveTheWindowANewBarAndDropTheOldOne) {
    win::HMENU before = win::GetMenu(m_form->Handle());
    Item("Hidden1")->SetVisible(true);
    Menu()->Changed();
    win::HMENU after = win::GetMenu(m_form->Handle());
    EXPECT_FALSE(win::IsMenu(before));
    ASSERT_TRUE(win::IsMenu(after));
    EXPECT_EQ(win::GetMenuItemCount(after), 3);
    EXPECT_EQ(ClientHeight(), 200);
}

TEST_F(MainMenuTest, SettingAndClearingTheMenuAtRunTimeKeepsTheClientHeight) {
    m_form->SetMenu(nullptr);
    EXPECT_EQ(win::GetMenu(m_form->Handle()), nullptr);
    EXPECT_EQ(ClientHeight(), 200);
    m_form->SetMenu(Menu());
    EXPECT_TRUE(win::IsMenu(win::GetMenu(m_form->Handle())));
    EXPECT_EQ(ClientHeight(), 200);
    delete Menu();
    EXPECT_EQ(m_form->Menu(), nullptr) << "a freed menu leaves the form";
    EXPECT_EQ(win::GetMenu(m_form->Handle()), nullptr);
}

TEST_F(MainMenuTest, OwnerDrawingReachesOnlyTheMenusOwnItems) {
    int drawn = 0;
    Item("Open1")->OnDrawItem = [&](TObject*, win::HDC, win::RECT, bool) { ++drawn; };
    win::DRAWITEMSTRUCT draw{};
    draw.CtlType = win::ODT_MENU;
    draw.itemData = reinterpret_cast<win::ULONG_PTR>(Item("Open1"));
    EXPECT_EQ(win::SendMessageA(m_form->Handle(), win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&draw)),
              win::TRUE);
    EXPECT_EQ(drawn, 1);
    TMenuItem stranger(nullptr);
    draw.itemData = reinterpret_cast<win::ULONG_PTR>(&stranger);
    win::SendMessageA(m_form->Handle(), win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&draw));
    draw.itemData = 0x1234;
    win::SendMessageA(m_form->Handle(), win::WM_DRAWITEM, 0, reinterpret_cast<win::LPARAM>(&draw));
    EXPECT_EQ(drawn, 1);
}

} // namespace
