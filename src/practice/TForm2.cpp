#include "practice/TForm2.h"

#include "bank/ConnectionString.h"
#include "bank/OptionList.h"
#include "bank/PicturePath.h"
#include "practice/RandomGenerator.h"
#include "result/Modality.h"
#include "toolkit/FormParts.h"

extern const char PracticeFormLayout[];

TForm2* Form2 = nullptr;

TK_IMPLEMENT_CLASS(TForm2, tk::TForm, nullptr)

TForm2::TForm2(tk::TComponent* owner) : tk::TForm(owner) {
    DefineMethod("FormCreate", &TForm2::FormCreate);
    DefineMethod("FormShow", &TForm2::FormShow);
    DefineMethod("FormClose", &TForm2::FormClose);
    DefineMethod("RadioButton1Click", &TForm2::RadioButton1Click);
    DefineMethod("RadioButton2Click", &TForm2::RadioButton2Click);
    DefineMethod("RadioButton3Click", &TForm2::RadioButton3Click);
    DefineMethod("RadioButton4Click", &TForm2::RadioButton4Click);
    DefineMethod("Button1Click", &TForm2::Button1Click);
    DefineMethod("SpeedButton1Click", &TForm2::SpeedButton1Click);
    DefineMethod("SpeedButton2Click", &TForm2::SpeedButton2Click);
    DefineMethod("SpeedButton3Click", &TForm2::SpeedButton3Click);
    DefineMethod("SpeedButton4Click", &TForm2::SpeedButton4Click);
    DefineMethod("SpeedButton5Click", &TForm2::SpeedButton5Click);
    DefineMethod("Edit1KeyPress", &TForm2::Edit1KeyPress);
    DefineMethod("Edit1KeyDown", &TForm2::Edit1KeyDown);
    DefineMethod("Timer1Timer", &TForm2::Timer1Timer);
    DefineMethod("Timer2Timer", &TForm2::Timer2Timer);
    LoadLayout(PracticeFormLayout, "Form2.layout");
    HandleNeeded();
    FindControls();
    DoCreate();
}

void TForm2::FindControls() {
    StaticText17 = tk::FindPart<tk::TStaticText>(*this, "StaticText17");
    GroupBox1 = tk::FindPart<tk::TRadioGroup>(*this, "GroupBox1");
    GroupBox2 = tk::FindPart<tk::TRadioGroup>(*this, "GroupBox2");
    GroupBox3 = tk::FindPart<tk::TRadioGroup>(*this, "GroupBox3");
    Panel1 = tk::FindPart<tk::TPanel>(*this, "Panel1");
    Panel2 = tk::FindPart<tk::TPanel>(*this, "Panel2");
    Panel3 = tk::FindPart<tk::TPanel>(*this, "Panel3");
    t_namet = tk::FindPart<tk::TStaticText>(*this, "t_namet");
    for (int i = 0; i < 4; ++i) {
        RadioButtons[i] = tk::FindPart<tk::TRadioButton>(*this, "RadioButton" + std::to_string(i + 1));
        CheckBoxes[i] = tk::FindPart<tk::TCheckBox>(*this, "CheckBox" + std::to_string(i + 1));
    }
    Button1 = tk::FindPart<tk::TButton>(*this, "Button1");
    StaticText1 = tk::FindPart<tk::TStaticText>(*this, "StaticText1");
    Image1 = tk::FindPart<tk::TImage>(*this, "Image1");
    StaticText15 = tk::FindPart<tk::TStaticText>(*this, "StaticText15");
    StaticText16 = tk::FindPart<tk::TStaticText>(*this, "StaticText16");
    SpeedButton2 = tk::FindPart<tk::TSpeedButton>(*this, "SpeedButton2");
    SpeedButton5 = tk::FindPart<tk::TSpeedButton>(*this, "SpeedButton5");
    StaticText3 = tk::FindPart<tk::TStaticText>(*this, "StaticText3");
    StaticText6 = tk::FindPart<tk::TStaticText>(*this, "StaticText6");
    StaticText9 = tk::FindPart<tk::TStaticText>(*this, "StaticText9");
    StaticText11 = tk::FindPart<tk::TStaticText>(*this, "StaticText11");
    Edit1 = tk::FindPart<tk::TEdit>(*this, "Edit1");
    Timer1 = tk::FindPart<tk::TTimer>(*this, "Timer1");
    Timer2 = tk::FindPart<tk::TTimer>(*this, "Timer2");
    m_feedbackBackground = StaticText1->Color();
}

