#include "app/TForm1.h"

#include "practice/TForm2.h"
#include "result/Modality.h"
#include "toolkit/FormParts.h"

extern const char MainFormLayout[];

TForm1* Form1 = nullptr;

TK_IMPLEMENT_CLASS(TForm1, tk::TForm, nullptr)

namespace {

struct ModeRow {
    const char* query;
    int orderMode;
    int examMode;
    const char* groupCaption;
    const char* caption;
};

// BitBtn1 .. BitBtn4.
const ModeRow kModes[] = {
    {"select * from titles ", 0, 0, "【顺序练习】", "试题练习"},
    {"select * from titles", 1, 0, "【随机练习】", "试题练习"},
    {"select * from titles ", 1, 1,
     "【正在考试】【判断题（30）题 每题1分】【单选题（50）题 每题1分】【多选题（10）题 "
     "每题2分】共100分80分及格",
     "模拟考试"},
    {"select * from titles where wrong = 1 ", 0, 0, "【错题练习】", "试题练习"},
};

// Chapters 1 .. 8: the heading in the practice window's group caption.
const char* const kChapterHeadings[] = {
    "【职业道德与服务规范】",       "【 安全运营与治安防范】",
    "【 汽车使用与常见故障处理】",  "【节能驾驶】",
    "【运价知识与计价器使用】",     "【道路交通事故处理与应急救护】",
    "【出租汽车政策、法规、标准】", "【出租车服务质量信誉考核】",
};

} // namespace

TForm1::TForm1(tk::TComponent* owner) : tk::TForm(owner) {
    DefineMethod("FormCreate", &TForm1::FormCreate);
    DefineMethod("FormClose", &TForm1::FormClose);
    DefineMethod("Timer2Timer", &TForm1::Timer2Timer);
    DefineMethod("BitBtn1Click", &TForm1::BitBtn1Click);
    DefineMethod("BitBtn2Click", &TForm1::BitBtn2Click);
    DefineMethod("BitBtn3Click", &TForm1::BitBtn3Click);
    DefineMethod("BitBtn4Click", &TForm1::BitBtn4Click);
    DefineMethod("StaticText11Click", &TForm1::StaticText11Click);
    DefineMethod("StaticText12Click", &TForm1::StaticText12Click);
    DefineMethod("StaticText13Click", &TForm1::StaticText13Click);
    DefineMethod("StaticText14Click", &TForm1::StaticText14Click);
    DefineMethod("StaticText15Click", &TForm1::StaticText15Click);
    DefineMethod("StaticText21Click", &TForm1::StaticText21Click);
    DefineMethod("StaticText16Click", &TForm1::StaticText16Click);
    DefineMethod("StaticText22Click", &TForm1::StaticText22Click);
    DefineMethod("StaticText17Click", &TForm1::StaticText17Click);
    DefineMethod("StaticText23Click", &TForm1::StaticText23Click);
    DefineMethod("StaticText18Click", &TForm1::StaticText18Click);
    DefineMethod("StaticText24Click", &TForm1::StaticText24Click);
    DefineMethod("StaticText19Click", &TForm1::StaticText19Click);
    DefineMethod("StaticText25Click", &TForm1::StaticText25Click);
    DefineMethod("StaticText20Click", &TForm1::StaticText20Click);
    DefineMethod("StaticText26Click", &TForm1::StaticText26Click);
    LoadLayout(MainFormLayout, "Form1.layout");
    HandleNeeded();
    for (int i = 0; i < 4; ++i)
        ModeButtons[i] = tk::FindPart<tk::TBitBtn>(*this, "BitBtn" + std::to_string(i + 1));
    for (int i = 0; i < 16; ++i)
        ChapterLinks[i] = tk::FindPart<tk::TStaticText>(*this, "StaticText" + std::to_string(i + 11));
    StaticText27 = tk::FindPart<tk::TStaticText>(*this, "StaticText27");
    Timer2 = tk::FindPart<tk::TTimer>(*this, "Timer2");
    DoCreate();
}

void TForm1::FormCreate(tk::TObject*) {
    Modality::BankReady = false;
    Modality::ExerciseRequest.OrderMode = 0;
    Modality::ExerciseRequest.ExamMode = 0;
}

void TForm1::FormClose(tk::TObject*, tk::TCloseAction&) {
}

void TForm1::Timer2Timer(tk::TObject*) {
    if (!Modality::BankReady)
        return;
    for (tk::TBitBtn* button : ModeButtons)
        button->SetEnabled(true);
    for (tk::TStaticText* link : ChapterLinks)
        link->SetEnabled(true);
    StaticText27->Hide();
}

void TForm1::OpenPractice(const std::string& query, int orderMode, int examMode,
                          const std::string& groupCaption, const std::string& caption) {
    Modality::ExerciseRequest.QueryText = query;
    Modality::ExerciseRequest.OrderMode = static_cast<std::uint8_t>(orderMode);
    Modality::ExerciseRequest.ExamMode = static_cast<std::uint8_t>(examMode);
    Form2->GroupBox1->SetCaption(groupCaption);
    Form2->SetCaption(caption);
    Form2->ShowModal();
}

void TForm1::OpenMode(int mode) {
    const ModeRow& m = kModes[mode];
    OpenPractice(m.query, m.orderMode, m.examMode, m.groupCaption, m.caption);
}

void TForm1::OpenChapter(int chapter, bool random) {
    OpenPractice("select * from titles where t_class = " + std::to_string(chapter), random ? 1 : 0, 0,
                 std::string(kChapterHeadings[chapter - 1]) + (random ? " 【随机练习】" : " 【顺序练习】"),
                 "试题练习");
}

void TForm1::BitBtn1Click(tk::TObject*) {
    OpenMode(0);
}
void TForm1::BitBtn2Click(tk::TObject*) {
    OpenMode(1);
}
void TForm1::BitBtn3Click(tk::TObject*) {
    OpenMode(2);
}
void TForm1::BitBtn4Click(tk::TObject*) {
    OpenMode(3);
}
void TForm1::StaticText11Click(tk::TObject*) {
    OpenChapter(1, false);
}
void TForm1::StaticText12Click(tk::TObject*) {
    OpenChapter(1, true);
}
void TForm1::StaticText13Click(tk::TObject*) {
    OpenChapter(2, false);
}
void TForm1::StaticText14Click(tk::TObject*) {
    OpenChapter(2, true);
}
void TForm1::StaticText15Click(tk::TObject*) {
    OpenChapter(3, false);
}
void TForm1::StaticText21Click(tk::TObject*) {
    OpenChapter(3, true);
}
void TForm1::StaticText16Click(tk::TObject*) {
    OpenChapter(4, false);
}
void TForm1::StaticText22Click(tk::TObject*) {
    OpenChapter(4, true);
}
void TForm1::StaticText17Click(tk::TObject*) {
    OpenChapter(5, false);
}
void TForm1::StaticText23Click(tk::TObject*) {
    OpenChapter(5, true);
}
void TForm1::StaticText18Click(tk::TObject*) {
    OpenChapter(6, false);
}
void TForm1::StaticText24Click(tk::TObject*) {
    OpenChapter(6, true);
}
void TForm1::StaticText19Click(tk::TObject*) {
    OpenChapter(7, false);
}
void TForm1::StaticText25Click(tk::TObject*) {
    OpenChapter(7, true);
}
void TForm1::StaticText20Click(tk::TObject*) {
    OpenChapter(8, false);
}
void TForm1::StaticText26Click(tk::TObject*) {
    OpenChapter(8, true);
}
