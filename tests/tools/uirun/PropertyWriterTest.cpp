// How `set` reads a value from a script's words and writes it through the property system: the layout's
// literals, and a clear complaint for every value or property it cannot take.
#include "PropertyWriter.h"

#include "skin/data/TSkinData.h"
#include "toolkit/TBitmap.h"

#include <gtest/gtest.h>

namespace {

using tk::layout::LayoutValue;
using uirun::PropertyWriter;
using uirun::Word;

std::vector<Word> Words(std::initializer_list<const char*> plain) {
    std::vector<Word> words;
    for (const char* text : plain)
        words.push_back(Word{text, false});
    return words;
}

std::string ComplaintOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const tk::PropertyError& e) {
        return e.message;
    }
    return "(no complaint)";
}

TEST(PropertyWriterTest, ValuesAreReadAsLayoutLiterals) {
    LayoutValue v = PropertyWriter::ParseValue({Word{"两个 words", true}});
    EXPECT_EQ(v.kind, LayoutValue::Kind::String);
    EXPECT_EQ(v.text, "两个 words");
    v = PropertyWriter::ParseValue(Words({"'plain", "words'"}));
    EXPECT_EQ(v.kind, LayoutValue::Kind::String);
    EXPECT_EQ(v.text, "plain words");
    v = PropertyWriter::ParseValue(Words({"False"}));
    EXPECT_EQ(v.kind, LayoutValue::Kind::Boolean);
    EXPECT_FALSE(v.boolean);
    EXPECT_TRUE(PropertyWriter::ParseValue(Words({"TRUE"})).boolean);
    v = PropertyWriter::ParseValue(Words({"-12"}));
    EXPECT_EQ(v.kind, LayoutValue::Kind::Integer);
    EXPECT_EQ(v.integer, -12);
    EXPECT_EQ(PropertyWriter::ParseValue(Words({"0x10"})).integer, 16);
    v = PropertyWriter::ParseValue(Words({"sfDialog"}));
    EXPECT_EQ(v.kind, LayoutValue::Kind::Identifier);
    EXPECT_EQ(v.text, "sfDialog");
    v = PropertyWriter::ParseValue(Words({"[xoPreview,", "xoMenuMerge]"}));
    EXPECT_EQ(v.kind, LayoutValue::Kind::Set);
    EXPECT_EQ(v.items, (std::vector<std::string>{"xoPreview", "xoMenuMerge"}));
}

TEST(PropertyWriterTest, WhatIsNotAValueIsRefusedWithTheText) {
    EXPECT_EQ(ComplaintOf([] { PropertyWriter::ParseValue({}); }), "a value is expected after the property");
    EXPECT_NE(ComplaintOf([] { PropertyWriter::ParseValue(Words({"[a,"})); }).find("\"[a,\" is not a value"),
              std::string::npos);
    EXPECT_NE(ComplaintOf([] { PropertyWriter::ParseValue(Words({"@Handler"})); }).find("@Handler"),
              std::string::npos);
    EXPECT_NE(ComplaintOf([] {
                  PropertyWriter::ParseValue(Words({"1", "2"}));
              }).find("\"1 2\""),
              std::string::npos);
    EXPECT_NE(ComplaintOf([] { PropertyWriter::ParseValue(Words({"a#b"})); }).find("comment"),
              std::string::npos);
    EXPECT_NE(ComplaintOf([] {
                  PropertyWriter::ParseValue({Word{"a", true}, Word{"b", false}});
              }).find("whole value"),
              std::string::npos);
    // Nothing after the value can sneak in another line of layout.
    EXPECT_NE(ComplaintOf([] { PropertyWriter::ParseValue(Words({"1\nend"})); }), "(no complaint)");
}

TEST(PropertyWriterTest, WritesANonVisualComponentsProperties) {
    skin::TSkinData data(nullptr);
    data.SetActive(true);
    PropertyWriter::Write(data, "Active", PropertyWriter::ParseValue(Words({"False"})));
    EXPECT_FALSE(data.Active());
    PropertyWriter::Write(data, "skinformtype", PropertyWriter::ParseValue(Words({"sfDialog"})));
    EXPECT_EQ(data.SkinFormtype(), skin::sfDialog);
    PropertyWriter::Write(data, "Options", PropertyWriter::ParseValue(Words({"[xoNoFocusRect]"})));
    EXPECT_EQ(data.Options(), skin::Bit(skin::xoNoFocusRect));
    PropertyWriter::Write(data, "DisableTag", PropertyWriter::ParseValue(Words({"7"})));
    EXPECT_EQ(data.DisableTag(), 7);
}

TEST(PropertyWriterTest, PropertiesThatCannotTakeTheValueAreNamed) {
    skin::TSkinData data(nullptr);
    const auto write = [&](tk::TObject& object, const char* property,
                           std::initializer_list<const char*> value) {
        return ComplaintOf(
            [&] { PropertyWriter::Write(object, property, PropertyWriter::ParseValue(Words(value))); });
    };
    EXPECT_EQ(write(data, "Nope", {"1"}), "TSkinData has no property \"Nope\"");
    EXPECT_EQ(write(data, "Active", {"'yes'"}), "property Active cannot take a string");
    EXPECT_EQ(write(data, "DisableTag", {"True"}), "property DisableTag cannot take true/false");
    EXPECT_NE(write(data, "SkinFormtype", {"sfNoSuch"}).find("sfNoSuch"), std::string::npos);
    EXPECT_NE(write(data, "Options", {"[xoNoSuch]"}).find("xoNoSuch"), std::string::npos);
    EXPECT_NE(write(data, "OnFormSkin", {"x"}).find("OnFormSkin is an event"), std::string::npos);
    tk::TBitmap bitmap;
    EXPECT_EQ(write(bitmap, "Width", {"10"}), "property Width of TBitmap is read-only");
    EXPECT_EQ(data.SkinFormtype(), skin::sfMainform);
}

} // namespace
