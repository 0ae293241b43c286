// Integer conversion, pictures from files (hostile ones included), image lists, hints and popup menus.
#include "WidgetTestForm.h"

#include "toolkit/ButtonLayout.h"
#include "toolkit/SysUtils.h"
#include "toolkit/THintWindow.h"
#include "toolkit/TImageList.h"
#include "toolkit/TPopupMenu.h"

#include <filesystem>
#include <fstream>

using namespace widget_tests;

namespace {

std::string WriteFile(const std::string& name, const Bytes& bytes) {
    std::filesystem::path dir = std::filesystem::path(TAXI_BINARY_DIR) / "widget-test-files";
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ConversionError(const std::string& text) {
    try {
        StrToInt(text);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "converted";
}

} // namespace

TEST(StrToInt, ConvertsDecimalIntegersOfThirtyTwoBits) {
    EXPECT_EQ(StrToInt("120"), 120);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToIntDef("x", -1), -1);
}

TEST(StrToInt, RefusesEverythingElseWithTheRuntimeText) {
    EXPECT_EQ(ConversionError(""), "'' is not a valid integer value");
    EXPECT_EQ(ConversionError("12a"), "'12a' is not a valid integer value");
    EXPECT_EQ(ConversionError("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ConversionError("-2147483649"), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(ConversionError("99999999999999999999999"),
              "'99999999999999999999999' is not a valid integer value");
    EXPECT_EQ(ConversionError("-"), "'-' is not a valid integer value");
    EXPECT_EQ(ConversionError("1 2"), "'1 2' is not a valid integer value");
    EXPECT_EQ(ConversionError("５"), "'５' is not a valid integer value")
        << "full-width digits are not decimal";
}

TEST_F(Widgets, PictureLoadsBitmapsAndRefusesWhatItCannotRead) {
    TWidgetForm* form = MakeForm();
    auto* image = form->Get<TImage>("Image1");
    TPicture* picture = image->Picture();
    std::string good = WriteFile("q1.BMP", MakeBmp(20, 10, 0x0000FF, 0xFF0000));
    picture->LoadFromFile(good);
    EXPECT_EQ(picture->Width(), 20) << "the extension is matched without case";
    EXPECT_EQ(picture->Height(), 10);
    image->Update();

    Bytes truncated = MakeBmp(20, 10, 0, 0);
    truncated.resize(40);
    Bytes lying = MakeBmp(20, 10, 0, 0);
    lying[18] = 0xFF; // width 255 with the pixel data of 20
    lying[19] = 0xFF;
    lying[20] = 0xFF;
    lying[21] = 0x7F;
    const std::string failing[] = {
        WriteFile("short.bmp", truncated),
        WriteFile("lying.bmp", lying),
        WriteFile("text.jpg", Bytes{'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}),
        WriteFile("empty.jpeg", Bytes{}),
        WriteFile("picture.gif", MakeBmp(4, 4, 0, 0)),
        WriteFile("noextension", MakeBmp(4, 4, 0, 0)),
        std::string(TAXI_BINARY_DIR) + "/widget-test-files/missing.bmp",
    };
    for (const std::string& path : failing) {
        EXPECT_THROW(picture->LoadFromFile(path), EInvalidGraphic) << path;
        EXPECT_EQ(picture->Width(), 20) << "a failed load keeps the picture: " << path;
    }
    try {
        picture->LoadFromFile(failing[4]);
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find(".gif"), std::string::npos) << e.what();
    }

    picture->Clear();
    EXPECT_TRUE(picture->Empty());
    image->Update();
}

TEST_F(Widgets, PictureReadsJpegFilesByTheirExtension) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TPicture&) { ++changes; };
    Bytes jpeg = EncodeJpeg(32, 16);
    for (const char* name : {"p.jpeg", "p.JPG"}) {
        picture.Clear();
        picture.LoadFromFile(WriteFile(name, jpeg));
        EXPECT_EQ(picture.Width(), 32) << name;
        EXPECT_EQ(picture.Height(), 16) << name;
    }
    EXPECT_EQ(changes, 3) << "two loads and one clear of a picture that was there";
    // A JPEG named as a bitmap goes to the BMP reader, which refuses it.
    EXPECT_THROW(picture.LoadFromFile(WriteFile("p.bmp", jpeg)), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 32);

    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, picture.Bitmap()->Handle());
    win::COLORREF left = win::GetPixel(dc, 4, 8), right = win::GetPixel(dc, 28, 8);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    EXPECT_GT(win::GetRValue(left), 200);
    EXPECT_GT(win::GetBValue(right), 200);
}

TEST_F(Widgets, ImageShowsItsPictureStretched) {
    TWidgetForm* form = MakeForm();
    auto* image = form->Get<TImage>("Image1");
    image->Picture()->LoadFromFile(WriteFile("two.bmp", MakeBmp(2, 2, 0x0000FF, 0x00FF00)));
    form->Get<TPanel>("Inner")->Update();
    win::HDC dc = win::GetDC(form->Get<TPanel>("Inner")->Handle());
    EXPECT_EQ(win::GetPixel(dc, image->Left() + 5, image->Top() + 20), 0x0000FFu) << "left half";
    EXPECT_EQ(win::GetPixel(dc, image->Left() + 55, image->Top() + 20), 0x00FF00u) << "right half";
    win::ReleaseDC(form->Get<TPanel>("Inner")->Handle(), dc);
}

