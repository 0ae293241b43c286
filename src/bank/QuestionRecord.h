// One row of table titles as the program holds it: the ten values, the right answer decoded.
#pragma once

#include <string>

namespace bank {

class TADOQuery;

struct QuestionRecord {
    int id = 0;
    int chapter = 0; // t_class
    int type = 0;    // t_type: 1 true/false, 2 single choice, 3 multiple choice
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
