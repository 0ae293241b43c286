#include "ControlsFixture.h"

namespace win::testing {

namespace {

// What a WH_MSGFILTER hook saw of a running message box.
struct BoxProbe {
    int dialogCalls = 0;
    HWND box = nullptr;
    std::vector<std::string> childClasses;
    std::function<void(HWND)> onFirst;
};
BoxProbe* g_probe = nullptr;
HHOOK g_hook = nullptr;

LRESULT ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && g_probe) {
        if (g_probe->dialogCalls++ == 0) {
            g_probe->box = GetActiveWindow();
            for (HWND c = GetWindow(g_probe->box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                char cls[32];
                GetClassNameA(c, cls, sizeof cls);
                g_probe->childClasses.push_back(cls);
            }
            if (g_probe->onFirst)
                g_probe->onFirst(g_probe->box);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

class MessageBoxTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g_probe = &m_probe;
        g_hook = SetWindowsHookExA(WH_MSGFILTER, ProbeHook, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(g_hook);
        g_probe = nullptr;
        ControlsTest::TearDown();
    }
    BoxProbe m_probe;
};

TEST_F(MessageBoxTest, EnterChoosesTheDefaultButtonAndEscapeCancels) {
    QueueKey(VK_RETURN);
    EXPECT_EQ(MessageBoxA(m_host, "您还有12题没做，确定交卷", "提示", MB_OKCANCEL | MB_ICONQUESTION), IDOK);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(MessageBoxA(m_host, "您还有12题没做，确定交卷", "提示", MB_OKCANCEL | MB_ICONQUESTION),
              IDCANCEL);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(MessageBoxA(m_host, "已经是第一题了！", "提示", MB_OK), IDOK)
        << "Escape on a lone OK answers OK";
    EXPECT_GT(m_probe.dialogCalls, 0) << "the loop offers its messages to WH_MSGFILTER";
    EXPECT_FALSE(IsWindow(m_probe.box));
}

TEST_F(MessageBoxTest, EscapeIsIgnoredWithoutCancelAndTabMovesBetweenButtons) {
    QueueKey(VK_ESCAPE);
    QueueKey(VK_TAB);
    QueueKey(VK_RETURN);
    EXPECT_EQ(MessageBoxA(m_host, "继续？", "提示", MB_YESNO | MB_ICONWARNING), IDNO);
    QueueKey(VK_RIGHT);
    QueueKey(VK_SPACE);
    EXPECT_EQ(MessageBoxA(m_host, "继续？", "提示", MB_YESNO | MB_DEFBUTTON2), IDYES)
        << "arrows wrap in the group";
}

TEST_F(MessageBoxTest, TheAcceleratorLetterOfAButtonAnswersIt) {
    QueueKey('N');
    EXPECT_EQ(MessageBoxA(m_host, "继续？", "提示", MB_YESNO), IDNO);
    QueueKey('R');
    EXPECT_EQ(MessageBoxA(m_host, "失败", "提示", MB_RETRYCANCEL | MB_ICONSTOP), IDRETRY);
}

TEST_F(MessageBoxTest, ClickingAButtonAnswersIt) {
    m_probe.onFirst = [this](HWND box) {
        HWND cancel = GetDlgItem(box, IDCANCEL);
        POINT p = Center(cancel);
        m_display->MouseMove(p.x, p.y);
        m_display->MouseDown();
        m_display->MouseUp();
    };
    m_display->MouseMove(5, 5);
    EXPECT_EQ(MessageBoxA(m_host, "text", "提示", MB_OKCANCEL), IDCANCEL);
}

TEST_F(MessageBoxTest, ModalOverItsOwnerWithTimersTicking) {
    bool ownerDisabled = false;
    int ticks = 0;
    m_onNotice = [&](UINT msg, WPARAM, LPARAM) {
        if (msg != WM_TIMER)
            return;
        ownerDisabled = !IsWindowEnabled(m_host);
        if (++ticks == 3)
            QueueKey(VK_RETURN);
    };
    SetTimer(m_host, 1, 1000, nullptr);
    EXPECT_EQ(MessageBoxA(m_host, "考试时间已经了，系统将自动交卷！", "提示", MB_OK), IDOK);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(m_host));
    EXPECT_EQ(GetActiveWindow(), m_host);
    KillTimer(m_host, 1);
}

TEST_F(MessageBoxTest, LaidOutAroundItsTextAndCentredOverItsOwner) {
    RECT boxRect{}, textRect{};
    std::string caption;
    m_probe.onFirst = [&](HWND box) {
        GetWindowRect(box, &boxRect);
        GetWindowRect(GetDlgItem(box, IDC_MSGBOX_TEXT), &textRect);
        caption = Text(box);
        QueueKey(VK_RETURN);
    };
    MoveWindow(m_host, 300, 250, 560, 420, TRUE);
    std::string longText;
    for (int i = 0; i < 30; ++i)
        longText += "出租汽车驾驶员应当遵守职业道德规范。";
    m_display->MouseMove(5, 5);
    EXPECT_EQ(MessageBoxA(m_host, longText.c_str(), "提示", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(caption, "提示");
    EXPECT_EQ(m_probe.childClasses, (std::vector<std::string>{"static", "static", "button"}));
    RECT owner;
    GetWindowRect(m_host, &owner);
    EXPECT_NEAR((boxRect.left + boxRect.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_LE(boxRect.right - boxRect.left, GetSystemMetrics(SM_CXSCREEN) * 5 / 8 + 40);
    EXPECT_GT(textRect.bottom - textRect.top, 40) << "a long text is wrapped onto several lines";

    m_probe = BoxProbe{};
    m_probe.onFirst = [&](HWND) { QueueKey(VK_RETURN); };
    m_display->MouseMove(5, 5);
    EXPECT_EQ(MessageBoxA(m_host, "程序已经运行", "提示", MB_OK), IDOK);
    EXPECT_EQ(m_probe.childClasses, (std::vector<std::string>{"static", "button"}))
        << "no icon, no icon static";
}

TEST_F(MessageBoxTest, RefusesAnUnknownButtonSetAndSurvivesABadOwner) {
    EXPECT_EQ(MessageBoxA(m_host, "x", "y", 0x0F), 0);
    QueueKey(VK_RETURN);
    EXPECT_EQ(MessageBoxA(reinterpret_cast<HWND>(0x1234), nullptr, nullptr, MB_OK), IDOK);
}

} // namespace

} // namespace win::testing
