// The script's expectations: properties, variables taken from them, message boxes, windows, images and
// screenshots.
#include "CommandSupport.h"
#include "ScriptRunner.h"

#include "platform/gdi/GdiInternal.h"
#include "toolkit/TApplication.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace uirun {

std::string ScriptRunner::PropertyText(const ScriptLine& line, const std::string& path, bool* isString) {
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
    *isString = std::holds_alternative<std::string>(value);
    return text;
}

bool ScriptRunner::ExpectProperty(const ScriptLine& line) {
    const std::vector<Word>& w = line.words;
    const std::string path = Argument(line, 1);
    bool isString = false;
    const std::string text = PropertyText(line, path, &isString);
    const std::string shown = isString ? Quote(text) : text;
    if (w[2].text == "matches" && !w[2].quoted) {
        NeedArguments(line, 3);
        const std::string re = Argument(line, 3);
        Expectation(line, Regex(line, re).Search(text), path + " matches " + Quote(re), shown);
        return false;
    }
    std::string expected = Argument(line, 2);
    for (std::size_t i = 3; i < w.size() && expected.rfind("rgb(", 0) == 0 && expected.back() != ')'; ++i)
        expected += Argument(line, i);
    if (w[2].quoted)
        Expectation(line, text == expected, Quote(expected), shown);
    else if (expected.rfind("rgb(", 0) == 0)
        Expectation(line, !isString && text == expected, expected, shown);
    else
        Expectation(line, text == expected, expected, shown);
    return false;
}

bool ScriptRunner::Let(const ScriptLine& line) {
    const std::vector<Word>& w = line.words;
    if (w[2].text != "=")
        Fail(line, "let: expected NAME = FORM.CONTROL.PROPERTY");
    bool isString = false;
    std::string text = PropertyText(line, Argument(line, 3), &isString);
    if (w.size() >= 6 && w[4].text == "regex") {
        const std::string re = Argument(line, 5);
        const std::optional<std::string> group = Regex(line, re).SearchGroup(text, 1);
        if (!group)
            Fail(line, "let: \"" + text + "\" does not match \"" + re + "\"");
        text = *group;
    }
    m_variables[w[1].text] = text;
    return false;
}

bool ScriptRunner::ExpectMessageBox(const ScriptLine& line) {
    win::HWND box = FrontMessageBox();
    if (!box) {
        Expectation(line, false, "message box " + Quote(Argument(line, 1)), "none");
        return false;
    }
    const std::string text = WindowText(win::GetDlgItem(box, win::IDC_MSGBOX_TEXT));
    Expectation(line, text == Argument(line, 1), "message box " + Quote(Argument(line, 1)), Quote(text));
    if (line.words.size() > 2)
        Expectation(line, WindowText(box) == Argument(line, 2), "caption " + Quote(Argument(line, 2)),
                    Quote(WindowText(box)));
    return false;
}

bool ScriptRunner::ExpectNoMessageBox(const ScriptLine& line) {
    win::HWND box = FrontMessageBox();
    Expectation(line, !box, "no message box",
                "\"" + WindowText(win::GetDlgItem(box, win::IDC_MSGBOX_TEXT)) + "\"");
    return false;
}

namespace {

// The text of the hint window shown now (the toolkit's or a caption button's), empty when none is.
std::string ShownHint() {
    std::string text;
    win::EnumWindows(
        [](win::HWND hwnd, win::LPARAM found) -> win::BOOL {
            char name[64] = {};
            win::GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name) != "THintWindow" || !win::IsWindowVisible(hwnd))
                return win::TRUE;
            char caption[512] = {};
            win::GetWindowTextA(hwnd, caption, sizeof caption);
            *reinterpret_cast<std::string*>(found) = caption;
            return win::FALSE;
        },
        reinterpret_cast<win::LPARAM>(&text));
    return text;
}

} // namespace

bool ScriptRunner::ExpectHint(const ScriptLine& line) {
    const std::string shown = ShownHint();
    Expectation(line, shown == Argument(line, 1), "hint \"" + Argument(line, 1) + "\"",
                shown.empty() ? "no hint" : "\"" + shown + "\"");
    return false;
}

bool ScriptRunner::ExpectNoHint(const ScriptLine& line) {
    const std::string shown = ShownHint();
    Expectation(line, shown.empty(), "no hint", "\"" + shown + "\"");
    return false;
}

