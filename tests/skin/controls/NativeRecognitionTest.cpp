// The children of a window the toolkit did not make: button styles, combo boxes, size grips, dialog pages,
// tab controls, the toolkit's own panels met by handle, and class names that are not what they should be.
#include "RecognitionTestHost.h"

#include "platform/controls/CommCtrl.h"
#include "toolkit/TButton.h"
#include "toolkit/TCustomPanel.h"

#include <string>

using namespace recognitiontest;
using K = skin::SkinnerKind;

namespace {

class NativeRecognition : public Recognition {
protected:
    void SetUp() override {
        Recognition::SetUp();
        m_parent = Window("RecognitionParent", win::WS_POPUP, nullptr);
    }
    void TearDown() override {
        win::DestroyWindow(m_parent);
        Recognition::TearDown();
    }

    win::HWND Parent() const { return m_parent; }
    // A child of `parent` (the test's parent window when none); classes the platform lacks are registered
    // with the default procedure.
    win::HWND Window(const std::string& className, win::DWORD style, win::HWND parent) {
        win::WNDCLASSEXA existing;
        if (!win::GetClassInfoExA(nullptr, className.c_str(), &existing)) {
            win::WNDCLASSEXA wc{};
            wc.lpfnWndProc = &win::DefWindowProcA;
            wc.lpszClassName = className.c_str();
            win::RegisterClassExA(&wc);
        }
        return win::CreateWindowExA(0, className.c_str(), "", style, 0, 0, 80, 24, parent, nullptr,
                                    win::GetModuleHandleA(nullptr), nullptr);
    }
    win::HWND Child(const std::string& className, win::DWORD style = 0, win::HWND parent = nullptr) {
        win::HWND child = Window(className, win::WS_CHILD | style, parent ? parent : m_parent);
        EXPECT_NE(child, nullptr) << className;
        return child;
    }
    K Walked(win::HWND child) {
        Recognizer().WalkNativeChildren(Parent());
        return m_host.KindOf(child);
    }

private:
    win::HWND m_parent = nullptr;
};

} // namespace

TEST_F(NativeRecognition, AButtonsStyleSaysWhichSkinnerItGets) {
    const struct {
        win::DWORD style;
        K expected;
    } cases[] = {
        {win::BS_PUSHBUTTON, K::Button},
        {win::BS_DEFPUSHBUTTON, K::Button},
        {win::BS_USERBUTTON, K::Button},
        {win::BS_CHECKBOX, K::CheckBox},
        {win::BS_AUTOCHECKBOX, K::CheckBox},
        {win::BS_3STATE, K::CheckBox},
        {win::BS_AUTO3STATE, K::CheckBox},
        {win::BS_RADIOBUTTON, K::RadioButton},
        {win::BS_AUTORADIOBUTTON, K::RadioButton},
        {win::BS_GROUPBOX, K::None},
        {win::BS_OWNERDRAW, K::None},
        {win::BS_PUSHBUTTON | win::BS_BITMAP, K::None},
        {win::BS_AUTOCHECKBOX | win::BS_LEFTTEXT, K::CheckBox},
    };
    std::vector<win::HWND> buttons;
    for (const auto& c : cases)
        buttons.push_back(Child("button", c.style));
    Recognizer().WalkNativeChildren(Parent());
    for (std::size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(m_host.KindOf(buttons[i]), cases[i].expected) << "style " << cases[i].style;
}

TEST_F(NativeRecognition, AButtonFamilyWithItsSwitchOffIsNotTakenForAPushButton) {
    Switch(skin::xcCheckBox, false);
    Switch(skin::xcRadioButton, false);
    win::HWND check = Child("button", win::BS_AUTOCHECKBOX);
    win::HWND radio = Child("button", win::BS_AUTORADIOBUTTON);
    win::HWND push = Child("button", win::BS_PUSHBUTTON);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(check), K::None);
    EXPECT_EQ(m_host.KindOf(radio), K::None);
    EXPECT_EQ(m_host.KindOf(push), K::Button);
}