void TForm2::FormCreate(tk::TObject*) {
    m_exercise.CurrentPosition = 0;
    ADOConnection1.ConnectionString = bank::ConnectionString::ForJetFile(Modality::BankFolder + "db1.mdb");
    ADOConnection1.LoginPrompt = false;
    ADOConnection1.Open();
    ADOQuery1.Connection = &ADOConnection1;
    m_exercise.AnsweredCount = m_exercise.RightCount = m_exercise.WrongCount = 0;
    BuildAnswerCard();
    Modality::BankReady = true;
}

void TForm2::BuildAnswerCard() {
    const int w = (Panel3->Width() - 20) / 20;
    const int h = (Panel3->Height() - 20) / 5;
    AnswerCard.clear();
    for (int i = 0; i < CardButtons; ++i) {
        auto* button = new tk::TRzButton(this);
        button->SetParent(Panel3);
        button->SetCaption(std::to_string(i + 1));
        button->SetWidth(w);
        button->SetHeight(h);
        button->OnClick = [this](tk::TObject* sender) { RzButton1Xclick(sender); };
        const int row = i / 20;
        const int left = i % 20 == 0 ? 15 : AnswerCard[i - 1]->Left() + AnswerCard[i - 1]->Width();
        const int top = 10 + row * (i == 0 ? h : AnswerCard[0]->Height());
        button->SetBounds(left, top, w, h);
        button->Show();
        AnswerCard.push_back(button);
    }
    m_cardFace = AnswerCard[0]->Color();
}

bool TForm2::Exam() const {
    return Modality::ExerciseRequest.ExamMode == 1;
}

void TForm2::ArrangeForMode(bool exam) {
    Panel1->Show();
    GroupBox1->Show();
    // A right answer just before the window was last closed must not move the new exercise on.
    Timer1->SetEnabled(false);
    if (exam) {
        m_remainingSeconds = ExamSeconds;
        Timer2->SetInterval(1000);
        Timer2->SetEnabled(true);
        m_examRunning = true;
        StaticText16->Show();
        StaticText15->Show();
        SpeedButton5->Show();
        Panel2->Hide();
        GroupBox2->Hide();
        GroupBox3->Show();
        Panel3->Show();
        SpeedButton5->SetEnabled(true);
        for (tk::TRzButton* button : AnswerCard)
            button->SetColor(m_cardFace);
    } else {
        Timer2->SetEnabled(false);
        m_examRunning = false;
        Panel2->Show();
        GroupBox2->Show();
        GroupBox3->Hide();
        Panel3->Hide();
        StaticText16->Hide();
        StaticText15->Hide();
        SpeedButton5->Hide();
    }
}

void TForm2::EnterEmptyState() {
    // An examination without questions has nothing to count down or hand in: the user can only close.
    Timer2->SetEnabled(false);
    m_examRunning = false;
    StaticText17->Show();
    for (tk::TControl* c :
         std::initializer_list<tk::TControl*>{GroupBox1, GroupBox2, GroupBox3, Panel1, Panel2, Panel3,
                                              StaticText15, StaticText16, SpeedButton5})
        c->Hide();
}

void TForm2::FormShow(tk::TObject*) {
    const bool exam = Exam();
    m_exercise.CurrentPosition = 0;
    ArrangeForMode(exam);
    bool loaded = false;
    try {
        loaded = m_exercise.Load(ADOQuery1, Modality::ExerciseRequest.QueryText, exam);
    } catch (...) {
        // Nothing of a half-loaded exercise may be answered, and the empty list's notice would be untrue.
        EnterEmptyState();
        StaticText17->Hide();
        throw;
    }
    if (!loaded) {
        EnterEmptyState();
        return;
    }
    Modality::QuestionCount = m_exercise.QuestionCount();
    StaticText11->SetCaption(std::to_string(m_exercise.QuestionCount()));
    if (exam)
        m_exercise.DrawExam(RandomGenerator::Instance());
    else if (Modality::ExerciseRequest.OrderMode == 1)
        m_exercise.ShufflePracticeOrder(RandomGenerator::Instance());
    ShowQuestion();
}