bool ScriptRunner::ExpectWindow(const ScriptLine& line) {
    tk::TControl* form = ResolveControl(line, Argument(line, 1));
    auto* win = dynamic_cast<tk::TWinControl*>(form);
    const bool shown =
        form->Visible() && win && win->HandleAllocated() && win::IsWindowVisible(win->Handle());
    Expectation(line, shown == (Argument(line, 2) == "shown"), Argument(line, 1) + " " + Argument(line, 2),
                shown ? "shown" : "hidden");
    return false;
}

bool ScriptRunner::ExpectImageCommand(const ScriptLine& line) {
    ExpectImage(line, line.words[1].text, Argument(line, 2), line.words.size() > 3 ? Number(line, 3) : 0);
    return false;
}

bool ScriptRunner::Screenshot(const ScriptLine& line) {
    std::string error;
    if (line.words.size() > 2) {
        const std::unique_ptr<win::gdi::Surface> shown = WindowPixels(line, line.words[2].text);
        if (!win::gdi::WritePng(*shown, Argument(line, 1).c_str(), &error))
            Fail(line, "screenshot: " + error);
    } else if (!m_display->Screenshot(Argument(line, 1), &error)) {
        Fail(line, "screenshot: " + error);
    }
    return false;
}

std::unique_ptr<win::gdi::Surface> ScriptRunner::WindowPixels(const ScriptLine& line,
                                                              const std::string& target) {
    win::HWND hwnd = nullptr;
    if (target == "msgbox") {
        hwnd = FrontMessageBox();
        if (!hwnd)
            Fail(line, line.words[0].text + ": no message box is shown");
    } else if (target == "menu") {
        hwnd = FrontPopupMenu();
        if (!hwnd)
            Fail(line, line.words[0].text + ": no popup menu is open");
    } else if (tk::TObject* object = ResolveObject(line, target, nullptr);
               auto* windowed = dynamic_cast<tk::TWinControl*>(object)) {
        hwnd = windowed->Handle();
    } else if (auto* control = dynamic_cast<tk::TControl*>(object)) {
        // A control without a window of its own: its rectangle on its parent.
        return ScreenPixels(line, target, ControlOnScreen(line, control, false));
    } else {
        Fail(line, line.words[0].text + ": " + target + " is not a window");
    }
    win::RECT r{};
    win::GetWindowRect(hwnd, &r);
    return ScreenPixels(line, target, r);
}

std::unique_ptr<win::gdi::Surface> ScriptRunner::ScreenPixels(const ScriptLine& line,
                                                              const std::string& target, win::RECT r) {
    const std::unique_ptr<win::gdi::Surface> screen = m_display->Composite();
    r.left = std::max<long>(r.left, 0), r.top = std::max<long>(r.top, 0);
    r.right = std::min<long>(r.right, screen->Width()), r.bottom = std::min<long>(r.bottom, screen->Height());
    if (r.right <= r.left || r.bottom <= r.top)
        Fail(line, line.words[0].text + ": " + target + " is not on the screen");
    auto shown = std::make_unique<win::gdi::Surface>(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < shown->Height(); ++y)
        std::copy_n(screen->Row(r.top + y) + r.left, shown->Width(), shown->Row(y));
    return shown;
}

void ScriptRunner::ExpectImage(const ScriptLine& line, const std::string& target, const std::string& golden,
                               int allowedPixels) {
    namespace fs = std::filesystem;
    const std::unique_ptr<win::gdi::Surface> pixels = WindowPixels(line, target);
    const win::gdi::Surface& shown = *pixels;
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
        got = std::to_string(shown.Width()) + "x" + std::to_string(shown.Height()) + " pixels, not " +
              std::to_string(expected->Width()) + "x" + std::to_string(expected->Height());
    else if (d.count > allowedPixels)
        got = std::to_string(d.count) + " pixels differ, the first at (" + std::to_string(d.first.x) + "," +
              std::to_string(d.first.y) + ")";
    if (!got.empty())
        win::gdi::WritePng(shown, actualPath.c_str());
    Expectation(line, got.empty(), target + " as in " + golden, got + "; what is shown is in " + actualPath);
}

} // namespace uirun
