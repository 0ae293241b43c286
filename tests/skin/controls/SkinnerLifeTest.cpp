// A skinner's life: attach and detach giving colours, ParentBackground, message hooks and window procedures
// back; the frame's list kept whoever frees a skinner; and a dead skinner that never touches its control.
#include "SkinnedControls.h"

#include "skin/controls/SkinnerFactory.h"
#include "skin/controls/TSkinBox.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinGroupBox.h"
#include "skin/data/SkinMessages.h"

#include "toolkit/TButton.h"
#include "toolkit/TCustomGroupBox.h"
#include "toolkit/TCustomPanel.h"

using namespace skinner_tests;
using namespace skin;

namespace {

std::vector<win::WPARAM>& Commands() {
    static std::vector<win::WPARAM> commands;
    return commands;
}

win::LRESULT CALLBACK RecordingParent(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_COMMAND)
        Commands().push_back(wParam);
    return win::DefWindowProcA(hwnd, msg, wParam, lParam);
}

class SkinnerLife : public SkinnedControls {};

} // namespace

TEST_F(SkinnerLife, DetachGivesBackColourAndParentBackgroundOnce) {
    LoadSkin(ControlsPackage(12, 8));
    auto* panel = new tk::TPanel(m_form);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(m_form);
    panel->SetColor(tk::clRed);
    panel->SetParentBackground(true);
    auto* box = Skin<TSkinBox>(panel);
    EXPECT_EQ(panel->Color(), m_skin->SkinColours[scButtonFace]);
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(PixelOf(panel->Handle(), 100, 50), kSkinFace);

    box->Detach();
    EXPECT_EQ(panel->Color(), tk::clRed);
    EXPECT_TRUE(panel->ParentBackground());
    panel->SetColor(tk::clBlue);
    box->Detach(); // a second detach changes nothing
    EXPECT_EQ(panel->Color(), tk::clBlue);
    EXPECT_NE(win::SendMessageA(panel->Handle(), SkinMsgQuery, 0, 0), 1);
}

TEST_F(SkinnerLife, ParentBackgroundStaysWhenTheSkinAsksForIt) {
    LoadSkin(ControlsPackage(12, 8));
    m_skin->SetOptions(m_skin->Options() | Bit(xoParentBackGround));
    auto* group = new tk::TGroupBox(m_form);
    group->SetBounds(10, 10, 200, 100);
    group->SetParent(m_form);
    group->SetParentBackground(true);
    group->SetParentColor(true);
    auto* skinner = Skin<TSkinGroupBox>(group);
    EXPECT_TRUE(group->ParentBackground());
    EXPECT_EQ(group->Color(), m_skin->SkinColours[scButtonFace]) << "group boxes always recolour";
    skinner->Detach();
    EXPECT_TRUE(group->ParentColor()) << "following the parent's colour again";
    EXPECT_EQ(group->Color(), m_form->Color());
}

TEST_F(SkinnerLife, HandleAttachedNativeButtonClicksItsParentAndDetachRestoresItsProcedure) {
    LoadSkin(ControlsPackage(0, 0));
    win::WNDCLASSEXA wc{};
    wc.lpfnWndProc = &RecordingParent;
    wc.lpszClassName = "SkinnerTestParent";
    win::RegisterClassExA(&wc);
    const win::HWND parent =
        win::CreateWindowExA(0, "SkinnerTestParent", "parent", win::WS_POPUP | win::WS_VISIBLE, 500, 300, 200,
                             100, nullptr, nullptr, nullptr, nullptr);
    const win::HWND native =
        win::CreateWindowExA(0, "button", "Native", win::WS_CHILD | win::WS_VISIBLE | win::BS_PUSHBUTTON, 10,
                             10, 80, 25, parent, reinterpret_cast<win::HMENU>(42), nullptr, nullptr);
    const win::LONG_PTR ownProc = win::GetWindowLongPtrA(native, win::GWLP_WNDPROC);
    Commands().clear();

    auto* skinner = MakeSkinner(SkinnerKind::Button, nullptr);
    skinner->AttachToWindow(native, Context());
    EXPECT_NE(win::GetWindowLongPtrA(native, win::GWLP_WNDPROC), ownProc);
    EXPECT_EQ(m_owner.skinners, std::vector<TSkinControl*>{skinner});
    win::UpdateWindow(native);
    EXPECT_EQ(PixelOf(native, 4, 4), kFrameColour[1]);
    const win::POINT p{510 + 20, 310 + 10};
    m_display->Click(p.x, p.y);
    Settle();
    EXPECT_EQ(Commands(), std::vector<win::WPARAM>{win::MAKEWPARAM(42, win::BN_CLICKED)});

    skinner->Detach();
    EXPECT_EQ(win::GetWindowLongPtrA(native, win::GWLP_WNDPROC), ownProc);
    EXPECT_NE(win::SendMessageA(native, SkinMsgQuery, 0, 0), 1);
    delete skinner;
    EXPECT_TRUE(m_owner.skinners.empty());
    win::DestroyWindow(parent);
}