TEST_F(Widgets, ImageListCutsStripsIntoImages) {
    TImageList list(nullptr);
    TBitmap strip;
    strip.LoadFromBytes(MakeBmp(48, 16, 0x0000FF, 0x00FF00));
    EXPECT_EQ(list.Add(strip), 0);
    EXPECT_EQ(list.Count(), 3);
    TBitmap empty;
    EXPECT_EQ(list.Add(empty), -1);
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP target = win::CreateBitmap(16, 16, 1, 32, nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, target);
    list.Draw(dc, 0, 0, 2);
    EXPECT_EQ(win::GetPixel(dc, 8, 8), 0x00FF00u);
    list.Draw(dc, 0, 0, 99); // nothing, no fault
    list.Draw(dc, 0, 0, -1);
    win::SelectObject(dc, old);
    win::DeleteObject(target);
    win::DeleteDC(dc);
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
}

TEST_F(Widgets, HintWindowSizesToItsTextAndNeverTakesTheActivation) {
    TWidgetForm* form = MakeForm();
    win::HWND active = win::GetActiveWindow();
    ASSERT_EQ(active, form->Handle());
    THintWindow hint(nullptr);
    win::RECT small = hint.CalcHintRect(500, "关闭");
    win::RECT wide = hint.CalcHintRect(500, "最小化窗口并返回到任务栏");
    EXPECT_GT(wide.right, small.right);
    win::RECT wrapped = hint.CalcHintRect(60, "最小化窗口并返回到任务栏");
    EXPECT_LE(wrapped.right, 66);
    EXPECT_GT(wrapped.bottom, wide.bottom) << "wrapped onto more lines";

    win::OffsetRect(&small, 100, 100);
    hint.ActivateHint(small, "关闭");
    EXPECT_TRUE(win::IsWindowVisible(hint.Handle()));
    EXPECT_EQ(win::GetActiveWindow(), active);
    win::RECT r{};
    win::GetWindowRect(hint.Handle(), &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(hint.Caption(), "关闭");
    hint.ReleaseHandle();
    EXPECT_FALSE(win::IsWindowVisible(hint.Handle()));
    EXPECT_FALSE(hint.HintShowing());
}

TEST_F(Widgets, PopupMenuBuildsItsItemsAndStreamsFromALayout) {
    TWidgetForm* form = MakeForm();
    auto* menu = new TPopupMenu(form);
    auto* images = new TImageList(form);
    menu->SetImages(images);
    menu->SetOwnerDraw(true);
    const char* captions[] = {"还原", "-", "关闭"};
    for (const char* caption : captions) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    menu->Items()->Items(0)->SetEnabled(false);
    menu->Items()->Items(2)->SetTag(0xF060);
    auto* hidden = new TMenuItem(form);
    hidden->SetVisible(false);
    menu->Items()->Add(hidden);

    win::HMENU native = menu->BuildMenu(menu->Items());
    ASSERT_EQ(win::GetMenuItemCount(native), 3) << "hidden items are left out";
    win::MENUITEMINFOA info;
    info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_ID | win::MIIM_DATA;
    ASSERT_TRUE(win::GetMenuItemInfoA(native, 0, win::TRUE, &info));
    EXPECT_TRUE(info.fType & win::MFT_OWNERDRAW);
    EXPECT_TRUE(info.fState & win::MFS_GRAYED);
    EXPECT_EQ(reinterpret_cast<TMenuItem*>(info.dwItemData), menu->Items()->Items(0));
    ASSERT_TRUE(win::GetMenuItemInfoA(native, 1, win::TRUE, &info));
    EXPECT_TRUE(info.fType & win::MFT_SEPARATOR);
    ASSERT_TRUE(win::GetMenuItemInfoA(native, 2, win::TRUE, &info));
    EXPECT_EQ(menu->Items()->FindByCommand(info.wID), menu->Items()->Items(2));
    win::DestroyMenu(native);

    // The item measures itself unless its event does.
    int width = 0, height = 0;
    TMenuItem* close = menu->Items()->Items(2);
    close->MeasureItem(nullptr, width, height);
    EXPECT_GT(width, 0);
    close->OnMeasureItem = [](TObject*, win::HDC, int& w, int& h) {
        w = 123;
        h = 45;
    };
    close->MeasureItem(nullptr, width, height);
    EXPECT_EQ(width, 123);
    EXPECT_EQ(close->Tag(), 0xF060);

    delete menu->Items()->Items(1);
    EXPECT_EQ(menu->Items()->Count(), 3) << "a freed item leaves its menu";
}

TEST_F(Widgets, PopupMenuRunsOwnerDrawnAndClicksTheChosenItem) {
    TWidgetForm* form = MakeForm();
    auto* menu = new TPopupMenu(form);
    menu->SetOwnerDraw(true);
    std::vector<std::string> events;
    for (const char* caption : {"还原", "最小化", "关闭"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [&events](TObject* s) {
            events.push_back("click " + static_cast<TMenuItem*>(s)->Caption());
        };
        item->OnDrawItem = [&events](TObject* s, win::HDC dc, win::RECT r, bool) {
            events.push_back("draw " + static_cast<TMenuItem*>(s)->Caption());
            static_cast<TMenuItem*>(s)->DefaultDrawItem(dc, r, false);
        };
        menu->Items()->Add(item);
    }
    menu->Items()->Items(1)->SetEnabled(false);
    // The keys wait in the queue until the menu's own loop reads them: down to the third item (the greyed
    // second one can be highlighted, not chosen) and Return.
    for (win::UINT vk : {win::VK_DOWN, win::VK_DOWN, win::VK_DOWN, win::VK_RETURN}) {
        m_display->KeyDown(vk);
        m_display->KeyUp(vk);
    }
    menu->Popup(300, 300);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "click 关闭");
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const std::string& e) { return e.rfind("click", 0) == 0; }),
              1);
    EXPECT_NE(std::find(events.begin(), events.end(), "draw 还原"), events.end())
        << "owner-drawn through its event";
}

