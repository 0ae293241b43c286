// Small question sources and banks made for the tests.
#pragma once

#include "BankBuilder.h"
#include "QuestionSource.h"

#include <string>

namespace banktest {

// A chapter's source text with the given number of questions of each kind; stems carry `tag` so that
// sources of several chapters stay unique.
inline std::string SourceText(int judge, int single, int multi, const std::string& tag) {
    std::string s = "# test questions " + tag + "\n";
    static const char* multiAnswers[] = {"AB", "ACD", "BCD", "ABCD", "BD", "A"};
    for (int i = 0; i < judge; ++i)
        s += "\ntype: judge\nstem: 判断题" + tag + "-" + std::to_string(i) +
             "：一开始就应系好安全带。\nanswer: " + (i % 3 ? "Y" : "N") + "\n";
    for (int i = 0; i < single; ++i)
        s += "\ntype: single\nstem: 单选题" + tag + "-" + std::to_string(i) +
             "（ ）。\nA: 选项一\nB: 选项二\nC: 选项三\nD: 选项四\nanswer: " + std::string(1, "ABCD"[i % 4]) +
             (i % 5 == 1 ? "\npicture: p" + std::to_string(i) + ".jpg" : "") + "\n";
    for (int i = 0; i < multi; ++i)
        s += "\ntype: multi\nstem: 多选题" + tag + "-" + std::to_string(i) +
             "\nA: 甲\nB: 乙\nC: 丙\nD: 丁\nanswer: " + multiAnswers[i % 6] + "\n";
    return s;
}

inline std::vector<qbank::SourceQuestion> Questions(int judge, int single, int multi, int chapter = 1) {
    return qbank::QuestionSource::Parse(SourceText(judge, single, multi, std::to_string(chapter)),
                                        "ch" + std::to_string(chapter) + ".txt", chapter);
}

// A bank file with enough questions of each kind for the examination.
inline void MakeBank(const std::string& path, int judge = 30, int single = 50, int multi = 10) {
    qbank::BankBuilder::Build(Questions(judge, single, multi), path, true);
}

} // namespace banktest
