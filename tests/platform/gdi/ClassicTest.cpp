// The classic look (edges, frame controls, caption), icons, image lists and bitmap-to-region.
#include "GdiTestUtil.h"
#include "support/GoldenImage.h"

using namespace win;
using gditest::Canvas;
using gditest::Px;

namespace {

HICON MakeIcon(int size) {
    // A blue square with a transparent one-pixel border.
    HBITMAP color = CreateBitmap(size, size, 1, 32, nullptr);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mask);
    RECT all{0, 0, size, size}, inner{1, 1, size - 1, size - 1};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, color);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH blue = CreateSolidBrush(RGB(0, 64, 255));
    FillRect(dc, &inner, blue);
    DeleteObject(blue);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO ii;
    ii.hbmColor = color;
    ii.hbmMask = mask;
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

} // namespace

TEST(DrawEdge, RaisedAndSunkenColoursAndAdjust) {
    Canvas c(10, 10);
    RECT r{0, 0, 10, 10};
    ASSERT_TRUE(DrawEdge(c.dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(c.At(0, 5), Px(212, 208, 200)); // outer light
    EXPECT_EQ(c.At(1, 5), Px(255, 255, 255)); // inner highlight
    EXPECT_EQ(c.At(9, 5), Px(64, 64, 64));    // outer dark shadow
    EXPECT_EQ(c.At(8, 5), Px(128, 128, 128)); // inner shadow
    EXPECT_EQ(c.At(9, 0), Px(64, 64, 64));    // the bottom-right colour owns the far corners
    EXPECT_EQ(c.At(5, 5), Px(212, 208, 200)); // middle
    Canvas s(6, 6);
    RECT r2{0, 0, 6, 6};
    DrawEdge(s.dc, &r2, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(s.At(0, 3), Px(128, 128, 128));
    EXPECT_EQ(s.At(1, 3), Px(64, 64, 64));
    EXPECT_EQ(s.At(5, 3), Px(255, 255, 255));
    EXPECT_EQ(s.At(3, 3), Px(255, 255, 255)); // no BF_MIDDLE: untouched
}

TEST(Icons, DrawWithMaskAndScale) {
    HICON icon = MakeIcon(8);
    ASSERT_NE(icon, nullptr);
    Canvas c(20, 20, RGB(9, 9, 9));
    ASSERT_TRUE(DrawIconEx(c.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(0, 0), Px(9, 9, 9)); // transparent border
    EXPECT_EQ(c.At(3, 3), Px(0, 64, 255));
    ASSERT_TRUE(DrawIconEx(c.dc, 4, 4, icon, 16, 16, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(18, 10), Px(9, 9, 9)); // the border scales to two pixels
    EXPECT_EQ(c.At(12, 12), Px(0, 64, 255));
    HICON copy = reinterpret_cast<HICON>(CopyImage(reinterpret_cast<HANDLE>(icon), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(copy, nullptr);
    ICONINFO ii{};
    ASSERT_TRUE(GetIconInfo(copy, &ii));
    BITMAP bm{};
    GetObject(ii.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIconEx(c.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
}

TEST(ImageList, MaskColourSlicesAndDraws) {
    Canvas strip(32, 16, RGB(255, 255, 255));
    RECT a{2, 2, 14, 14}, b{18, 2, 30, 14};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(strip.dc, &a, red);
    FillRect(strip.dc, &b, red);
    DeleteObject(red);
    HIMAGELIST list = ImageList_Create(16, 16, ILC_MASK | ILC_COLOR24, 2, 2);
    // The bitmap must not be selected in a DC to be added; use a copy.
    HBITMAP copy = static_cast<HBITMAP>(reinterpret_cast<HGDIOBJ>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<HGDIOBJ>(strip.bitmap)), IMAGE_BITMAP, 0, 0, 0)));
    EXPECT_EQ(ImageList_AddMasked(list, copy, RGB(255, 255, 255)), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    Canvas out(20, 20, RGB(0, 0, 0));
    ASSERT_TRUE(ImageList_Draw(list, 1, out.dc, 2, 2, ILD_TRANSPARENT));
    EXPECT_EQ(out.At(3, 3), Px(0, 0, 0));
    EXPECT_EQ(out.At(8, 8), Px(255, 0, 0));
    EXPECT_FALSE(ImageList_Draw(list, 2, out.dc, 0, 0, ILD_NORMAL));
    EXPECT_TRUE(ImageList_Destroy(list));
    DeleteObject(copy);
}

TEST(BitmapRegion, NonKeyPixelsBecomeTheRegion) {
    Canvas c(20, 10, RGB(255, 0, 255));
    RECT bar{2, 0, 18, 10};
    FillRect(c.dc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(c.dc, 2, 0, RGB(255, 0, 255)); // a notch in one corner
    HRGN r = BitmapToRegion(c.bitmap, RGB(255, 0, 255), 100, 50);
    ASSERT_NE(r, nullptr);
    RECT box{};
    GetRgnBox(r, &box);
    EXPECT_EQ(box.left, 102);
    EXPECT_EQ(box.top, 50);
    EXPECT_EQ(box.right, 118);
    EXPECT_EQ(box.bottom, 60);
    EXPECT_FALSE(PtInRegion(r, 102, 50));
    EXPECT_TRUE(PtInRegion(r, 103, 50));
    EXPECT_TRUE(PtInRegion(r, 102, 51));
    HRGN expected = CreateRectRgn(102, 50, 118, 60);
    HRGN notch = CreateRectRgn(102, 50, 103, 51);
    CombineRgn(expected, expected, notch, RGN_DIFF);
    EXPECT_TRUE(EqualRgn(r, expected));
    DeleteObject(r);
    DeleteObject(expected);
    DeleteObject(notch);
    Canvas blank(4, 4, RGB(255, 0, 255));
    HRGN none = BitmapToRegion(blank.bitmap, RGB(255, 0, 255));
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

TEST(ClassicGolden, FrameAndControlsOnAMemoryDc) {
    const int w = 200, h = 140;
    Canvas c(w, h, RGB(0, 128, 128));
    // Dialog frame: raised edge and a face-coloured ring.
    RECT frame{0, 0, w, h};
    DrawEdge(c.dc, &frame, EDGE_RAISED, BF_RECT | BF_ADJUST);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FrameRect(c.dc, &frame, face);
    frame = RECT{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    RECT caption{frame.left, frame.top, frame.right, frame.top + 18};
    HICON icon = MakeIcon(16);
    DrawCaptionBar(c.dc, &caption, "练习 Practice", icon, nullptr,
                   DC_ACTIVE | DC_GRADIENT | DC_ICON | DC_TEXT);
    RECT close{caption.right - 18, caption.top + 2, caption.right - 2, caption.bottom - 2};
    DrawFrameControl(c.dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    RECT maxb{close.left - 18, close.top, close.left - 2, close.bottom};
    DrawFrameControl(c.dc, &maxb, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_INACTIVE);
    RECT minb{maxb.left - 16, close.top, maxb.left, close.bottom};
    DrawFrameControl(c.dc, &minb, DFC_CAPTION, DFCS_CAPTIONMIN);
    RECT client{frame.left, caption.bottom + 1, frame.right, frame.bottom};
    FillRect(c.dc, &client, face);

    HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ oldFont = SelectObject(c.dc, font);
    SetBkMode(c.dc, TRANSPARENT);
    RECT button{10, 30, 85, 55};
    DrawFrameControl(c.dc, &button, DFC_BUTTON, DFCS_BUTTONPUSH);
    DrawText(c.dc, "提交答案", -1, &button, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT focus{button.left + 4, button.top + 4, button.right - 4, button.bottom - 4};
    DrawFocusRect(c.dc, &focus);
    RECT pushed{95, 30, 170, 55};
    DrawFrameControl(c.dc, &pushed, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    RECT check{10, 62, 23, 75};
    DrawFrameControl(c.dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    RECT radio{30, 62, 42, 74};
    DrawFrameControl(c.dc, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    RECT radio2{48, 62, 60, 74};
    DrawFrameControl(c.dc, &radio2, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_INACTIVE);
    RECT edit{70, 62, 120, 83};
    DrawEdge(c.dc, &edit, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(c.dc, &edit, GetSysColorBrush(COLOR_WINDOW));
    RECT group{10, 90, 120, 130};
    DrawEdge(c.dc, &group, EDGE_ETCHED, BF_RECT);
    RECT up{130, 62, 146, 78}, down{130, 78, 146, 94};
    DrawFrameControl(c.dc, &up, DFC_SCROLL, DFCS_SCROLLUP);
    DrawFrameControl(c.dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
    RECT grip{170, 112, 186, 128};
    DrawFrameControl(c.dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ oldPen = SelectObject(c.dc, shadow);
    HGDIOBJ oldBrush = SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    RoundRect(c.dc, 130, 100, 165, 130, 5, 5);
    SelectObject(c.dc, oldBrush);
    SelectObject(c.dc, oldPen);
    DeleteObject(shadow);
    SelectObject(c.dc, oldFont);
    DeleteObject(font);
    DestroyIcon(icon);
    EXPECT_TRUE(taxi::test::MatchesGolden(c.Surface(), "platform/gdi/golden/classic-frame.png", {48, 30}));
}