void TForm2::FormClose(tk::TObject*, tk::TCloseAction&) {
    Timer1->SetEnabled(false);
    // Closing the window abandons a running examination: the countdown stops and nothing is handed in.
    if (m_examRunning) {
        Timer2->SetEnabled(false);
        m_examRunning = false;
    }
}

void TForm2::ShowQuestion() {
    for (int i = 0; i < 4; ++i) {
        RadioButtons[i]->SetChecked(false);
        RadioButtons[i]->Hide();
        CheckBoxes[i]->SetChecked(false);
        CheckBoxes[i]->Hide();
    }
    StaticText1->Hide();
    Button1->Hide();
    Image1->Picture()->Clear();
    if (!m_exercise.Loaded())
        return;

    const int position = m_exercise.CurrentPosition;
    const bank::QuestionRecord& q = m_exercise.QuestionAt(position);
    if (!q.picture.empty()) {
        try {
            const std::string path = bank::PicturePath::Resolve(Modality::ProgramFolder, q.picture);
            if (!path.empty())
                Image1->Picture()->LoadFromFile(path);
        } catch (...) {
            // A picture that cannot be read is left out without a word.
        }
    }
    m_currentRightAnswer = q.rightAnswer;
    m_currentType = q.type;
    static const char* const kTags[] = {"", "【判断题】", "【单选题】", "【多选题】"};
    const char* tag = bank::IsKnownKind(q.type) ? kTags[q.type] : "";
    t_namet->SetCaption(std::string(tag) + std::to_string(position + 1) + "、 " + q.name);

    if (q.type == bank::qkTrueFalse) {
        RadioButtons[0]->SetCaption("正确");
        RadioButtons[1]->SetCaption("错误");
        RadioButtons[0]->Show();
        RadioButtons[1]->Show();
    } else if (q.type == bank::qkSingleChoice || q.type == bank::qkMultipleChoice) {
        if (q.type == bank::qkMultipleChoice)
            Button1->Show();
        const std::vector<std::string> options = bank::OptionList::Split(q.answers);
        if (options.size() <= 4)
            for (std::size_t k = 0; k < options.size(); ++k) {
                tk::TButtonControl* option = q.type == bank::qkSingleChoice
                                                 ? static_cast<tk::TButtonControl*>(RadioButtons[k])
                                                 : static_cast<tk::TButtonControl*>(CheckBoxes[k]);
                option->SetCaption(options[k]);
                option->Show();
            }
    }

    if (!m_exercise.Exam())
        return;
    const std::string& a = m_exercise.UserAnswer(position);
    if (q.type == bank::qkTrueFalse) {
        if (a == "Y")
            RadioButtons[0]->SetChecked(true);
        else if (a == "N")
            RadioButtons[1]->SetChecked(true);
    } else if (q.type == bank::qkSingleChoice) {
        if (a.size() == 1 && a[0] >= 'A' && a[0] <= 'D')
            RadioButtons[a[0] - 'A']->SetChecked(true);
    } else if (q.type == bank::qkMultipleChoice) {
        for (int k = 0; k < 4; ++k)
            if (a.find(static_cast<char>('A' + k)) != std::string::npos)
                CheckBoxes[k]->SetChecked(true);
    }
    if (!SpeedButton5->Enabled() && a != m_currentRightAnswer) {
        StaticText1->SetCaption(Feedback::ReviewText(m_currentRightAnswer));
        StaticText1->SetColor(0x0000FF); // RGB 255, 0, 0
        // White stays readable on the red review background.
        StaticText1->Font()->SetColor(tk::clWhite);
        StaticText1->Show();
    }
}
