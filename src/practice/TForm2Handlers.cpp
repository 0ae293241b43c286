// The practice window's answering, navigation, countdown and hand-in handlers.
#include "practice/TForm2.h"

#include "result/Modality.h"
#include "result/Tchengjiform.h"
#include "toolkit/SysUtils.h"

namespace {
constexpr tk::TColor kGreen = 0x008000; // RGB 0, 128, 0
constexpr tk::TColor kRed = 0x0000FF;   // RGB 255, 0, 0
constexpr const char* kCaption = "提示";
} // namespace

void TForm2::RadioButton1Click(tk::TObject*) {
    AnswerWithRadio(AnswerControl::RadioButton1);
}
void TForm2::RadioButton2Click(tk::TObject*) {
    AnswerWithRadio(AnswerControl::RadioButton2);
}
void TForm2::RadioButton3Click(tk::TObject*) {
    AnswerWithRadio(AnswerControl::RadioButton3);
}
void TForm2::RadioButton4Click(tk::TObject*) {
    AnswerWithRadio(AnswerControl::RadioButton4);
}

void TForm2::AnswerWithRadio(AnswerControl control) {
    if (!m_exercise.Loaded())
        return;
    const std::string answer = Feedback::RadioAnswer(control, m_currentType);
    if (m_exercise.Exam()) {
        AnswerCard.at(m_exercise.CurrentPosition)->SetColor(kGreen);
        m_exercise.RecordAnswer(m_exercise.CurrentPosition, answer);
        return;
    }
    if (const FeedbackRow* row = Feedback::Find(control, m_currentType))
        Judge(*row, answer == m_currentRightAnswer);
}

void TForm2::Button1Click(tk::TObject*) {
    if (!m_exercise.Loaded())
        return;
    std::string letters;
    for (int k = 0; k < 4; ++k)
        if (CheckBoxes[k]->Checked())
            letters += static_cast<char>('A' + k);
    if (m_exercise.Exam()) {
        AnswerCard.at(m_exercise.CurrentPosition)->SetColor(kGreen);
        m_exercise.RecordAnswer(m_exercise.CurrentPosition, letters);
        return;
    }
    Judge(*Feedback::Find(AnswerControl::Button1, m_currentType), letters == m_currentRightAnswer);
}

void TForm2::Judge(const FeedbackRow& row, bool right) {
    // A review line of an earlier examination may have left its red background behind.
    StaticText1->SetColor(m_feedbackBackground);
    if (right) {
        StaticText1->SetCaption(row.rightText);
        StaticText1->Show();
        JudgeRight();
        StaticText1->Font()->SetColor(kGreen);
        // Starting a running timer does not restart it: the move comes a second after the first right
        // answer, from wherever the user is by then.
        Timer1->SetEnabled(true);
    } else {
        StaticText1->SetCaption(Feedback::WrongText(row, m_currentRightAnswer));
        StaticText1->Show();
        JudgeWrong();
        StaticText1->Font()->SetColor(kRed);
    }
}

void TForm2::JudgeRight() {
    if (!m_exercise.MarkJudged(m_exercise.CurrentPosition))
        return;
    m_exercise.CountJudgement(true);
    ShowCounters();
    WriteWrongFlag(0);
}

void TForm2::JudgeWrong() {
    if (!m_exercise.MarkJudged(m_exercise.CurrentPosition))
        return;
    m_exercise.CountJudgement(false);
    ShowCounters();
    WriteWrongFlag(1);
}

void TForm2::WriteWrongFlag(int wrong) {
    ADOQuery1.SQL.Clear();
    ADOQuery1.SQL.Add("update titles set wrong=:A where t_name=:B");
    ADOQuery1.Parameters.ParamByName("A").Value = wrong;
    ADOQuery1.Parameters.ParamByName("B").Value = m_exercise.QuestionAt(m_exercise.CurrentPosition).name;
    ADOQuery1.ExecSQL();
}

void TForm2::ShowCounters() {
    StaticText3->SetCaption(std::to_string(m_exercise.RightCount));
    StaticText6->SetCaption(std::to_string(m_exercise.WrongCount));
    StaticText9->SetCaption(m_exercise.AccuracyText());
}

