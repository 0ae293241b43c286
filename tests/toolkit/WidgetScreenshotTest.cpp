// Draws the form with every widget kind in the classic look and writes it to the build folder, for a person
// to look at.
#include "WidgetTestForm.h"

using namespace widget_tests;

TEST_F(Widgets, ScreenshotOfEveryWidgetKind) {
    TWidgetForm* form = MakeForm();
    form->Get<TImage>("Image1")->Picture()->Bitmap()->LoadFromBytes(MakeBmp(60, 40, 0x00C0FF, 0xC08000));
    form->Get<TCheckBox>("CheckBox1")->SetState(TCheckBoxState::cbGrayed);
    form->Get<TStaticText>("Link")->SetEnabled(false);
    form->Get<TEdit>("Edit1")->SetFocus();
    m_display->Pump();
    win::UpdateWindow(form->Handle());
    std::string path = std::string(TAXI_BINARY_DIR) + "/widgets.png";
    std::string error;
    ASSERT_TRUE(m_display->Screenshot(path, &error)) << error;

    // The green answer-card face is really there.
    auto* card = form->Get<TRzButton>("Card1");
    win::HDC dc = win::GetDC(card->Handle());
    EXPECT_EQ(win::GetPixel(dc, 3, card->Height() - 4), 0x008000u);
    win::ReleaseDC(card->Handle(), dc);
}
