// A form holding every widget kind, streamed from a layout, with handlers that record what reaches them; and
// a fixture that gives each test a fresh headless display with a virtual clock.
#pragma once

#include "toolkit/TApplication.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TCustomMemo.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TCustomRadioGroup.h"
#include "toolkit/TImage.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRzButton.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStaticText.h"
#include "toolkit/TTimer.h"

#include "platform/display/HeadlessDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace widget_tests {

using namespace tk;

// BMP file bytes of a small two-colour picture, `width` x `height`.
Bytes MakeBmp(int width, int height, win::COLORREF left, win::COLORREF right);
// A JPEG picture, red on its left half and blue on its right.
Bytes EncodeJpeg(int width, int height);
// A glyph strip of two pieces on a magenta ground.
Bytes MakeGlyph();
std::string Hex(const Bytes& bytes);
// The layout of the test form, with `glyph` as the bitmap button's glyph data.
std::string WidgetLayout(const Bytes& glyph);

class TWidgetForm : public TForm {
    TK_CLASS(TWidgetForm, TForm)
public:
    TWidgetForm(TComponent* owner, const std::string& layout);

    void ButtonClick(TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    void RadioClick(TObject* sender) { ButtonClick(sender); }
    void LinkClick(TObject* sender) { ButtonClick(sender); }
    void EditKeyPress(TObject*, char32_t& key) {
        if (!((key >= '0' && key <= '9') || key == 8))
            key = 0;
    }
    void EditKeyDown(TObject*, win::WORD& key, TShiftState) { keysDown.push_back(key); }

    template <class T> T* Get(const char* name) {
        auto* c = dynamic_cast<T*>(FindComponent(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::vector<std::string> clicks;
    std::vector<win::WORD> keysDown;
};

class Widgets : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { FinalizeToolkit(); }

    TWidgetForm* MakeForm();
    // Clicks at a point of the control (its own coordinates) through the display.
    void ClickAt(TControl* control, int x, int y);
    void ClickCentre(TControl* control) { ClickAt(control, control->Width() / 2, control->Height() / 2); }

    win::display::HeadlessDisplay* m_display = nullptr;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_boxes;
};

} // namespace widget_tests
