// Scenario scripts: one command per line, '#' comments outside strings, strings in double quotes with \" and
// \\ escapes. A line becomes its words, each remembering whether it was quoted.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace uirun {

struct Word {
    std::string text;
    bool quoted = false;
};

struct ScriptLine {
    int number = 0;
    std::vector<Word> words;
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptParser {
public:
    // Throws ScriptError "FILE:LINE: ..." for an unterminated string or a bad escape.
    static std::vector<ScriptLine> Parse(const std::string& text, const std::string& file);
};

} // namespace uirun
