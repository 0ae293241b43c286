// The script's input: start-up, waiting, the mouse, the keyboard, the clipboard and answering message boxes.
#include "CommandSupport.h"
#include "ScriptRunner.h"

#include "app/TaxiProgram.h"
#include "toolkit/TApplication.h"

#include <algorithm>
#include <cstdlib>

namespace uirun {

namespace {

struct KeyName {
    const char* name;
    int vk;
};
const KeyName kKeys[] = {{"Enter", win::VK_RETURN}, {"Escape", win::VK_ESCAPE},  {"Space", win::VK_SPACE},
                         {"Tab", win::VK_TAB},      {"Backspace", win::VK_BACK}, {"Delete", win::VK_DELETE},
                         {"Left", win::VK_LEFT},    {"Up", win::VK_UP},          {"Right", win::VK_RIGHT},
                         {"Down", win::VK_DOWN},    {"Home", win::VK_HOME},      {"End", win::VK_END}};

int VirtualKey(std::string name) {
    for (const KeyName& k : kKeys)
        if (tk::SameText(k.name, name))
            return k.vk;
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3 && name.size() >= 2) {
        const int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12)
            return win::VK_F1 + n - 1;
    }
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    return 0;
}

} // namespace

bool ScriptRunner::Start(const ScriptLine& line) {
    if (m_programRunning)
        Fail(line, "start: the program is running already");
    taxi::ProgramOptions options;
    if (line.words.size() > 1) {
        if (Argument(line, 1) != "--skin" || line.words.size() != 3)
            Fail(line, "start: expected nothing or --skin FILE");
        options.skinFile = Argument(line, 2);
    }
    m_programRunning = true;
    taxi::RunProgram(options);
    m_programRunning = false;
    return false;
}

bool ScriptRunner::Wait(const ScriptLine& line) {
    m_waitUntil = m_display->m_now + static_cast<std::uint64_t>(std::max(0, Number(line, 1)));
    m_waiting = true;
    return false;
}

// As when the user turns to another program: no window of this one stays active.
bool ScriptRunner::Deactivate(const ScriptLine&) {
    win::SetActiveWindow(nullptr);
    return false;
}

// click, rclick and click-over.
// The control's rectangle on the screen; for a click (not click-over), only its part inside every parent's
// client area, which must not be empty.
win::RECT ScriptRunner::ControlOnScreen(const ScriptLine& line, tk::TControl* c, bool visiblePartOnly) const {
    win::RECT r{0, 0, c->Width(), c->Height()};
    const win::POINT origin = c->ClientToScreen({0, 0});
    win::OffsetRect(&r, origin.x, origin.y);
    if (!visiblePartOnly)
        return r;
    for (tk::TWinControl* p = c->Parent(); p; p = p->Parent()) {
        win::RECT pr = p->ClientRect();
        const win::POINT po = p->ClientToScreen({0, 0});
        win::OffsetRect(&pr, po.x, po.y);
        win::IntersectRect(&r, &r, &pr);
    }
    if (!c->Showing() || win::IsRectEmpty(&r))
        Fail(line, line.words[0].text + ": " + Argument(line, 1) + " has no visible part");
    return r;
}

bool ScriptRunner::Click(const ScriptLine& line) {
    const std::string& cmd = line.words[0].text;
    const win::RECT r = ControlOnScreen(line, ResolveControl(line, Argument(line, 1)), cmd != "click-over");
    ClickAt(OnScreen((r.left + r.right) / 2), OnScreen((r.top + r.bottom) / 2), cmd == "rclick" ? 1 : 0,
            false);
    return true;
}

// hover and press: the pointer to the middle of the control's visible part, and for press the left button
// held down there until `release`.
bool ScriptRunner::Hover(const ScriptLine& line) {
    const win::RECT r = ControlOnScreen(line, ResolveControl(line, Argument(line, 1)), true);
    m_display->MouseMove(OnScreen((r.left + r.right) / 2), OnScreen((r.top + r.bottom) / 2));
    if (line.words[0].text == "press")
        m_display->MouseDown();
    return true;
}

bool ScriptRunner::Release(const ScriptLine&) {
    m_display->MouseUp();
    return true;
}

// click-at, rclick-at and dblclick-at.
bool ScriptRunner::ClickAtPoint(const ScriptLine& line) {
    const std::string& cmd = line.words[0].text;
    ClickAt(Number(line, 1), Number(line, 2), cmd == "rclick-at" ? 1 : 0, cmd == "dblclick-at");
    return true;
}

bool ScriptRunner::MoveTo(const ScriptLine& line) {
    m_display->MouseMove(Number(line, 1), Number(line, 2));
    return true;
}

// What a person copied elsewhere, for a paste through a context menu or a key.
bool ScriptRunner::Clipboard(const ScriptLine& line) {
    win::SetClipboardText(Argument(line, 1));
    return false;
}

bool ScriptRunner::Type(const ScriptLine& line) {
    m_display->TypeText(Argument(line, 1));
    return true;
}

bool ScriptRunner::Key(const ScriptLine& line) {
    std::string name = Argument(line, 1);
    std::vector<int> modifiers;
    for (;;) {
        auto plus = name.find('+');
        if (plus == std::string::npos || plus + 1 == name.size())
            break;
        const std::string m = name.substr(0, plus);
        if (tk::SameText(m, "ctrl"))
            modifiers.push_back(win::VK_CONTROL);
        else if (tk::SameText(m, "alt"))
            modifiers.push_back(win::VK_MENU);
        else if (tk::SameText(m, "shift"))
            modifiers.push_back(win::VK_SHIFT);
        else
            Fail(line, "key: unknown modifier " + m);
        name = name.substr(plus + 1);
    }
    const int vk = VirtualKey(name);
    if (!vk)
        Fail(line, "key: unknown key " + name);
    for (int m : modifiers)
        m_display->KeyDown(m);
    m_display->KeyDown(vk);
    m_display->KeyUp(vk);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        m_display->KeyUp(*it);
    return true;
}

bool ScriptRunner::Answer(const ScriptLine& line) {
    static const std::pair<const char*, int> kButtons[] = {
        {"OK", win::IDOK}, {"Cancel", win::IDCANCEL}, {"Yes", win::IDYES}, {"No", win::IDNO}};
    int id = 0;
    for (auto& [name, value] : kButtons)
        if (tk::SameText(name, Argument(line, 1)))
            id = value;
    if (!id)
        Fail(line, "answer: OK, Cancel, Yes or No expected");
    win::HWND box = FrontMessageBox();
    win::HWND button = box ? win::GetDlgItem(box, id) : nullptr;
    if (!button)
        Fail(line, "answer: no message box with a " + Argument(line, 1) + " button");
    // A person answers with the mouse: a click at the centre of the button.
    win::RECT r{};
    win::GetWindowRect(button, &r);
    ClickAt(OnScreen((r.left + r.right) / 2), OnScreen((r.top + r.bottom) / 2), 0, false);
    return true;
}

} // namespace uirun
