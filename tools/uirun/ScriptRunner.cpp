// Section index: the display whose waits run the script; naming controls and properties; values and
// expectations; the commands.
#include "ScriptRunner.h"

#include "app/TaxiProgram.h"
#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"
#include "platform/win.h"
#include "toolkit/TApplication.h"
#include "toolkit/TColor.h"
#include "toolkit/TFont.h"

#include <algorithm>
#include <regex>

namespace uirun {

ScriptRunner::ScriptRunner(std::string file, std::vector<ScriptLine> lines, std::string bankFolder, int scale)
    : m_file(std::move(file)), m_lines(std::move(lines)), m_folder(std::move(bankFolder)), m_scale(scale) {
}

namespace {

// The display whose clock the performance counter reads while a script runs: an examination drawn from the
// counter then draws the same questions on every run, and golden images of it hold.
const std::uint64_t* g_virtualNow = nullptr;

win::LONGLONG VirtualPerformanceCounter() {
    return g_virtualNow ? static_cast<win::LONGLONG>(*g_virtualNow) * 10000 : 0;
}

} // namespace

std::vector<std::string> ScriptRunner::Run() {
    auto display = std::make_unique<Display>(*this, m_scale);
    m_display = display.get();
    g_virtualNow = &m_display->m_now;
    win::SetPerformanceCounterSource(&VirtualPerformanceCounter);
    win::display::Install(std::move(display));
    while (m_next < m_lines.size() && !m_aborted) {
        const ScriptLine& line = m_lines[m_next++];
        ExecuteOrRecordFailure(line);
        if (!m_aborted && m_waiting) {
            m_display->m_now = std::max(m_display->m_now, m_waitUntil);
            m_waiting = false;
        }
    }
    win::display::ResetHeadless(true);
    win::SetPerformanceCounterSource(nullptr);
    g_virtualNow = nullptr;
    m_display = nullptr;
    return m_failures;
}

bool ScriptRunner::ProgramWaits(std::uint32_t timeoutMs) {
    for (int spins = 0;;) {
        if (m_aborted)
            return false;
        if (m_waiting) {
            if (m_display->m_now < m_waitUntil) {
                std::uint64_t step = m_waitUntil - m_display->m_now;
                if (timeoutMs != ~0u)
                    step = std::min<std::uint64_t>(step, timeoutMs);
                if (step == 0 && ++spins < 100)
                    return true;
                m_display->m_now += std::max<std::uint64_t>(step, 1);
                return true;
            }
            m_waiting = false;
        }
        if (m_next >= m_lines.size()) {
            // The script is over: every loop of the program ends.
            m_aborted = true;
            return false;
        }
        const ScriptLine& line = m_lines[m_next++];
        if (ExecuteOrRecordFailure(line))
            return true;
    }
}

bool ScriptRunner::ExecuteOrRecordFailure(const ScriptLine& line) {
    try {
        return Execute(line);
    } catch (const ScriptError& e) {
        m_failures.push_back(e.what());
    } catch (const std::exception& e) {
        m_failures.push_back(Where(line) + ": " + e.what());
    }
    m_aborted = true;
    return false;
}

std::string ScriptRunner::Where(const ScriptLine& line) const {
    return m_file + ":" + std::to_string(line.number);
}

void ScriptRunner::Fail(const ScriptLine& line, const std::string& what) const {
    throw ScriptError(Where(line) + ": " + what);
}

void ScriptRunner::Expectation(const ScriptLine& line, bool held, const std::string& expected,
                               const std::string& got) {
    if (!held)
        m_failures.push_back(Where(line) + ": expected " + expected + " got " + got);
}

std::string ScriptRunner::Expand(const Word& word) const {
    std::string out;
    const std::string& s = word.text;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '$' && i + 1 < s.size() &&
            (std::isalnum(static_cast<unsigned char>(s[i + 1])) || s[i + 1] == '_')) {
            std::size_t j = i + 1;
            while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_'))
                ++j;
            auto it = m_variables.find(s.substr(i + 1, j - i - 1));
            if (it == m_variables.end())
                throw std::runtime_error("no variable named " + s.substr(i, j - i));
            out += it->second;
            i = j - 1;
        } else {
            out += s[i];
        }
    }
    return out;
}

// ---- Naming controls and properties: FORM.CONTROL[.PROPERTY...], FORM.PARENT#N for the N-th child.

namespace {

tk::TCustomForm* FindForm(const std::string& name) {
    if (!tk::Screen)
        return nullptr;
    for (tk::TCustomForm* form : tk::Screen->Forms())
        if (tk::SameText(form->Name(), name))
            return form;
    return nullptr;
}

std::vector<std::string> SplitDots(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(path.substr(start, dot - start));
    parts.push_back(path.substr(start));
    return parts;
}

} // namespace

std::string Quote(const std::string& s) {
    return "\"" + s + "\"";
}

std::string ColourText(std::int64_t colour) {
    const win::COLORREF c = tk::ColorToRGB(static_cast<tk::TColor>(colour));
    return "rgb(" + std::to_string(win::GetRValue(c)) + "," + std::to_string(win::GetGValue(c)) + "," +
           std::to_string(win::GetBValue(c)) + ")";
}

tk::TObject* ScriptRunner::ResolveObject(const ScriptLine& line, const std::string& path,
                                         std::string* property) {
    std::vector<std::string> parts = SplitDots(path);
    tk::TCustomForm* form = FindForm(parts[0]);
    if (!form)
        Fail(line, "no window named " + parts[0]);
    tk::TObject* object = form;
    std::size_t used = 1;
    if (parts.size() > 1) {
        std::string name = parts[1];
        int child = 0;
        if (auto hash = name.find('#'); hash != std::string::npos) {
            child = std::atoi(name.c_str() + hash + 1);
            name = name.substr(0, hash);
        }
        if (tk::TComponent* c = form->FindComponent(name)) {
            object = c;
            used = 2;
            if (child > 0) {
                auto* parent = dynamic_cast<tk::TWinControl*>(c);
                if (!parent || child > parent->ControlCount())
                    Fail(line, path + ": " + name + " has no child number " + std::to_string(child));
                object = parent->Controls(child - 1);
            }
        } else if (child > 0 || !property) {
            Fail(line, "window " + parts[0] + " has no control or component named " + name);
        }
    }
    if (property) {
        property->clear();
        for (std::size_t i = used; i < parts.size(); ++i)
            *property += (property->empty() ? "" : ".") + parts[i];
        if (property->empty())
            Fail(line, path + " names no property");
    } else if (used != parts.size()) {
        Fail(line, path + " is not a control");
    }
    return object;
}

tk::TControl* ScriptRunner::ResolveControl(const ScriptLine& line, const std::string& path) {
    auto* control = dynamic_cast<tk::TControl*>(ResolveObject(line, path, nullptr));
    if (!control)
        Fail(line, path + " is not a control");
    return control;
}

void ScriptRunner::ClickAt(int x, int y, int button, bool twice) {
    win::display::ForgetLastClick();
    m_display->MouseMove(x, y);
    m_display->MouseDown(button);
    m_display->MouseUp(button);
    if (twice) {
        m_display->MouseDown(button);
        m_display->MouseUp(button);
    }
}

} // namespace uirun
