// The script's commands, one branch each.
#include "ScriptRunner.h"
#include "TextRegex.h"

#include "app/TaxiProgram.h"
#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/win.h"
#include "toolkit/TApplication.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>

namespace uirun {

namespace {

struct KeyName {
    const char* name;
    int vk;
};
const KeyName kKeys[] = {{"Enter", win::VK_RETURN},
                         {"Escape", win::VK_ESCAPE},
                         {"Space", 0x20},
                         {"Tab", 0x09},
                         {"Backspace", win::VK_BACK},
                         {"Delete", win::VK_DELETE},
                         {"Left", win::VK_LEFT},
                         {"Up", 0x26},
                         {"Right", 0x27},
                         {"Down", 0x28},
                         {"Home", win::VK_HOME},
                         {"End", win::VK_END}};

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

win::HWND FrontMessageBox() {
    for (win::HWND hwnd : TopLevelWindows()) {
        char cls[64] = {};
        win::GetClassNameA(hwnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && win::IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
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

} // namespace

bool ScriptRunner::Execute(const ScriptLine& line) {
    const std::vector<Word>& w = line.words;
    const std::string& cmd = w[0].text;
    auto need = [&](std::size_t n) {
        if (w.size() < n)
            Fail(line, cmd + ": " + std::to_string(n - 1) + " argument(s) expected");
    };
    auto arg = [&](std::size_t i) { return Expand(w.at(i)); };
    auto number = [&](std::size_t i) {
        const std::string s = arg(i);
        if (!IsInteger(s))
            Fail(line, cmd + ": \"" + s + "\" is not a whole number");
        return std::stoi(s);
    };
    auto textRegex = [&](const std::string& pattern) {
        try {
            return TextRegex(pattern);
        } catch (const std::regex_error& e) {
            Fail(line, cmd + ": \"" + pattern + "\" is not a valid regular expression (" + e.what() + ")");
        }
    };

    if (cmd == "start") {
        if (m_programRunning)
            Fail(line, "start: the program is running already");
        m_programRunning = true;
        taxi::RunProgram();
        m_programRunning = false;
        return false;
    }
    if (cmd == "wait") {
        need(2);
        m_waitUntil = m_display->m_now + static_cast<std::uint64_t>(std::max(0, number(1)));
        m_waiting = true;
        return false;
    }
    if (cmd == "click" || cmd == "rclick" || cmd == "click-over") {
        need(2);
        tk::TControl* c = ResolveControl(line, arg(1));
        win::RECT r{0, 0, c->Width(), c->Height()};
        const win::POINT origin = c->ClientToScreen({0, 0});
        win::OffsetRect(&r, origin.x, origin.y);
        if (cmd != "click-over") {
            // Only the part of the control inside every parent's client area can be clicked.
            for (tk::TWinControl* p = c->Parent(); p; p = p->Parent()) {
                win::RECT pr = p->ClientRect();
                const win::POINT po = p->ClientToScreen({0, 0});
                win::OffsetRect(&pr, po.x, po.y);
                win::IntersectRect(&r, &r, &pr);
            }
            if (!c->Showing() || win::IsRectEmpty(&r))
                Fail(line, cmd + ": " + arg(1) + " has no visible part");
        }
        ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, cmd == "rclick" ? 1 : 0, false);
        return true;
    }
    if (cmd == "click-at" || cmd == "rclick-at" || cmd == "dblclick-at") {
        need(3);
        ClickAt(number(1), number(2), cmd == "rclick-at" ? 1 : 0, cmd == "dblclick-at");
        return true;
    }
    if (cmd == "move-to") {
        need(3);
        m_display->mouseMove(number(1), number(2));
        return true;
    }
    if (cmd == "clipboard") {
        // What a person copied elsewhere, for a paste through a context menu or a key.
        need(2);
        win::SetClipboardText(arg(1));
        return false;
    }
    if (cmd == "type") {
        need(2);
        m_display->typeText(arg(1));
        return true;
    }
    if (cmd == "key") {
        need(2);
        std::string name = arg(1);
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
            m_display->keyDown(m);
        m_display->keyDown(vk);
        m_display->keyUp(vk);
        for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
            m_display->keyUp(*it);
        return true;
    }
    if (cmd == "expect" || cmd == "let") {
        const bool let = cmd == "let";
        need(let ? 4 : 3);
        if (let && w[2].text != "=")
            Fail(line, "let: expected NAME = FORM.CONTROL.PROPERTY");
        const std::string path = arg(let ? 3 : 1);
        std::string property;
        tk::TObject* object = ResolveObject(line, path, &property);
        tk::TObject* holder = nullptr;
        const tk::PropertyInfo* info = nullptr;
        try {
            info = &tk::ResolveProperty(*object, property, &holder);
        } catch (const tk::PropertyError& e) {
            Fail(line, path + ": " + e.message);
        }
        const tk::PropertyValue value = info->get(*holder);
        std::string text;
        if (auto* s = std::get_if<std::string>(&value))
            text = *s;
        else if (auto* b = std::get_if<bool>(&value))
            text = *b ? "true" : "false";
        else if (auto* i = std::get_if<std::int64_t>(&value))
            text = info->kind == tk::PropertyKind::Colour ? ColourText(*i) : std::to_string(*i);
        else
            Fail(line, path + " cannot be compared");
        const bool isString = std::holds_alternative<std::string>(value);
        if (let) {
            if (w.size() >= 6 && w[4].text == "regex") {
                const std::string re = arg(5);
                const std::optional<std::string> group = textRegex(re).SearchGroup(text, 1);
                if (!group)
                    Fail(line, "let: \"" + text + "\" does not match \"" + re + "\"");
                text = *group;
            }
            m_variables[w[1].text] = text;
            return false;
        }
        const std::string shown = isString ? Quote(text) : text;
        if (w[2].text == "matches" && !w[2].quoted) {
            need(4);
            const std::string re = arg(3);
            Expectation(line, textRegex(re).Search(text), path + " matches " + Quote(re), shown);
            return false;
        }
        std::string expected = arg(2);
        for (std::size_t i = 3; i < w.size() && expected.rfind("rgb(", 0) == 0 && expected.back() != ')'; ++i)
            expected += arg(i);
        if (w[2].quoted)
            Expectation(line, text == expected, Quote(expected), shown);
        else if (expected.rfind("rgb(", 0) == 0)
            Expectation(line, !isString && text == expected, expected, shown);
        else
            Expectation(line, text == expected, expected, shown);
        return false;
    }
    if (cmd == "expect-msgbox" || cmd == "expect-no-msgbox") {
        win::HWND box = FrontMessageBox();
        if (cmd == "expect-no-msgbox") {
            Expectation(line, !box, "no message box",
                        "\"" + WindowText(win::GetDlgItem(box, win::IDC_MSGBOX_TEXT)) + "\"");
            return false;
        }
        need(2);
        if (!box) {
            Expectation(line, false, "message box " + Quote(arg(1)), "none");
            return false;
        }
        const std::string text = WindowText(win::GetDlgItem(box, win::IDC_MSGBOX_TEXT));
        Expectation(line, text == arg(1), "message box " + Quote(arg(1)), Quote(text));
        if (w.size() > 2)
            Expectation(line, WindowText(box) == arg(2), "caption " + Quote(arg(2)), Quote(WindowText(box)));
        return false;
    }
    if (cmd == "answer") {
        need(2);
        static const std::pair<const char*, int> kButtons[] = {
            {"OK", win::IDOK}, {"Cancel", win::IDCANCEL}, {"Yes", win::IDYES}, {"No", win::IDNO}};
        int id = 0;
        for (auto& [name, value] : kButtons)
            if (tk::SameText(name, arg(1)))
                id = value;
        if (!id)
            Fail(line, "answer: OK, Cancel, Yes or No expected");
        win::HWND box = FrontMessageBox();
        win::HWND button = box ? win::GetDlgItem(box, id) : nullptr;
        if (!button)
            Fail(line, "answer: no message box with a " + arg(1) + " button");
        // A person answers with the mouse: a click at the centre of the button.
        win::RECT r{};
        win::GetWindowRect(button, &r);
        ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2, 0, false);
        return true;
    }
    if (cmd == "expect-window") {
        need(3);
        tk::TControl* form = ResolveControl(line, arg(1));
        auto* win = dynamic_cast<tk::TWinControl*>(form);
        const bool shown =
            form->Visible() && win && win->HandleAllocated() && win::IsWindowVisible(win->Handle());
        Expectation(line, shown == (arg(2) == "shown"), arg(1) + " " + arg(2), shown ? "shown" : "hidden");
        return false;
    }
    if (cmd == "bank" || cmd == "expect-bank") {
        need(2);
        bank::TADOConnection connection;
        connection.ConnectionString = bank::ConnectionString::ForJetFile(m_folder + "db1.mdb");
        connection.LoginPrompt = false;
        connection.Open();
        bank::TADOQuery query;
        query.Connection = &connection;
        query.SQL.Add(arg(1));
        if (cmd == "bank") {
            for (std::size_t i = 2; i < w.size(); ++i) {
                const std::string a = arg(i);
                const auto eq = a.find('=');
                if (eq == std::string::npos)
                    Fail(line, "bank: parameters are written NAME=value");
                const std::string v = a.substr(eq + 1);
                if (IsInteger(v))
                    query.Parameters.ParamByName(a.substr(0, eq)).Value = std::stoi(v);
                else
                    query.Parameters.ParamByName(a.substr(0, eq)).Value = v;
            }
            std::string head = arg(1).substr(0, 6);
            if (tk::SameText(head, "select"))
                query.Open();
            else
                query.ExecSQL();
            return false;
        }
        need(4);
        query.Open();
        if (w[2].text == "rows") {
            Expectation(line, query.RecordCount() == number(3), "rows " + arg(3),
                        std::to_string(query.RecordCount()));
            return false;
        }
        need(5);
        const int row = number(3);
        if (row < 1 || row > query.RecordCount()) {
            Expectation(line, false, "row " + arg(3), std::to_string(query.RecordCount()) + " rows");
            return false;
        }
        query.First();
        for (int i = 1; i < row; ++i)
            query.Next();
        const std::string got = query.FieldByName(arg(2)).AsString();
        Expectation(line, got == arg(4), arg(2) + " " + Quote(arg(4)), Quote(got));
        return false;
    }
    if (cmd == "expect-image") {
        need(3);
        ExpectImage(line, w[1].text, arg(2), w.size() > 3 ? number(3) : 0);
        return false;
    }
    if (cmd == "screenshot") {
        need(2);
        std::string error;
        if (!m_display->screenshot(arg(1), &error))
            Fail(line, "screenshot: " + error);
        return false;
    }
    Fail(line, "unknown command " + cmd);
}

void ScriptRunner::ExpectImage(const ScriptLine& line, const std::string& target, const std::string& golden,
                               int allowedPixels) {
    namespace fs = std::filesystem;
    win::HWND hwnd = nullptr;
    if (target == "msgbox") {
        hwnd = FrontMessageBox();
        if (!hwnd)
            Fail(line, "expect-image: no message box is shown");
    } else if (auto* form = dynamic_cast<tk::TWinControl*>(ResolveObject(line, target, nullptr))) {
        hwnd = form->Handle();
    } else {
        Fail(line, "expect-image: " + target + " is not a window");
    }
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    const std::unique_ptr<win::gdi::Surface> screen = m_display->composite();
    r.left = std::max<long>(r.left, 0), r.top = std::max<long>(r.top, 0);
    r.right = std::min<long>(r.right, screen->width()), r.bottom = std::min<long>(r.bottom, screen->height());
    if (r.right <= r.left || r.bottom <= r.top)
        Fail(line, "expect-image: " + target + " is not on the screen");
    win::gdi::Surface shown(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < shown.height(); ++y)
        std::copy_n(screen->row(r.top + y) + r.left, shown.width(), shown.row(y));

    const fs::path path = fs::path(m_file).parent_path() / golden;
    std::string error;
    const char* update = std::getenv("TAXI_UPDATE_GOLDENS");
    if (update && *update && std::string(update) != "0") {
        std::error_code ignored;
        fs::create_directories(path.parent_path(), ignored);
        if (!win::gdi::WritePng(shown, path.c_str(), &error))
            Fail(line, "expect-image: " + error);
        return;
    }
    const std::string actualPath = path.stem().string() + ".actual.png";
    const std::unique_ptr<win::gdi::Surface> expected = win::gdi::ReadPng(path.string(), &error);
    if (!expected) {
        win::gdi::WritePng(shown, actualPath.c_str());
        Fail(line, "expect-image: " + error + "; what is shown is in " + actualPath);
    }
    const win::gdi::PixelDifference d = win::gdi::ComparePixels(shown, *expected, 0);
    std::string got;
    if (d.sizeDiffers)
        got = std::to_string(shown.width()) + "x" + std::to_string(shown.height()) + " pixels, not " +
              std::to_string(expected->width()) + "x" + std::to_string(expected->height());
    else if (d.count > allowedPixels)
        got = std::to_string(d.count) + " pixels differ, the first at (" + std::to_string(d.first.x) + "," +
              std::to_string(d.first.y) + ")";
    if (!got.empty())
        win::gdi::WritePng(shown, actualPath.c_str());
    Expectation(line, got.empty(), target + " as in " + golden, got + "; what is shown is in " + actualPath);
}

} // namespace uirun