TEST_F(Widgets, AControlsHintAppearsAfterThePauseAndGoesAgain) {
    TWidgetForm* form = MakeForm();
    auto* prev = form->Get<TSpeedButton>("Prev");
    prev->SetHint("回到上一题");
    prev->SetShowHint(true);
    auto hintShown = [&] {
        THintWindow* w = Application->Hints().Window();
        return w && w->HandleAllocated() && win::IsWindowVisible(w->Handle());
    };
    win::POINT p = prev->ClientToScreen({10, 10});
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    m_display->Advance(static_cast<std::uint32_t>(Application->HintPause() - 100));
    EXPECT_FALSE(hintShown()) << "not before the pause";
    m_display->Advance(200);
    ASSERT_TRUE(hintShown());
    EXPECT_EQ(Application->Hints().Window()->Caption(), "回到上一题");
    win::RECT r{};
    win::GetWindowRect(Application->Hints().Window()->Handle(), &r);
    EXPECT_EQ(r.left, p.x);
    EXPECT_GT(r.top, p.y) << "below the pointer";
    EXPECT_EQ(win::GetActiveWindow(), form->Handle());
    m_display->Advance(static_cast<std::uint32_t>(Application->HintHidePause() + 100));
    EXPECT_FALSE(hintShown()) << "gone after the hide pause";

    // Leaving before the pause shows nothing; a control without ShowHint shows nothing.
    m_display->MouseMove(p.x + 300, p.y + 300);
    m_display->Pump();
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    m_display->MouseMove(p.x + 300, p.y + 300);
    m_display->Pump();
    m_display->Advance(1000);
    EXPECT_FALSE(hintShown());
    prev->SetShowHint(false);
    m_display->MouseMove(p.x, p.y);
    m_display->Pump();
    m_display->Advance(1000);
    EXPECT_FALSE(hintShown());
    delete prev; // a control that goes while its hint is pending leaves nothing behind
    m_display->Advance(1000);
}

TEST(ButtonLayout, PlacesGlyphAndCaptionAsTheLayoutSays) {
    const win::RECT bounds{0, 0, 100, 60};
    const win::SIZE glyph{16, 16}, text{40, 12};
    struct Case {
        TButtonLayout layout;
        int margin;
        win::RECT glyph, text;
    } cases[] = {
        {TButtonLayout::blGlyphLeft, -1, {20, 22, 36, 38}, {40, 22, 80, 38}},
        {TButtonLayout::blGlyphRight, -1, {64, 22, 80, 38}, {20, 22, 60, 38}},
        {TButtonLayout::blGlyphTop, -1, {42, 14, 58, 30}, {30, 34, 70, 46}},
        {TButtonLayout::blGlyphBottom, -1, {42, 30, 58, 46}, {30, 14, 70, 26}},
        {TButtonLayout::blGlyphLeft, 5, {5, 22, 21, 38}, {25, 22, 65, 38}},
        {TButtonLayout::blGlyphRight, 5, {79, 22, 95, 38}, {35, 22, 75, 38}},
    };
    for (const Case& c : cases) {
        win::RECT g{}, t{};
        LayoutGlyphAndText(bounds, glyph, text, c.layout, c.margin, 4, &g, &t);
        EXPECT_TRUE(win::EqualRect(&g, &c.glyph))
            << static_cast<int>(c.layout) << " margin " << c.margin << " glyph " << g.left << "," << g.top
            << "," << g.right << "," << g.bottom;
        EXPECT_TRUE(win::EqualRect(&t, &c.text))
            << static_cast<int>(c.layout) << " margin " << c.margin << " text " << t.left << "," << t.top
            << "," << t.right << "," << t.bottom;
    }
    win::RECT g{}, t{};
    LayoutGlyphAndText(bounds, {0, 0}, text, TButtonLayout::blGlyphLeft, -1, 4, &g, &t);
    EXPECT_EQ(t.left, 30) << "no glyph, no spacing: the caption alone is centred";
}
