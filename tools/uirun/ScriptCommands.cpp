// The script's commands by name, and what every command checks of its words. The commands themselves are in
// InputCommands.cpp, ExpectCommands.cpp, PropertyCommands.cpp and BankCommands.cpp.
#include "CommandSupport.h"
#include "ScriptRunner.h"

#include "toolkit/TApplication.h"

#include <regex>

namespace uirun {

const ScriptRunner::Command ScriptRunner::kCommands[] = {
    {"start", 0, &ScriptRunner::Start},
    {"wait", 1, &ScriptRunner::Wait},
    {"click", 1, &ScriptRunner::Click},
    {"rclick", 1, &ScriptRunner::Click},
    {"click-over", 1, &ScriptRunner::Click},
    {"click-at", 2, &ScriptRunner::ClickAtPoint},
    {"rclick-at", 2, &ScriptRunner::ClickAtPoint},
    {"dblclick-at", 2, &ScriptRunner::ClickAtPoint},
    {"move-to", 2, &ScriptRunner::MoveTo},
    {"deactivate", 0, &ScriptRunner::Deactivate},
    {"hover", 1, &ScriptRunner::Hover},
    {"press", 1, &ScriptRunner::Hover},
    {"release", 0, &ScriptRunner::Release},
    {"clipboard", 1, &ScriptRunner::Clipboard},
    {"type", 1, &ScriptRunner::Type},
    {"key", 1, &ScriptRunner::Key},
    {"set", 2, &ScriptRunner::SetProperty},
    {"expect", 2, &ScriptRunner::ExpectProperty},
    {"let", 3, &ScriptRunner::Let},
    {"expect-msgbox", 1, &ScriptRunner::ExpectMessageBox},
    {"expect-no-msgbox", 0, &ScriptRunner::ExpectNoMessageBox},
    {"expect-hint", 1, &ScriptRunner::ExpectHint},
    {"expect-no-hint", 0, &ScriptRunner::ExpectNoHint},
    {"answer", 1, &ScriptRunner::Answer},
    {"expect-window", 2, &ScriptRunner::ExpectWindow},
    {"bank", 1, &ScriptRunner::Bank},
    {"expect-bank", 1, &ScriptRunner::ExpectBank},
    {"expect-image", 2, &ScriptRunner::ExpectImageCommand},
    {"screenshot", 1, &ScriptRunner::Screenshot},
};

bool ScriptRunner::Execute(const ScriptLine& line) {
    const std::string& name = line.words[0].text;
    for (const Command& command : kCommands) {
        if (command.name == name) {
            NeedArguments(line, command.minArguments);
            return (this->*command.run)(line);
        }
    }
    Fail(line, "unknown command " + name);
}

void ScriptRunner::NeedArguments(const ScriptLine& line, std::size_t count) const {
    if (line.words.size() < count + 1)
        Fail(line, line.words[0].text + ": " + std::to_string(count) + " argument(s) expected");
}

std::string ScriptRunner::Argument(const ScriptLine& line, std::size_t i) const {
    return Expand(line.words.at(i));
}

int ScriptRunner::Number(const ScriptLine& line, std::size_t i) const {
    const std::string s = Argument(line, i);
    if (!IsInteger(s))
        Fail(line, line.words[0].text + ": \"" + s + "\" is not a whole number");
    return std::stoi(s);
}

TextRegex ScriptRunner::Regex(const ScriptLine& line, const std::string& pattern) const {
    try {
        return TextRegex(pattern);
    } catch (const std::regex_error& e) {
        Fail(line, line.words[0].text + ": \"" + pattern + "\" is not a valid regular expression (" +
                       e.what() + ")");
    }
}

namespace {

std::vector<win::HWND> TopLevelWindows() {
    std::vector<win::HWND> windows;
    win::EnumWindows(
        [](win::HWND hwnd, win::LPARAM list) -> win::BOOL {
            reinterpret_cast<std::vector<win::HWND>*>(list)->push_back(hwnd);
            return win::TRUE;
        },
        reinterpret_cast<win::LPARAM>(&windows));
    return windows;
}

} // namespace

namespace {

win::HWND FrontWindowOfClass(const char* className) {
    for (win::HWND hwnd : TopLevelWindows()) {
        char cls[64] = {};
        win::GetClassNameA(hwnd, cls, sizeof cls);
        if (std::string(cls) == className && win::IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
}

} // namespace

win::HWND FrontMessageBox() {
    return FrontWindowOfClass("#32770");
}

win::HWND FrontPopupMenu() {
    return FrontWindowOfClass("#32768");
}

std::string WindowText(win::HWND hwnd) {
    char text[4096] = {};
    if (hwnd)
        win::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

bool IsInteger(const std::string& s) {
    return std::regex_match(s, std::regex("-?[0-9]+"));
}

} // namespace uirun
