#include "WidgetTestForm.h"

#include "toolkit/layout/LayoutDocument.h"

#include "platform/gdi/ImageFiles.h"
#include "support/JpegSample.h"

#include <cstdio>

namespace widget_tests {

TK_IMPLEMENT_CLASS(TWidgetForm, TForm, nullptr)

Bytes MakeBmp(int width, int height, win::COLORREF left, win::COLORREF right) {
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP bitmap = win::CreateBitmap(width, height, 1, 32, nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    win::RECT a{0, 0, width / 2, height}, b{width / 2, 0, width, height};
    win::HBRUSH brushA = win::CreateSolidBrush(left), brushB = win::CreateSolidBrush(right);
    win::FillRect(dc, &a, brushA);
    win::FillRect(dc, &b, brushB);
    win::DeleteObject(brushA);
    win::DeleteObject(brushB);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    Bytes out;
    std::string error;
    EXPECT_TRUE(win::gdi::SaveBmp(bitmap, 24, &out, &error)) << error;
    win::DeleteObject(bitmap);
    return out;
}

Bytes MakeGlyph() {
    // Two 16 x 16 pieces on a magenta ground (the corner colour drawing leaves out): a red square to use, a
    // grey one for the disabled look.
    win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::HBITMAP bitmap = win::CreateBitmap(32, 16, 1, 32, nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, bitmap);
    auto fill = [&](win::RECT r, win::COLORREF c) {
        win::HBRUSH brush = win::CreateSolidBrush(c);
        win::FillRect(dc, &r, brush);
        win::DeleteObject(brush);
    };
    fill({0, 0, 32, 16}, 0xFF00FF);
    fill({3, 3, 13, 13}, 0x0000FF);
    fill({19, 3, 29, 13}, 0x808080);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    Bytes out;
    EXPECT_TRUE(win::gdi::SaveBmp(bitmap, 24, &out, nullptr));
    win::DeleteObject(bitmap);
    return out;
}

std::string Hex(const Bytes& bytes) {
    std::string out;
    char buffer[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        out += buffer;
    }
    return out;
}

std::string WidgetLayout(const Bytes& glyph) {
    return R"(object WidgetForm: TWidgetForm
  Caption = "控件一览"
  ClientWidth = 640
  ClientHeight = 460
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Position = poScreenCenter
  object Title: TStaticText
    Left = 8
    Top = 4
    Caption = "出租车驾驶员从业资格证模拟考试系统"
    Font.Height = -19
    Font.Color = clBlack
  end
  object Link: TStaticText
    Left = 8
    Top = 36
    Caption = "【顺序】"
    Cursor = crHandPoint
    Font.Color = clBlue
    OnClick = @LinkClick
  end
  object Greyed: TStaticText
    Left = 80
    Top = 36
    Caption = "【随机】"
    Enabled = false
    OnClick = @LinkClick
  end
  object Modes: TRadioGroup
    Left = 8
    Top = 60
    Width = 200
    Height = 160
    Caption = "    章节练习：  "
  end
  object Start: TBitBtn
    Left = 20
    Top = 84
    Width = 90
    Height = 57
    Caption = "顺序练习"
    Glyph.Data = { )" +
           Hex(glyph) + R"( }
    NumGlyphs = 2
    OnClick = @ButtonClick
  end
  object Submit: TButton
    Left = 20
    Top = 150
    Width = 75
    Height = 25
    Caption = "提交答案"
    Default = true
    OnClick = @ButtonClick
  end
  object Question: TGroupBox
    Left = 216
    Top = 36
    Width = 416
    Height = 300
    Caption = "题目"
  end
  object Outer: TPanel
    Left = 224
    Top = 56
    Width = 400
    Height = 272
    object Stem: TStaticText
      Left = 5
      Top = 9
      Width = 380
      Height = 34
      AutoSize = false
      Caption = "【单选题】1、 出租汽车驾驶员在运营中应当遵守的规定是哪一项？"
    end
    object RadioButton1: TRadioButton
      Left = 32
      Top = 50
      Width = 200
      Height = 17
      Caption = "A、按照合理路线行驶"
      Checked = true
      OnClick = @RadioClick
    end
    object RadioButton2: TRadioButton
      Left = 32
      Top = 72
      Width = 200
      Height = 17
      Caption = "B、绕道行驶"
      OnClick = @RadioClick
    end
    object RadioButton3: TRadioButton
      Left = 32
      Top = 94
      Width = 200
      Height = 17
      Caption = "C、拒载"
      OnClick = @RadioClick
    end
    object RadioButton4: TRadioButton
      Left = 32
      Top = 116
      Width = 200
      Height = 17
      Caption = "D、议价"
      OnClick = @RadioClick
    end
    object Inner: TPanel
      Left = 240
      Top = 50
      Width = 150
      Height = 110
      BevelOuter = bvLowered
      object CheckBox1: TCheckBox
        Left = 8
        Top = 8
        Width = 130
        Height = 17
        Caption = "多选一"
      end
      object CheckBox2: TCheckBox
        Left = 8
        Top = 30
        Width = 130
        Height = 17
        Caption = "多选二"
        State = cbChecked
      end
      object Image1: TImage
        Left = 8
        Top = 56
        Width = 60
        Height = 40
        Stretch = true
      end
    end
    object Edit1: TEdit
      Left = 32
      Top = 150
      Width = 60
      Height = 21
      Text = "1"
      OnKeyPress = @EditKeyPress
      OnKeyDown = @EditKeyDown
    end
    object Prev: TSpeedButton
      Left = 100
      Top = 180
      Width = 97
      Height = 33
      Caption = "上一题"
      OnClick = @ButtonClick
    end
    object Card1: TRzButton
      Left = 210
      Top = 186
      Width = 30
      Height = 22
      Caption = "1"
      Color = clGreen
      OnClick = @ButtonClick
    end
    object Card2: TRzButton
      Left = 244
      Top = 186
      Width = 30
      Height = 22
      Caption = "2"
      OnClick = @ButtonClick
    end
    object Feedback: TStaticText
      Left = 32
      Top = 230
      Caption = "恭喜您答对了。"
      Font.Color = clGreen
    end
  end
  object Notes: TMemo
    Left = 8
    Top = 350
    Width = 200
    Height = 60
    Text = "备注"
    ScrollBars = ssVertical
  end
  object Notice: TStaticText
    Left = 216
    Top = 356
    Width = 281
    Height = 17
    AutoSize = false
    Caption = "正在初始化数据。。。。。。。"
    Font.Color = clRed
  end
  object Timer1: TTimer
    Interval = 200
    Enabled = false
  end
end
)";
}

TWidgetForm::TWidgetForm(TComponent* owner, const std::string& layout) : TForm(owner) {
    DefineMethod("ButtonClick", &TWidgetForm::ButtonClick);
    DefineMethod("RadioClick", &TWidgetForm::RadioClick);
    DefineMethod("LinkClick", &TWidgetForm::LinkClick);
    DefineMethod("EditKeyPress", &TWidgetForm::EditKeyPress);
    DefineMethod("EditKeyDown", &TWidgetForm::EditKeyDown);
    LoadLayout(layout, "widgets.layout");
    DoCreate();
}

void Widgets::SetUp() {
    m_display = &win::display::ResetHeadless(true);
    InitializeToolkit();
    Application->OnException = [this](const std::string& message) { m_errors.push_back(message); };
    Application->MessageBoxHandler = [this](const std::string& text, const std::string&, unsigned) {
        m_boxes.push_back(text);
        return 1;
    };
}

TWidgetForm* Widgets::MakeForm() {
    TWidgetForm* form = nullptr;
    std::string text = WidgetLayout(MakeGlyph());
    try {
        form = new TWidgetForm(Application, text);
    } catch (const tk::layout::LayoutError& e) {
        ADD_FAILURE() << e.What();
        throw;
    }
    form->Show();
    m_display->Pump();
    return form;
}

void Widgets::ClickAt(TControl* control, int x, int y) {
    win::POINT p = control->ClientToScreen({x, y});
    m_display->Click(p.x, p.y);
}

Bytes EncodeJpeg(int width, int height) {
    return testsupport::EncodeTwoToneJpeg(width, height, {250, 0, 0}, {0, 0, 250});
}

} // namespace widget_tests
