#include "practice/Feedback.h"

#include "bank/QuestionRecord.h"

namespace {

constexpr const char* kWrongLetters = "请注意您答错了,正确答案是：【{}】。";

const FeedbackRow kRows[] = {
    {AnswerControl::RadioButton1, 1, "恭喜您答对了。", "请注意您答错了,正确答案是：【错误】。"},
    {AnswerControl::RadioButton1, 2, "恭喜您答对了。", kWrongLetters},
    {AnswerControl::RadioButton2, 1, "恭喜您答对了", "请注意您答错了,正确答案是：【正确】。"},
    {AnswerControl::RadioButton2, 2, "恭喜您答对了。", kWrongLetters},
    {AnswerControl::RadioButton3, 2, "恭喜您答对了。", kWrongLetters},
    {AnswerControl::RadioButton4, 2, "恭喜您答对了", kWrongLetters},
    {AnswerControl::Button1, 0, "恭喜您答对了", kWrongLetters},
};

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

const FeedbackRow* Feedback::Find(AnswerControl control, int type) {
    for (const FeedbackRow& row : kRows)
        if (row.control == control && (row.type == 0 || row.type == type))
            return &row;
    return nullptr;
}

std::string Feedback::WrongText(const FeedbackRow& row, const std::string& rightAnswer) {
    std::string text = row.wrongText;
    ReplaceAll(text, "{}", rightAnswer);
    return text;
}

std::string Feedback::RadioAnswer(AnswerControl control, int type) {
    switch (control) {
    case AnswerControl::RadioButton1: return type == bank::qkTrueFalse ? "Y" : "A";
    case AnswerControl::RadioButton2: return type == bank::qkTrueFalse ? "N" : "B";
    case AnswerControl::RadioButton3: return "C";
    case AnswerControl::RadioButton4: return "D";
    case AnswerControl::Button1: break;
    }
    return "";
}

std::string Feedback::ReviewText(const std::string& rightAnswer) {
    std::string shown = rightAnswer;
    ReplaceAll(shown, "Y", "正确");
    ReplaceAll(shown, "N", "错误");
    return "您答错了，正确答案是：【" + shown + "】";
}
