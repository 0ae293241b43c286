// The exam result window: the figures of the examination just handed in, with the pass verdict.
#pragma once

#include "toolkit/TApplication.h"
#include "toolkit/TButton.h"
#include "toolkit/TStaticText.h"

#include <array>
#include <string>

class Tchengjiform : public tk::TForm {
    TK_CLASS(Tchengjiform, tk::TForm)
public:
    static constexpr int PassMark = 80;

    explicit Tchengjiform(tk::TComponent* owner);

    // The five result lines for the given figures, in label order.
    static std::array<std::string, 5> ResultLines(int questionCount, int fullMarks, int right, int wrong,
                                                  int score);

    void FormShow(tk::TObject* Sender);
    void Button1Click(tk::TObject* Sender);

    std::array<tk::TStaticText*, 5> ResultLabels{};
    tk::TButton* Button1 = nullptr;
};

extern Tchengjiform* chengjiform;
