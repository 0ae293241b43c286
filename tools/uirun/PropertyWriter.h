// Writes one published property of an object by name, from a value written as in a layout (`Caption =
// "text"` in a form's layout is `set FORM.CONTROL.Caption "text"` in a script): the same conversion and the
// same setter a layout's lines go through.
#pragma once

#include "ScriptParser.h"

#include "toolkit/Property.h"
#include "toolkit/layout/LayoutDocument.h"

#include <string>
#include <vector>

namespace tk {
class TObject;
} // namespace tk

namespace uirun {

class PropertyWriter {
public:
    // The value the script's words give: one quoted word is a string; otherwise the words joined by blanks
    // are read as a layout value (integer, true/false in any letter case, identifier, set [a, b], 'text').
    // Throws tk::PropertyError saying what is wrong with it.
    static tk::layout::LayoutValue ParseValue(const std::vector<Word>& words);

    // Sets `property` (a path such as "Font.Color") of `object`. Throws tk::PropertyError for an unknown
    // property, a read-only property or event, and a value of the wrong kind; the setter's own failures
    // (std::exception) pass through.
    static void Write(tk::TObject& object, const std::string& property, const tk::layout::LayoutValue& value);
};

} // namespace uirun