TEST_F(NativeRecognition, ASimpleComboHasNoButtonToSkin) {
    win::HWND simple = Child("combobox", win::CBS_SIMPLE);
    win::HWND dropDown = Child("combobox", win::CBS_DROPDOWN);
    win::HWND dropList = Child("ComboBox", win::CBS_DROPDOWNLIST);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(simple), K::None);
    EXPECT_EQ(m_host.KindOf(dropDown), K::ComBox);
    EXPECT_EQ(m_host.KindOf(dropList), K::ComBox);
}

TEST_F(NativeRecognition, AnExtendedComboIsSkinnedThroughItsFirstChild) {
    win::HWND extended = Child("ComboBoxEx32");
    win::HWND inner = Child("combobox", win::CBS_DROPDOWNLIST, extended);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(extended), K::None);
    EXPECT_EQ(m_host.KindOf(inner), K::ComBox);
    // One without children is left as it is.
    m_host.decisions.clear();
    Child("ComboBoxEx32");
    Recognizer().WalkNativeChildren(Parent());
}

TEST_F(NativeRecognition, AScrollBarThatTakesNoFocusIsASizeGrip) {
    win::HWND grip = Child("scrollbar", win::SBS_SIZEGRIP);
    win::HWND bar = Child("scrollbar", win::WS_TABSTOP);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(grip), K::Sizer);
    EXPECT_EQ(m_host.KindOf(bar), K::None);
}

TEST_F(NativeRecognition, ADialogPageHasItsChildrenSkinnedFirst) {
    win::HWND page = Child("#32770");
    win::HWND inPage = Child("button", win::BS_PUSHBUTTON, page);
    win::HWND focusable = Child("#32770", win::WS_TABSTOP);
    win::HWND inFocusable = Child("button", win::BS_PUSHBUTTON, focusable);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(page), K::BoxH);
    EXPECT_EQ(m_host.KindOf(inPage), K::Button);
    EXPECT_LT(m_host.IndexOf(inPage), m_host.IndexOf(page));
    EXPECT_EQ(m_host.KindOf(focusable), K::None);
    EXPECT_EQ(m_host.KindOf(inFocusable), K::None);
}

TEST_F(NativeRecognition, OwnerDrawnTabControlsPaintTheirOwnTabs) {
    win::HWND tabs = Child("SysTabControl32");
    win::HWND ownerDrawn = Child("SysTabControl32", 0x2000);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(tabs), K::Tab);
    EXPECT_EQ(m_host.KindOf(ownerDrawn), K::None);
    Switch(skin::xcTab, false);
    m_host.decisions.clear();
    EXPECT_EQ(Walked(tabs), K::None);
}

TEST_F(NativeRecognition, ButtonStyleTabControlsAreDrawnAsButtons) {
    win::HWND buttons = Child("SysTabControl32", win::TCS_BUTTONS);
    win::HWND flat = Child("SysTabControl32", win::TCS_BUTTONS | win::TCS_FLATBUTTONS);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(buttons), K::TabBtn);
    EXPECT_EQ(m_host.KindOf(flat), K::TabBtn);
}

TEST_F(NativeRecognition, CommonControlClassesEachUnderTheirSwitch) {
    const struct {
        const char* className;
        K expected;
        skin::TSkinControlType type;
    } cases[] = {
        {"msctls_progress32", K::Progress, skin::xcProgress},
        {"msctls_trackbar32", K::TrackBar, skin::xcTrackBar},
        {"msctls_updown32", K::UpDown, skin::xcSpin},
        {"msctls_statusbar32", K::StatusBar, skin::xcStatusBar},
        {"SysHeader32", K::Header, skin::xcButton},
    };
    for (const auto& c : cases) {
        win::HWND window = Child(c.className);
        Switch(c.type, false);
        EXPECT_EQ(Walked(window), K::None) << c.className << " switched off";
        Switch(c.type, true);
        EXPECT_EQ(Walked(window), c.expected) << c.className;
        win::DestroyWindow(window);
        m_host.decisions.clear();
    }
}