TEST_F(SkinnerLife, FreedWithItsControlAndLeftOffTheFramesList) {
    LoadSkin(ControlsPackage(0, 0));
    auto* button = new tk::TButton(m_form);
    button->SetParent(m_form);
    auto* skinner = MakeSkinner(SkinnerKind::Button, button);
    skinner->AttachToControl(button, Context(true));
    ASSERT_EQ(m_owner.skinners.size(), 1u);
    delete button; // frees the skinner too; the sanitizer build sees any touch of either afterwards
    EXPECT_TRUE(m_owner.skinners.empty());
}

TEST_F(SkinnerLife, ADeadSkinnerNeverTouchesItsControlAgain) {
    LoadSkin(ControlsPackage(0, 0));
    auto* button = new tk::TButton(m_form);
    button->SetBounds(20, 20, 75, 25);
    button->SetParent(m_form);
    int clicks = 0;
    button->OnClick = [&](tk::TObject*) { ++clicks; };
    Settle();
    auto* skinner = Skin<TSkinButton>(button, true);
    EXPECT_EQ(PixelOf(button->Handle(), 4, 4), kFrameColour[1]);

    button->RecreateWnd(); // its window gets WM_NCDESTROY, then a new one comes
    Settle();
    EXPECT_TRUE(skinner->Dead());
    const tk::TColor colour = button->Color();
    skinner->SkinChanged();
    skinner->PaintWindow(nullptr);
    skinner->Detach();
    EXPECT_EQ(button->Color(), colour) << "detach of a dead skinner gives nothing back";
    EXPECT_NE(win::SendMessageA(button->Handle(), SkinMsgQuery, 0, 0), 1);
    EXPECT_NE(PixelOf(button->Handle(), 4, 4), kFrameColour[1]) << "the new window paints itself";
    ClickAt(button, 30, 12);
    EXPECT_EQ(clicks, 1) << "the control's own click, once";

    delete skinner; // the control outlives it and gets its own hook back
    ClickAt(button, 30, 12);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SkinnerLife, ADeadHandleSkinnerSurvivesItsWindow) {
    LoadSkin(ControlsPackage(0, 0));
    const win::HWND native = win::CreateWindowExA(0, "button", "Native", win::WS_CHILD | win::WS_VISIBLE, 10,
                                                  10, 80, 25, m_form->Handle(), nullptr, nullptr, nullptr);
    auto* skinner = MakeSkinner(SkinnerKind::CheckBox, nullptr);
    skinner->AttachToWindow(native, Context());
    win::DestroyWindow(native);
    EXPECT_TRUE(skinner->Dead());
    skinner->SkinChanged();
    skinner->PaintWindow(nullptr);
    skinner->Detach();
    delete skinner;
    EXPECT_TRUE(m_owner.skinners.empty());
}

TEST_F(SkinnerLife, FactoryMakesTheKindsWrittenSoFar) {
    const SkinnerKind made[] = {
        SkinnerKind::Button,     SkinnerKind::BitButton,   SkinnerKind::SpeedButton, SkinnerKind::MenuButton,
        SkinnerKind::CheckBox,   SkinnerKind::RadioButton, SkinnerKind::GroupBox,    SkinnerKind::Box,
        SkinnerKind::BoxH,       SkinnerKind::Edit,        SkinnerKind::ComBox,      SkinnerKind::Scrollbar,
        SkinnerKind::ScrollbarH, SkinnerKind::ScControl,   SkinnerKind::Sizer,       SkinnerKind::UpDown,
        SkinnerKind::Progress,   SkinnerKind::TrackBar,    SkinnerKind::Tab,         SkinnerKind::TabSheet,
        SkinnerKind::Header,     SkinnerKind::StatusBar,   SkinnerKind::Tab31,       SkinnerKind::TabBtn};
    for (SkinnerKind kind : made) {
        std::unique_ptr<TSkinControl> skinner(MakeSkinner(kind, nullptr));
        ASSERT_NE(skinner, nullptr) << SkinnerClassName(kind);
        EXPECT_EQ(skinner->ClassName(), SkinnerClassName(kind));
    }
    EXPECT_EQ(MakeSkinner(SkinnerKind::None, nullptr), nullptr);
    EXPECT_EQ(MakeSkinner(SkinnerKind::MediaPlayer, nullptr), nullptr)
        << "another vendor's control stays as it is";
}
