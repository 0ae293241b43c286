// The practice window: every practice mode and the mock examination. Creation opens the question bank and
// builds the answer card; each showing loads the exercise the main window asked for and shows its first
// question; the handlers judge or record answers, move between questions, count the examination down and
// hand it in.
#pragma once

#include "bank/TADOConnection.h"
#include "bank/TADOQuery.h"
#include "practice/Exercise.h"
#include "practice/Feedback.h"
#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomEdit.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TCustomRadioGroup.h"
#include "toolkit/TImage.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRzButton.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStaticText.h"
#include "toolkit/TTimer.h"

#include <array>
#include <string>
#include <vector>

class TForm2 : public tk::TForm {
    TK_CLASS(TForm2, tk::TForm)
public:
    static constexpr int ExamSeconds = 2700;
    static constexpr int CardButtons = 90;

    explicit TForm2(tk::TComponent* owner);

    // Events bound by the layout.
    void FormCreate(tk::TObject* Sender);
    void FormShow(tk::TObject* Sender);
    void FormClose(tk::TObject* Sender, tk::TCloseAction& Action);
    void RadioButton1Click(tk::TObject* Sender);
    void RadioButton2Click(tk::TObject* Sender);
    void RadioButton3Click(tk::TObject* Sender);
    void RadioButton4Click(tk::TObject* Sender);
    void Button1Click(tk::TObject* Sender);
    void SpeedButton1Click(tk::TObject* Sender);
    void SpeedButton2Click(tk::TObject* Sender);
    void SpeedButton3Click(tk::TObject* Sender);
    void SpeedButton4Click(tk::TObject* Sender);
    void SpeedButton5Click(tk::TObject* Sender);
    void Edit1KeyPress(tk::TObject* Sender, char32_t& Key);
    void Edit1KeyDown(tk::TObject* Sender, win::WORD& Key, tk::TShiftState Shift);
    void RzButton1Xclick(tk::TObject* Sender);
    void Timer1Timer(tk::TObject* Sender);
    void Timer2Timer(tk::TObject* Sender);

    void ShowQuestion();
    void HandIn();
    void ShowCounters();
    int CountUnanswered() const { return m_exercise.CountUnanswered(); }

    const Exercise& CurrentExercise() const { return m_exercise; }
    const std::string& CurrentRightAnswer() const { return m_currentRightAnswer; }
    int CurrentType() const { return m_currentType; }
    int RemainingSeconds() const { return m_remainingSeconds; }

    bank::TADOConnection ADOConnection1;
    bank::TADOQuery ADOQuery1;

    tk::TStaticText* StaticText17 = nullptr;
    tk::TRadioGroup* GroupBox1 = nullptr;
    tk::TRadioGroup* GroupBox2 = nullptr;
    tk::TRadioGroup* GroupBox3 = nullptr;
    tk::TPanel* Panel1 = nullptr;
    tk::TPanel* Panel2 = nullptr;
    tk::TPanel* Panel3 = nullptr;
    tk::TStaticText* t_namet = nullptr;
    std::array<tk::TRadioButton*, 4> RadioButtons{};
    std::array<tk::TCheckBox*, 4> CheckBoxes{};
    tk::TButton* Button1 = nullptr;
    tk::TStaticText* StaticText1 = nullptr;
    tk::TImage* Image1 = nullptr;
    tk::TStaticText* StaticText15 = nullptr;
    tk::TStaticText* StaticText16 = nullptr;
    tk::TSpeedButton* SpeedButton2 = nullptr;
    tk::TSpeedButton* SpeedButton5 = nullptr;
    tk::TStaticText* StaticText3 = nullptr;
    tk::TStaticText* StaticText6 = nullptr;
    tk::TStaticText* StaticText9 = nullptr;
    tk::TStaticText* StaticText11 = nullptr;
    tk::TEdit* Edit1 = nullptr;
    tk::TTimer* Timer1 = nullptr;
    tk::TTimer* Timer2 = nullptr;
    std::vector<tk::TRzButton*> AnswerCard;

private:
    Exercise m_exercise;
    std::string m_currentRightAnswer;
    int m_currentType = 0;
    int m_remainingSeconds = 0;
    // True from the start of an examination until its hand-in or until the window is closed.
    bool m_examRunning = false;
    tk::TColor m_cardFace = tk::clBtnFace;
    tk::TColor m_feedbackBackground = tk::clBtnFace;

    void FindControls();
    void BuildAnswerCard();
    void ArrangeForMode(bool exam);
    void EnterEmptyState();
    void AnswerWithRadio(AnswerControl control);
    void Judge(const FeedbackRow& row, bool right);
    void JudgeRight();
    void JudgeWrong();
    void WriteWrongFlag(int wrong);
    void Previous();
    void Next();
    int Ask(const std::string& text, unsigned flags);
    void Inform(const std::string& text);
    bool Exam() const;
};

extern TForm2* Form2;
