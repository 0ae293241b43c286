// The question source: UTF-8 text files chN.txt (N = chapter 1-8) of "key: value" records separated by
// blank lines; "#" starts a comment line. See data/README.md for the format.
#pragma once

#include "bank/QuestionRecord.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qbank {

class SourceError : public std::runtime_error {
public:
    explicit SourceError(const std::string& message) : std::runtime_error(message) {}
};

struct SourceQuestion {
    std::optional<int> id;
    int chapter = 0;
    int type = 0; // 1 judge, 2 single, 3 multi
    std::string stem;
    std::vector<std::string> options; // A-D for single/multi, empty for judge
    // The "options:" line: t_answers exactly as stored, for rows the four A-D lines cannot express (other
    // counts, empty entries, a final "|", text on a true/false row). Takes the place of `options`.
    std::optional<std::string> storedOptions;
    std::string answer; // Y/N, A-D or ascending letters
    std::string picture;
    int score = 0;
    int wrong = 0;
    std::string file; // where the record starts, for messages
    int line = 0;
};

class QuestionSource {
public:
    // One file's records; `chapter` is stored in each. Throws SourceError "file:line: what".
    static std::vector<SourceQuestion> Parse(const std::string& text, const std::string& file, int chapter);
    static std::vector<SourceQuestion> ReadFile(const std::string& path, int chapter);
    // ch1.txt ... ch8.txt of a folder, in that order; a missing file is an error.
    static std::vector<SourceQuestion> ReadFolder(const std::string& folder);
    // The text of one chapter's file; Parse(Format(q)) gives back q (ids included).
    static std::string Format(const std::vector<SourceQuestion>& questions, int chapter);

    static int DefaultScore(int type) { return type == bank::qkMultipleChoice ? 2 : 1; }
    static const char* TypeName(int type);
};

} // namespace qbank
