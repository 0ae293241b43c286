#include "ControlsFixture.h"

namespace win::testing {

namespace {

using EditTest = ControlsTest;

std::pair<DWORD, DWORD> Sel(HWND e) {
    DWORD a = 0, b = 0;
    SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return {a, b};
}

TEST_F(EditTest, TypingAndEditingKeysWorkOnCharactersNotBytes) {
    HWND e = Child("edit", "", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 22, 30);
    SetFocus(e);
    m_display->TypeText("试题ab");
    m_display->Pump();
    EXPECT_EQ(Text(e), "试题ab");
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{4}, DWORD{4}));
    Key(VK_HOME);
    Key(VK_RIGHT);
    Key(VK_DELETE);
    EXPECT_EQ(Text(e), "试ab");
    m_display->KeyDown(VK_SHIFT);
    Key(VK_END);
    m_display->KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{1}, DWORD{3}));
    Key(VK_BACK);
    EXPECT_EQ(Text(e), "试");
    EXPECT_GE(Commands(30, EN_CHANGE), 3);
    EXPECT_EQ(SendMessageA(e, EM_GETMODIFY, 0, 0), TRUE);
}

TEST_F(EditTest, SetSelClampsAndMinusOneMeansToTheEnd) {
    HWND e = Child("edit", "12345", WS_BORDER, 10, 10, 200, 22, 31);
    SendMessageA(e, EM_SETSEL, 1, -1);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{1}, DWORD{5}));
    SendMessageA(e, EM_SETSEL, 3, 999);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{3}, DWORD{5}));
    SendMessageA(e, EM_SETSEL, 4, 2);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{2}, DWORD{4}));
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Sel(e).first, Sel(e).second) << "-1 removes the selection";
    EXPECT_EQ(SendMessageA(e, EM_GETSEL, 0, 0), MAKELRESULT(Sel(e).first, Sel(e).second));
}

// The subclass lets only digits and backspace through, as the go-to field of the practice window does.
WNDPROC g_editProc = nullptr;
LRESULT DigitsOnly(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CHAR && !(w >= '0' && w <= '9') && w != 8)
        return 0;
    return CallWindowProcA(g_editProc, h, m, w, l);
}

TEST_F(EditTest, ASubclassFiltersTypedCharactersButNotInsertedText) {
    WNDCLASSEXA wc;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "edit", &wc));
    g_editProc = wc.lpfnWndProc;
    HWND e = Child("edit", "1", WS_BORDER, 10, 10, 120, 22, 32);
    SetWindowLongPtrA(e, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DigitsOnly));
    SetFocus(e);
    SendMessageA(e, EM_SETSEL, 1, 1);
    m_display->TypeText("2a3 b\r");
    m_display->Pump();
    Key(VK_BACK);
    EXPECT_EQ(Text(e), "12");
    SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" 3 4"));
    EXPECT_EQ(Text(e), "12 3 4");
}

TEST_F(EditTest, LimitAndNumberStyle) {
    HWND e = Child("edit", "", WS_BORDER | ES_NUMBER, 10, 10, 120, 22, 33);
    SendMessageA(e, EM_LIMITTEXT, 3, 0);
    SetFocus(e);
    m_display->TypeText("1x2345");
    m_display->Pump();
    EXPECT_EQ(Text(e), "123");
    EXPECT_GE(Commands(33, EN_MAXTEXT), 1);
    EXPECT_EQ(SendMessageA(e, EM_GETLIMITTEXT, 0, 0), 3);
    SetWindowTextA(e, "longer than the limit"); // setting the text ignores the limit, as on Windows
    EXPECT_EQ(Text(e), "longer than the limit");
}

TEST_F(EditTest, SingleLineFieldKeepsTheFirstLineOfPastedText) {
    HWND e = Child("edit", "", WS_BORDER, 10, 10, 120, 22, 34);
    SetClipboardText("first\r\nsecond");
    SendMessageA(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "first");
}

TEST_F(EditTest, CutCopyPasteAndUndoThroughTheClipboard) {
    HWND e = Child("edit", "出租车", WS_BORDER, 10, 10, 120, 22, 35);
    SendMessageA(e, EM_SETSEL, 0, 2);
    SendMessageA(e, WM_COPY, 0, 0);
    EXPECT_EQ(GetClipboardText(), "出租");
    SendMessageA(e, WM_CUT, 0, 0);
    EXPECT_EQ(Text(e), "车");
    SendMessageA(e, EM_SETSEL, 1, 1);
    SendMessageA(e, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(e), "车出租");
    EXPECT_TRUE(SendMessageA(e, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(e), "车");
    // A password field never gives its text away.
    HWND pw = Child("edit", "secret", WS_BORDER | ES_PASSWORD, 10, 40, 120, 22, 36);
    SendMessageA(pw, EM_SETSEL, 0, -1);
    SendMessageA(pw, WM_COPY, 0, 0);
    EXPECT_EQ(GetClipboardText(), "出租");
}

TEST_F(EditTest, ContextMenuSelectsAllAndReadOnlyRefusesEdits) {
    HWND e = Child("edit", "abc", WS_BORDER, 10, 10, 120, 22, 37);
    POINT p = Center(e);
    m_display->MouseMove(p.x, p.y);
    m_display->MouseDown(1);
    m_display->MouseUp(1);
    QueueKey(VK_UP); // the last item: select all
    QueueKey(VK_RETURN);
    m_display->Pump();
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{3}));
    EXPECT_EQ(GetFocus(), e);

    SendMessageA(e, EM_SETREADONLY, TRUE, 0);
    m_display->TypeText("x");
    m_display->Pump();
    SendMessageA(e, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(e), "abc");
}

TEST_F(EditTest, MouseSelectsByDraggingAndWordsByDoubleClick) {
    HWND e = Child("edit", "one two", WS_BORDER, 10, 10, 200, 22, 38);
    RECT r;
    GetWindowRect(e, &r);
    const int y = (r.top + r.bottom) / 2;
    m_display->MouseMove(r.left + 2, y);
    m_display->MouseDown();
    m_display->MouseMove(r.right - 2, y);
    m_display->MouseUp();
    m_display->Pump();
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{7}));
    m_display->DoubleClick(r.right - 20, y);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{4}, DWORD{7}));
}

TEST_F(EditTest, MultiLineScrollsWithItsScrollBarAndTheWheel) {
    HWND e = Child("edit", "", WS_BORDER | WS_VSCROLL | ES_MULTILINE, 10, 10, 200, 80, 39);
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(e, text.c_str());
    EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 31);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 2, 0), 16);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 99, 0), -1);
    EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, 14, 0), 6);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(e, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 30);
    EXPECT_GT(si.nPage, 0u);

    SCROLLBARINFO sbi;
    ASSERT_TRUE(GetScrollBarInfo(e, OBJID_VSCROLL, &sbi));
    m_display->Click(sbi.rcScrollBar.left + 5, sbi.rcScrollBar.bottom - 5); // the down arrow
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    EXPECT_EQ(GetScrollPos(e, SB_VERT), 1);
    SetFocus(e);
    m_display->Wheel(-WHEEL_DELTA);
    m_display->Pump();
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 4);
    SetFocus(e);
    Key(VK_END);
    m_display->KeyDown(VK_CONTROL);
    Key(VK_END);
    m_display->KeyUp(VK_CONTROL);
    EXPECT_GT(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 20) << "the caret is kept in view";
}

} // namespace

} // namespace win::testing
