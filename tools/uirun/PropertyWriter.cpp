#include "PropertyWriter.h"

#include "toolkit/LayoutReader.h"
#include "toolkit/TObject.h"
#include "toolkit/layout/LayoutParser.h"

namespace uirun {

using tk::PropertyError;
using tk::layout::LayoutValue;

LayoutValue PropertyWriter::ParseValue(const std::vector<Word>& words) {
    if (words.empty())
        throw PropertyError{"a value is expected after the property"};
    LayoutValue value;
    if (words.size() == 1 && words[0].quoted) {
        value.kind = LayoutValue::Kind::String;
        value.text = words[0].text;
        return value;
    }
    std::string text;
    for (const Word& word : words) {
        if (word.quoted)
            throw PropertyError{"a quoted string must be the whole value"};
        text += (text.empty() ? "" : " ") + word.text;
    }
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
        value.kind = LayoutValue::Kind::String;
        value.text = text.substr(1, text.size() - 2);
        return value;
    }
    if (tk::SameText(text, "true") || tk::SameText(text, "false")) {
        value.kind = LayoutValue::Kind::Boolean;
        value.boolean = tk::SameText(text, "true");
        return value;
    }
    // The layout parser reads the value exactly as it reads one in a form's layout; a '#' would start a
    // comment there, so it cannot be part of a value here either.
    if (text.find_first_of("#\n") != std::string::npos)
        throw PropertyError{"\"" + text + "\" is not a value (a '#' starts a comment)"};
    tk::layout::LayoutObject parsed;
    try {
        parsed =
            tk::layout::LayoutParser::Parse("object Script: TObject\nValue = " + text + "\nend\n", "value");
    } catch (const tk::layout::LayoutError& e) {
        throw PropertyError{"\"" + text + "\" is not a value: " + e.message};
    }
    if (parsed.properties.size() != 1 || !parsed.children.empty() ||
        parsed.properties[0].value.kind == LayoutValue::Kind::Handler)
        throw PropertyError{"\"" + text + "\" is not a value"};
    return parsed.properties[0].value;
}

void PropertyWriter::Write(tk::TObject& object, const std::string& property, const LayoutValue& value) {
    tk::TObject* holder = nullptr;
    const tk::PropertyInfo& info = tk::ResolveProperty(object, property, &holder);
    if (info.IsEvent())
        throw PropertyError{"property " + info.name + " is an event, which a script cannot set"};
    if (!info.set)
        throw PropertyError{"property " + info.name + " of " + holder->ClassName() + " is read-only"};
    info.set(*holder, tk::LayoutReader::Convert(info, value));
}

} // namespace uirun
