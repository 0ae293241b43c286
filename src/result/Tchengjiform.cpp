#include "result/Tchengjiform.h"

#include "result/Modality.h"
#include "toolkit/FormParts.h"

extern const char ResultFormLayout[];

Tchengjiform* chengjiform = nullptr;

TK_IMPLEMENT_CLASS(Tchengjiform, tk::TForm, nullptr)

Tchengjiform::Tchengjiform(tk::TComponent* owner) : tk::TForm(owner) {
    DefineMethod("FormShow", &Tchengjiform::FormShow);
    DefineMethod("Button1Click", &Tchengjiform::Button1Click);
    LoadLayout(ResultFormLayout, "chengjiform.layout");
    HandleNeeded();
    for (int i = 0; i < 5; ++i)
        ResultLabels[i] = tk::FindPart<tk::TStaticText>(*this, "StaticText" + std::to_string(i + 1));
    Button1 = tk::FindPart<tk::TButton>(*this, "Button1");
    DoCreate();
}

std::array<std::string, 5> Tchengjiform::ResultLines(int questionCount, int fullMarks, int right, int wrong,
                                                     int score) {
    return {"考试总题数：" + std::to_string(questionCount) + " 题",
            "考试总分：" + std::to_string(fullMarks) + " 分", "答对：" + std::to_string(right) + " 题",
            "答错：" + std::to_string(wrong) + " 题",
            "得分：" + std::to_string(score) + (score >= PassMark ? " 分 【及格】" : " 分 【未及格】")};
}

void Tchengjiform::FormShow(tk::TObject*) {
    const auto lines = ResultLines(Modality::QuestionCount, Modality::ExamFullMarks, Modality::RightCount,
                                   Modality::WrongCount, Modality::ExamScore);
    for (int i = 0; i < 5; ++i)
        ResultLabels[i]->SetCaption(lines[i]);
}

void Tchengjiform::Button1Click(tk::TObject*) {
    Close();
}
