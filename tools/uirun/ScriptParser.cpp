#include "ScriptParser.h"

namespace uirun {

std::vector<ScriptLine> ScriptParser::Parse(const std::string& text, const std::string& file) {
    std::vector<ScriptLine> lines;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        ScriptLine parsed{number, {}};
        auto fail = [&](const std::string& what) {
            throw ScriptError(file + ":" + std::to_string(number) + ": " + what);
        };
        for (std::size_t i = 0; i < line.size();) {
            const char c = line[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                Word w{"", true};
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    const char d = line[i++];
                    if (d == '"') {
                        closed = true;
                        break;
                    }
                    if (d == '\\') {
                        if (i >= line.size() || (line[i] != '"' && line[i] != '\\'))
                            fail("only \\\" and \\\\ may follow a backslash in a string");
                        w.text += line[i++];
                    } else {
                        w.text += d;
                    }
                }
                if (!closed)
                    fail("the string is not closed");
                parsed.words.push_back(std::move(w));
            } else {
                Word w;
                while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                       line[i] != '"')
                    w.text += line[i++];
                parsed.words.push_back(std::move(w));
            }
        }
        if (!parsed.words.empty())
            lines.push_back(std::move(parsed));
        if (end == text.size())
            break;
    }
    return lines;
}

} // namespace uirun
