// The main window: four practice modes and sixteen chapter links, each filling the exercise request and
// opening the practice window; all of them wait, disabled, until the practice window has the bank open.
#pragma once

#include "toolkit/TApplication.h"
#include "toolkit/TBitBtn.h"
#include "toolkit/TStaticText.h"
#include "toolkit/TTimer.h"

#include <array>
#include <string>

class TForm1 : public tk::TForm {
    TK_CLASS(TForm1, tk::TForm)
public:
    explicit TForm1(tk::TComponent* owner);

    void FormCreate(tk::TObject* Sender);
    void FormClose(tk::TObject* Sender, tk::TCloseAction& Action);
    void Timer2Timer(tk::TObject* Sender);
    void BitBtn1Click(tk::TObject* Sender);
    void BitBtn2Click(tk::TObject* Sender);
    void BitBtn3Click(tk::TObject* Sender);
    void BitBtn4Click(tk::TObject* Sender);
    void StaticText11Click(tk::TObject* Sender);
    void StaticText12Click(tk::TObject* Sender);
    void StaticText13Click(tk::TObject* Sender);
    void StaticText14Click(tk::TObject* Sender);
    void StaticText15Click(tk::TObject* Sender);
    void StaticText21Click(tk::TObject* Sender);
    void StaticText16Click(tk::TObject* Sender);
    void StaticText22Click(tk::TObject* Sender);
    void StaticText17Click(tk::TObject* Sender);
    void StaticText23Click(tk::TObject* Sender);
    void StaticText18Click(tk::TObject* Sender);
    void StaticText24Click(tk::TObject* Sender);
    void StaticText19Click(tk::TObject* Sender);
    void StaticText25Click(tk::TObject* Sender);
    void StaticText20Click(tk::TObject* Sender);
    void StaticText26Click(tk::TObject* Sender);

    std::array<tk::TBitBtn*, 4> ModeButtons{};
    std::array<tk::TStaticText*, 16> ChapterLinks{}; // StaticText11 .. StaticText26
    tk::TStaticText* StaticText27 = nullptr;
    tk::TTimer* Timer2 = nullptr;

private:
    void OpenMode(int mode);
    void OpenChapter(int chapter, bool random);
    void OpenPractice(const std::string& query, int orderMode, int examMode, const std::string& groupCaption,
                      const std::string& caption);
};

extern TForm1* Form1;