TEST_F(NativeRecognition, ClassesKnownByNameAlone) {
    const struct {
        const char* className;
        K expected;
    } cases[] = {
        {"TCheckBox", K::CheckBox},
        {"TComboBox", K::ComBox},
        {"TButton", K::Button},
        {"TProgressBar", K::Progress},
        {"ToolbarWindow32", K::BoxH},
        {"edit", K::Edit},
        {"EDIT", K::Edit},
        {"SysTreeView32", K::None},
        {"static", K::None},
    };
    std::vector<win::HWND> windows;
    for (const auto& c : cases)
        windows.push_back(Child(c.className));
    Recognizer().WalkNativeChildren(Parent());
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(m_host.KindOf(windows[i]), cases[i].expected) << cases[i].className;
}

TEST_F(NativeRecognition, AToolkitPanelMetByItsWindowTakesTheSkinColour) {
    Skin().SkinColours[skin::scButtonFace] = 0x123456;
    auto* panel = Make<tk::TPanel>();
    auto* inPanel = Make<tk::TButton>(panel);
    panel->HandleNeeded();
    Recognizer().WalkNativeChildren(Form()->Handle());
    EXPECT_EQ(panel->Color(), tk::TColor(0x123456));
    EXPECT_EQ(m_host.KindOf(inPanel->Handle()), K::Button);
    EXPECT_EQ(m_host.KindOf(panel->Handle()), K::None);

    // A panel window the toolkit did not make has no control to colour.
    win::HWND foreign = Child("TPanel");
    win::HWND inForeign = Child("edit", 0, foreign);
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(inForeign), K::Edit);
}

namespace {

win::WNDPROC g_editProc = nullptr;

win::LRESULT CALLBACK AnsweringEditProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    if (msg == skin::SkinMsgQuery)
        return 1;
    return win::CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}

} // namespace

TEST_F(NativeRecognition, AWindowThatAlreadyHasASkinnerIsLeftAlone) {
    win::HWND listed = Child("edit");
    win::HWND answering = Child("edit");
    g_editProc = reinterpret_cast<win::WNDPROC>(win::SetWindowLongPtrA(
        answering, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&AnsweringEditProc)));
    Recognizer().WalkNativeChildren(Parent());
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(listed), K::Edit);
    EXPECT_EQ(m_host.KindOf(answering), K::None);
    EXPECT_EQ(std::ranges::count(m_host.calls, "attach"), 1);
}

TEST_F(NativeRecognition, HostileClassNamesAndHandlesAreHarmless) {
    win::HWND longName = Child("button" + std::string(150, 'x'));
    win::HWND hundred = Child(std::string(100, 'e') + "dit");
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(longName), K::None);
    EXPECT_EQ(m_host.KindOf(hundred), K::None);
    EXPECT_LE(skin::ControlRecognizer::NativeClassName(longName).size(),
              static_cast<std::size_t>(skin::ControlRecognizer::kMaxClassNameLength));

    win::HWND gone = Child("edit");
    win::DestroyWindow(gone);
    Recognizer().ClassifyNativeChild(gone);
    Recognizer().ClassifyNativeChild(nullptr);
    Recognizer().WalkNativeChildren(nullptr);
    EXPECT_EQ(m_host.KindOf(gone), K::None);
    EXPECT_EQ(skin::ControlRecognizer::NativeClassName(nullptr), "");
}

TEST_F(NativeRecognition, DialogPagesNestedBeyondTheLimitAreNotWalked) {
    win::HWND page = Parent();
    std::vector<win::HWND> pages;
    for (int i = 0; i < skin::ControlRecognizer::kMaxNesting + 10; ++i)
        pages.push_back(page = Child("#32770", 0, page));
    Recognizer().WalkNativeChildren(Parent());
    EXPECT_EQ(m_host.KindOf(pages.front()), K::BoxH);
    EXPECT_EQ(m_host.KindOf(pages.back()), K::None);
}
