// One row of table titles as the program holds it: the ten values, the right answer decoded.
#pragma once

#include <string>

namespace bank {

class TADOQuery;

// The kinds of question the stored t_type names. A row may hold another number: it is shown without
// options and never judged, so the kind stays a plain int where it is stored and read.
enum QuestionKind : int {
    qkTrueFalse = 1,
    qkSingleChoice = 2,
    qkMultipleChoice = 3,
};

inline bool IsKnownKind(int type) {
    return type >= qkTrueFalse && type <= qkMultipleChoice;
}

struct QuestionRecord {
    int id = 0;
    int chapter = 0; // t_class
    int type = 0;    // t_type, a QuestionKind for every row that is judged
    std::string name;
    std::string answers;
    std::string picture;
    std::string rightAnswer; // decoded
    int score = 0;
    int wrong = 0;
    int ran = 0;

    // Reads the current row of an open select by column name, in the table's column order; throws
    // EDatabaseError for a missing column or a value that is not an integer.
    static QuestionRecord Read(const TADOQuery& query);
};

} // namespace bank
