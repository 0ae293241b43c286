#include "TestClasses.h"

#include "toolkit/LayoutReader.h"

#include <gtest/gtest.h>

using namespace testing_classes;
using tk::LayoutReader;
using tk::layout::LayoutError;

namespace {

const char* kForm = R"(object MainForm: TTestForm
  Caption = "主窗口"
  Font.Color = clBtnText
  object Panel1: TTestPanel
    Left = 8
    Align = alTop
    Data = { CAFE }
    object Button1: TTestControl
      Caption = "顺序练习"
      Enabled = false
      Font.Style = [fsBold]
      OnClick = @ButtonClick
    end
  end
  object Edit1: TTestControl
    Font.Color = 0x00FF00
    OnKeyPress = @EditKeyPress
  end
end
)";

LayoutError ReadError(TTestForm& form, const std::string& text) {
    try {
        LayoutReader::ReadText(form, text, "form.layout");
    } catch (const LayoutError& e) {
        return e;
    }
    ADD_FAILURE() << "no error";
    return {};
}

std::string OneChild(const std::string& body) {
    return "object F: TTestForm\n  object C: TTestControl\n" + body + "\n  end\nend\n";
}

} // namespace

TEST(LayoutReader, BuildsTheTreeSetsPropertiesAndBindsEvents) {
    Journal().clear();
    TTestForm form;
    LayoutReader::ReadText(form, kForm, "main.layout");

    EXPECT_EQ(form.Name(), "MainForm");
    EXPECT_EQ(form.Caption(), "主窗口");
    EXPECT_EQ(form.Font()->Color(), clBtnText);
    ASSERT_EQ(form.ComponentCount(), 3) << "every streamed component is owned by the root";
    auto* panel = dynamic_cast<TTestPanel*>(form.FindComponent("Panel1"));
    auto* button = dynamic_cast<TTestControl*>(form.FindComponent("Button1"));
    auto* edit = dynamic_cast<TTestControl*>(form.FindComponent("Edit1"));
    ASSERT_TRUE(panel && button && edit);
    EXPECT_EQ(panel->ParentComponent(), &form);
    EXPECT_EQ(button->ParentComponent(), panel) << "placed inside the object it is written in";
    EXPECT_EQ(button->Owner(), &form);
    EXPECT_EQ(panel->Data(), (tk::Bytes{0xCA, 0xFE}));
    EXPECT_EQ(panel->GetAlign(), Align::Top);
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Font()->Style(), 1u);
    EXPECT_EQ(edit->Font()->Color(), 0x00FF00u);

    button->Click();
    button->Click();
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Button1", "Button1"}));
    char key = 'a';
    edit->OnKeyPress(edit, key);
    EXPECT_EQ(key, 0) << "the handler can change the key it is given";

    EXPECT_EQ(Journal(),
              (std::vector<std::string>{"loaded Panel1 caption=", "loaded Button1 caption=顺序练习",
                                        "loaded Edit1 caption=", "loaded MainForm caption=主窗口"}))
        << "Loaded runs after every property is set, streamed components first, the root last";
    EXPECT_FALSE(form.IsLoading());
    EXPECT_FALSE(button->IsLoading());
}

TEST(LayoutReader, FaultsNameFileLineAndProperty) {
    struct Case {
        std::string text;
        int line;
        const char* fragment;
    } cases[] = {
        {"object F: TTestPanel\nend\n", 1, "describes a TTestPanel"},
        {"object F: TTestForm\n  object C: TNoSuchClass\n  end\nend\n", 2, "unknown class TNoSuchClass"},
        {"object F: TTestForm\n  object C: TTestFont\n  end\nend\n", 2, "cannot be created"},
        {OneChild("    Colour = 1"), 3, "C.Colour: TTestControl has no property \"Colour\""},
        {OneChild("    Left = \"8\""), 3, "C.Left: property Left cannot take a string"},
        {OneChild("    Left = 4294967296"), 3, "out of range"},
        {OneChild("    Font.Color = clPlaid"), 3, "unknown colour clPlaid"},
        {OneChild("    Align = alSideways"), 3, "not a member of TAlign"},
        {OneChild("    ReadOnly = 1"), 3, "read-only"},
        {OneChild("    Font = 1"), 3, "read-only"},
        {OneChild("    OnClick = ButtonClick"), 3, "takes a handler"},
        {OneChild("    OnClick = @Missing"), 3, "no handler Missing"},
        {OneChild("    OnClick = @EditKeyPress"), 3, "does not fit event OnClick"},
        {"object F: TTestForm\n  object C: TTestControl\n  end\n  object c: TTestControl\n  end\nend\n", 4,
         "already exists"},
    };
    for (const Case& c : cases) {
        TTestForm form;
        LayoutError e = ReadError(form, c.text);
        EXPECT_EQ(e.file, "form.layout");
        EXPECT_EQ(e.line, c.line) << c.text;
        EXPECT_NE(e.message.find(c.fragment), std::string::npos) << c.text << " -> " << e.message;
    }
}

TEST(LayoutReader, ComponentsMadeBeforeAFaultAreFreedWithTheRoot) {
    Journal().clear();
    {
        TTestForm form;
        form.SetName("F");
        ReadError(form,
                  "object F: TTestForm\n  object A: TTestControl\n  end\n  object B: TNope\n  end\nend\n");
        EXPECT_EQ(form.ComponentCount(), 1);
    }
    EXPECT_EQ(Journal(), (std::vector<std::string>{"destroy A", "destroy F"}));
}
