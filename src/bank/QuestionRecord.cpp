#include "bank/QuestionRecord.h"

#include "bank/RightAnswer.h"
#include "bank/TADOQuery.h"

namespace bank {

QuestionRecord QuestionRecord::Read(const TADOQuery& q) {
    QuestionRecord r;
    r.id = q.FieldByName("_id").AsInteger();
    r.chapter = q.FieldByName("t_class").AsInteger();
    r.type = q.FieldByName("t_type").AsInteger();
    r.name = q.FieldByName("t_name").AsString();
    r.answers = q.FieldByName("t_answers").AsString();
    r.picture = q.FieldByName("t_picurl").AsString();
    r.rightAnswer = RightAnswer::Decode(q.FieldByName("t_right_answer").AsString());
    r.score = q.FieldByName("t_score").AsInteger();
    r.wrong = q.FieldByName("wrong").AsInteger();
    r.ran = q.FieldByName("t_ran").AsInteger();
    return r;
}

} // namespace bank
