// What the answering controls record and say: for each handler and question kind, the answer it stands for
// and the feedback texts of a practice judgement. The texts differ between handlers exactly as the bank's
// users have always seen them (some right texts end with "。", some do not).
#pragma once

#include <string>

enum class AnswerControl { RadioButton1, RadioButton2, RadioButton3, RadioButton4, Button1 };

struct FeedbackRow {
    AnswerControl control;
    int type; // 0: any kind
    const char* rightText;
    // The wrong text; "{}" stands for the right answer.
    const char* wrongText;
};

class Feedback {
public:
    // The row for a handler and question kind; null when the handler judges nothing for that kind.
    static const FeedbackRow* Find(AnswerControl control, int type);
    // The wrong text with the right answer in place.
    static std::string WrongText(const FeedbackRow& row, const std::string& rightAnswer);
    // The answer an examination records for a radio button: "Y"/"N" for true/false, the letter otherwise.
    static std::string RadioAnswer(AnswerControl control, int type);
    // The review line after the hand-in: the right answer with Y and N spelt out.
    static std::string ReviewText(const std::string& rightAnswer);
};
