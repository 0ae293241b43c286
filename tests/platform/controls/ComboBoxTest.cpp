#include "ControlsFixture.h"

namespace win::testing {

namespace {

class ComboBoxTest : public ControlsTest {
protected:
    HWND MakeCombo(DWORD kind) {
        HWND c = Child("combobox", "", kind | WS_TABSTOP, 20, 20, 160, 200, 50);
        for (const char* s : {"顺序练习", "随机练习", "模拟考试", "错题练习"})
            SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return c;
    }
    // The dropped list of a combo box: the visible "ComboLBox" window.
    static HWND DroppedList() {
        HWND found = nullptr;
        EnumWindows(
            [](HWND w, LPARAM out) {
                char cls[32];
                GetClassNameA(w, cls, sizeof cls);
                if (std::string(cls) == "ComboLBox" && IsWindowVisible(w)) {
                    *reinterpret_cast<HWND*>(out) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static POINT ItemPoint(HWND list, int index) {
        RECT r;
        GetWindowRect(list, &r);
        const int h = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return POINT{(r.left + r.right) / 2, r.top + 1 + index * h + h / 2};
    }
};

TEST_F(ComboBoxTest, ClickingAnItemOfTheDroppedListSelectsIt) {
    HWND c = MakeCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageA(c, CB_GETCOUNT, 0, 0), 4);
    SendMessageA(c, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(Commands(50, CBN_SELCHANGE), 0) << "CB_SETCURSEL does not notify";
    RECT wr;
    GetWindowRect(c, &wr);
    EXPECT_LT(wr.bottom - wr.top, 40) << "the closed box is one line high";

    Click(c);
    EXPECT_TRUE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(Commands(50, CBN_DROPDOWN), 1);
    HWND list = DroppedList();
    ASSERT_NE(list, nullptr);
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(c, &info));
    EXPECT_EQ(info.hwndList, list);
    EXPECT_EQ(info.hwndItem, c);
    EXPECT_EQ(info.stateButton, STATE_SYSTEM_PRESSED);
    POINT p = ItemPoint(list, 2);
    m_display->Click(p.x, p.y);
    EXPECT_FALSE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Text(c), "模拟考试");
    EXPECT_EQ(Commands(50, CBN_SELCHANGE), 1);
    EXPECT_EQ(Commands(50, CBN_CLOSEUP), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, ClickingOutsideOrEscapeKeepsTheSelection) {
    HWND c = MakeCombo(CBS_DROPDOWNLIST);
    SendMessageA(c, CB_SETCURSEL, 1, 0);
    Click(c);
    m_display->Click(500, 600);
    EXPECT_FALSE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 1);

    SetFocus(c);
    Key(VK_F4);
    EXPECT_TRUE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_FALSE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Commands(50, CBN_SELCHANGE), 0);
    EXPECT_EQ(Commands(50, CBN_SELENDCANCEL), 2);
}

TEST_F(ComboBoxTest, ArrowKeysOnTheClosedBoxChangeTheSelection) {
    HWND c = MakeCombo(CBS_DROPDOWNLIST);
    SetFocus(c);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 0);
    Key(VK_END);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 3);
    Key(VK_DOWN);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Commands(50, CBN_SELCHANGE), 2);
    Key(VK_F4);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Commands(50, CBN_SELCHANGE), 3);
}

TEST_F(ComboBoxTest, DropDownWithEditShowsTheChosenText) {
    HWND c = MakeCombo(CBS_DROPDOWN);
    SendMessageA(c, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(Text(c), "错题练习");
    SetWindowTextA(c, "自由文字");
    EXPECT_EQ(Text(c), "自由文字");
    EXPECT_EQ(
        SendMessageA(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("随机练习")),
        1);
    char buf[8];
    EXPECT_EQ(SendMessageA(c, CB_GETLBTEXTLEN, 9, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(buf)), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_SETCURSEL, 99, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), CB_ERR);
}

} // namespace

} // namespace win::testing
