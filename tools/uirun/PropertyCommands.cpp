// The script's writes to the program's objects: `set FORM.CONTROL.PROPERTY VALUE`, for controls and for the
// non-visual components a form owns alike.
#include "PropertyWriter.h"
#include "ScriptRunner.h"

#include "toolkit/TObject.h"

namespace uirun {

bool ScriptRunner::SetProperty(const ScriptLine& line) {
    const std::string path = Argument(line, 1);
    std::string property;
    tk::TObject* object = ResolveObject(line, path, &property);
    std::vector<Word> valueWords;
    for (std::size_t i = 2; i < line.words.size(); ++i)
        valueWords.push_back(Word{Argument(line, i), line.words[i].quoted});
    try {
        PropertyWriter::Write(*object, property, PropertyWriter::ParseValue(valueWords));
    } catch (const tk::PropertyError& e) {
        Fail(line, "set " + path + ": " + e.message);
    } catch (const std::exception& e) {
        Fail(line, "set " + path + ": " + e.what());
    }
    return false;
}

} // namespace uirun
