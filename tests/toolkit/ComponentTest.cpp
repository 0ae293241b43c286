#include "TestClasses.h"

#include <gtest/gtest.h>

using namespace testing_classes;

namespace testing_classes {
namespace {
void DefineFont(std::vector<PropertyInfo>& p) {
    p.push_back(ColourProperty<TTestFont>("Color", &TTestFont::Color, &TTestFont::SetColor));
    p.push_back(SetProperty<TTestFont>("Style", kStyleInfo, &TTestFont::Style, &TTestFont::SetStyle));
}
void DefineControl(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<TTestControl>("Caption", &TTestControl::Caption, &TTestControl::SetCaption));
    p.push_back(IntegerProperty<TTestControl>("Left", &TTestControl::Left, &TTestControl::SetLeft));
    p.push_back(BooleanProperty<TTestControl>("Enabled", &TTestControl::Enabled, &TTestControl::SetEnabled));
    p.push_back(
        EnumProperty<TTestControl>("Align", kAlignInfo, &TTestControl::GetAlign, &TTestControl::SetAlign));
    p.push_back(ObjectProperty<TTestControl>("Font", &TTestControl::Font));
    p.push_back(BinaryProperty<TTestControl>("Data", &TTestControl::Data, &TTestControl::SetData));
    p.push_back(IntegerProperty<TTestControl>("ReadOnly", &TTestControl::ReadOnlyValue));
    p.push_back(EventProperty<TTestControl>("OnClick", &TTestControl::OnClick));
    p.push_back(EventProperty<TTestControl>("OnKeyPress", &TTestControl::OnKeyPress));
}
} // namespace
TK_IMPLEMENT_CLASS(TTestFont, TPersistent, DefineFont)
TK_IMPLEMENT_CLASS(TTestControl, TComponent, DefineControl)
TK_IMPLEMENT_CLASS(TTestPanel, TTestControl, nullptr)
TK_IMPLEMENT_CLASS(TTestForm, TTestControl, nullptr)
} // namespace testing_classes

TEST(ClassIdentity, AnswersByNameThroughTheWholeChain) {
    TTestPanel panel(nullptr);
    EXPECT_EQ(panel.ClassName(), "TTestPanel");
    EXPECT_TRUE(panel.InheritsFrom("TTestPanel"));
    EXPECT_TRUE(panel.InheritsFrom("ttestcontrol")) << "class names compare without case";
    EXPECT_TRUE(panel.InheritsFrom("TComponent"));
    EXPECT_TRUE(panel.InheritsFrom("TObject"));
    EXPECT_FALSE(panel.InheritsFrom("TTestForm"));
    EXPECT_FALSE(TTestControl(nullptr).InheritsFrom("TTestPanel"));
    ASSERT_NE(FindClass("TTestPanel"), nullptr);
    EXPECT_TRUE(FindClass("TTestPanel")->create) << "streamable classes can be created by name";
    EXPECT_FALSE(FindClass("TTestFont") && FindClass("TTestFont")->create);
}

TEST(Properties, ReadAndWriteByNameAndPath) {
    TTestControl c(nullptr);
    SetPropertyValue(c, "caption", std::string("答题卡"));
    SetPropertyValue(c, "Left", std::int64_t{-5});
    SetPropertyValue(c, "Align", std::string("alClient"));
    SetPropertyValue(c, "Font.Color", std::int64_t{clRed});
    SetPropertyValue(c, "Font.Style", StringSet{"fsItalic", "fsBold"});
    EXPECT_EQ(c.Caption(), "答题卡");
    EXPECT_EQ(c.Left(), -5);
    EXPECT_EQ(c.GetAlign(), Align::Client);
    EXPECT_EQ(c.Font()->Color(), clRed);
    EXPECT_EQ(c.Font()->Style(), 3u);
    EXPECT_EQ(std::get<std::string>(GetPropertyValue(c, "Align")), "alClient");
    EXPECT_EQ(std::get<StringSet>(GetPropertyValue(c, "Font.Style")), (StringSet{"fsBold", "fsItalic"}));
    EXPECT_EQ(std::get<std::int64_t>(GetPropertyValue(c, "Font.Color")), 0xFF);
    c.Font()->SetColor(clBtnFace);
    EXPECT_EQ(std::get<std::int64_t>(GetPropertyValue(c, "Font.Color")), 0x8000000F)
        << "system colours read back as unsigned values";
}

TEST(Properties, RefuseWhatDoesNotFit) {
    TTestControl c(nullptr);
    auto refused = [&](const char* path, PropertyValue v) {
        try {
            SetPropertyValue(c, path, v);
        } catch (const PropertyError& e) {
            return e.message;
        }
        return std::string("accepted");
    };
    EXPECT_NE(refused("Nope", std::int64_t{1}).find("no property \"Nope\""), std::string::npos);
    EXPECT_NE(refused("Caption.Sub", std::int64_t{1}).find("no sub-properties"), std::string::npos);
    EXPECT_NE(refused("ReadOnly", std::int64_t{1}).find("read-only"), std::string::npos);
    EXPECT_NE(refused("Left", std::string("x")).find("expects an integer"), std::string::npos);
    EXPECT_NE(refused("Left", std::int64_t{1} << 40).find("out of range"), std::string::npos);
    EXPECT_NE(refused("Align", std::string("alSideways")).find("not a member of TAlign"), std::string::npos);
    EXPECT_NE(refused("Font.Style", StringSet{"fsBlink"}).find("not a member"), std::string::npos);
    EXPECT_EQ(c.Left(), 0) << "a refused value changes nothing";
}

TEST(Ownership, OwnerFreesItsComponentsNewestFirst) {
    Journal().clear();
    {
        TTestForm form;
        form.SetName("Form");
        auto* a = new TTestControl(&form);
        a->SetName("A");
        auto* b = new TTestControl(&form);
        b->SetName("B");
        auto* c = new TTestControl(&form);
        c->SetName("C");
        delete b; // leaves its owner's list
        EXPECT_EQ(form.ComponentCount(), 2);
        EXPECT_EQ(form.FindComponent("c"), c);
        EXPECT_EQ(form.FindComponent("B"), nullptr);
        EXPECT_THROW(c->SetName("a"), ComponentError) << "names are unique among an owner's components";
        EXPECT_THROW(c->SetName("1abc"), ComponentError);
    }
    EXPECT_EQ(Journal(), (std::vector<std::string>{"destroy B", "destroy C", "destroy A", "destroy Form"}));
}