int TForm2::Ask(const std::string& text, unsigned flags) {
    return win::MessageBoxA(Handle(), text.c_str(), kCaption, flags);
}

void TForm2::Inform(const std::string& text) {
    Ask(text, win::MB_OK);
}

void TForm2::Previous() {
    if (m_exercise.CurrentPosition != 0) {
        --m_exercise.CurrentPosition;
        ShowQuestion();
    } else {
        m_exercise.CurrentPosition = 0;
        Inform("已经是第一题了！");
    }
}

void TForm2::Next() {
    if (m_exercise.CurrentPosition + 1 >= m_exercise.QuestionCount()) {
        Inform("已经是最后一题了！");
    } else {
        ++m_exercise.CurrentPosition;
        ShowQuestion();
    }
}

void TForm2::SpeedButton1Click(tk::TObject*) {
    Previous();
}
void TForm2::SpeedButton3Click(tk::TObject*) {
    Previous();
}
void TForm2::SpeedButton2Click(tk::TObject*) {
    Next();
}
void TForm2::SpeedButton4Click(tk::TObject*) {
    Next();
}

void TForm2::Edit1KeyPress(tk::TObject*, char32_t& Key) {
    if (!((Key >= U'0' && Key <= U'9') || Key == 8))
        Key = 0;
}

void TForm2::Edit1KeyDown(tk::TObject*, win::WORD& Key, tk::TShiftState) {
    if (Key != 13)
        return;
    std::string text = Edit1->Text();
    std::erase(text, ' ');
    Edit1->SetText(text);
    const int n = tk::StrToInt(text);
    if (n < 1 || n > m_exercise.QuestionCount()) {
        Inform("输入有误，请重新输入！");
        return;
    }
    m_exercise.CurrentPosition = n - 1;
    ShowQuestion();
}

void TForm2::RzButton1Xclick(tk::TObject* Sender) {
    auto* button = dynamic_cast<tk::TRzButton*>(Sender);
    if (!button)
        return;
    const int position = tk::StrToInt(button->Caption()) - 1;
    if (position < 0 || position >= m_exercise.QuestionCount())
        return;
    m_exercise.CurrentPosition = position;
    ShowQuestion();
}

void TForm2::Timer1Timer(tk::TObject*) {
    Timer1->SetEnabled(false);
    SpeedButton2->Click();
}

void TForm2::Timer2Timer(tk::TObject*) {
    if (!m_examRunning) {
        Timer2->SetEnabled(false);
        return;
    }
    --m_remainingSeconds;
    StaticText15->SetCaption(FormatClock(m_remainingSeconds));
    if (m_remainingSeconds <= 0) {
        Timer2->SetEnabled(false);
        Inform("考试时间已经了，系统将自动交卷！");
        HandIn();
    }
}

void TForm2::SpeedButton5Click(tk::TObject*) {
    const int n = CountUnanswered();
    const std::string text = "您还有" + std::to_string(n) + "题没做，确定交卷";
    const int answer =
        win::MessageBoxA(Handle(), text.c_str(), kCaption, win::MB_OKCANCEL | win::MB_ICONQUESTION);
    // The time may have run out, and the examination been handed in, while the box was open.
    if (answer == win::IDOK && m_examRunning)
        HandIn();
}

void TForm2::HandIn() {
    if (!m_exercise.Loaded())
        return;
    const Exercise::HandInResult result = m_exercise.Score();
    for (int position : result.notRight)
        if (position < static_cast<int>(AnswerCard.size()))
            AnswerCard[position]->SetColor(kRed);
    Modality::QuestionCount = m_exercise.QuestionCount();
    Modality::ExamFullMarks = result.fullMarks;
    Modality::RightCount = result.right;
    Modality::WrongCount = result.wrong;
    Modality::ExamScore = result.score;
    SpeedButton5->SetEnabled(false);
    StaticText15->SetCaption("00:00:00");
    Timer2->SetEnabled(false);
    m_examRunning = false;
    if (chengjiform)
        chengjiform->ShowModal();
}
