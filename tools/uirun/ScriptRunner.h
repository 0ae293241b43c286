// Runs a scenario script against the program in this process, on a headless display whose clock only the
// script moves. The script is consumed whenever the program waits for input, also inside modal loops, as a
// person's input would be.
#pragma once

#include "ScriptParser.h"
#include "TextRegex.h"

#include "platform/display/HeadlessDisplay.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {
class TObject;
class TControl;
} // namespace tk

namespace uirun {

std::string Quote(const std::string& s);
// A colour as the script writes it: "rgb(R,G,B)", system colours resolved.
std::string ColourText(std::int64_t colour);

class ScriptRunner {
public:
    // `bankFolder`: the folder of the db1.mdb the program opens, with a trailing '/'. `scale`: the display's
    // pixel scale; clicks on controls land in the middle of the screen pixels that show their centre.
    ScriptRunner(std::string file, std::vector<ScriptLine> lines, std::string bankFolder, int scale = 1);

    // Runs the whole script; returns the failure lines (empty when every expectation held).
    std::vector<std::string> Run();

private:
    // Its clock moves only when the script waits, and every wait of the program runs the script on.
    class Display : public win::display::HeadlessDisplay {
    public:
        Display(ScriptRunner& runner, int scale)
            : HeadlessDisplay(true, win::SIZE{1280, 1024}, scale), m_runner(runner) {}
        std::uint64_t Now() const override { return m_now; }
        bool Wait(std::uint32_t timeoutMs) override { return m_runner.ProgramWaits(timeoutMs); }
        std::uint64_t m_now = 100000;

    private:
        ScriptRunner& m_runner;
    };

    std::string m_file;
    std::vector<ScriptLine> m_lines;
    std::string m_folder;
    int m_scale = 1;
    std::size_t m_next = 0;
    Display* m_display = nullptr;
    bool m_programRunning = false;
    bool m_aborted = false;
    std::uint64_t m_waitUntil = 0;
    bool m_waiting = false;
    std::map<std::string, std::string> m_variables;
    std::vector<std::string> m_failures;

    // Called by the display when the program waits; false once the script is over.
    bool ProgramWaits(std::uint32_t timeoutMs);
    // Executes one command; true when it handed the program input to process.
    bool Execute(const ScriptLine& line);
    // Execute, with a failing command recorded and the script ended; false then.
    bool ExecuteOrRecordFailure(const ScriptLine& line);

    // A command: its name, the fewest arguments it takes, and its handler, which returns what Execute does.
    using Handler = bool (ScriptRunner::*)(const ScriptLine& line);
    struct Command {
        std::string_view name;
        std::size_t minArguments;
        Handler run;
    };
    static const Command kCommands[];

    // Input (InputCommands.cpp).
    bool Start(const ScriptLine& line);
    bool Wait(const ScriptLine& line);
    bool Deactivate(const ScriptLine& line);
    bool Hover(const ScriptLine& line);
    bool Release(const ScriptLine& line);
    win::RECT ControlOnScreen(const ScriptLine& line, tk::TControl* c, bool visiblePartOnly) const;
    bool Click(const ScriptLine& line);
    bool ClickAtPoint(const ScriptLine& line);
    bool MoveTo(const ScriptLine& line);
    bool Clipboard(const ScriptLine& line);
    bool Type(const ScriptLine& line);
    bool Key(const ScriptLine& line);
    bool Answer(const ScriptLine& line);
    // Expectations (ExpectCommands.cpp).
    bool ExpectProperty(const ScriptLine& line);
    bool Let(const ScriptLine& line);
    bool ExpectMessageBox(const ScriptLine& line);
    bool ExpectNoMessageBox(const ScriptLine& line);
    bool ExpectHint(const ScriptLine& line);
    bool ExpectNoHint(const ScriptLine& line);
    bool ExpectWindow(const ScriptLine& line);
    bool ExpectImageCommand(const ScriptLine& line);
    bool Screenshot(const ScriptLine& line);
    // Writing properties (PropertyCommands.cpp).
    bool SetProperty(const ScriptLine& line);
    // The bank (BankCommands.cpp).
    bool Bank(const ScriptLine& line);
    bool ExpectBank(const ScriptLine& line);

    // What every command checks of its words; `count` does not include the command's name.
    void NeedArguments(const ScriptLine& line, std::size_t count) const;
    std::string Argument(const ScriptLine& line, std::size_t i) const;
    int Number(const ScriptLine& line, std::size_t i) const;
    TextRegex Regex(const ScriptLine& line, const std::string& pattern) const;
    // A property's value as a script writes it; `isString` tells whether it was a string.
    std::string PropertyText(const ScriptLine& line, const std::string& path, bool* isString);

    std::string Where(const ScriptLine& line) const;
    [[noreturn]] void Fail(const ScriptLine& line, const std::string& what) const;
    void Expectation(const ScriptLine& line, bool held, const std::string& expected, const std::string& got);
    std::string Expand(const Word& word) const;

    tk::TObject* ResolveObject(const ScriptLine& line, const std::string& path, std::string* property);
    tk::TControl* ResolveControl(const ScriptLine& line, const std::string& path);
    // At screen pixels (which the display divides by its scale).
    void ClickAt(int x, int y, int button, bool twice);
    // The middle of the screen pixels that show a program pixel.
    int OnScreen(int programPixel) const { return programPixel * m_scale + m_scale / 2; }
    // What the screen shows of a window (`msgbox`: the front message box), in the program's pixels.
    std::unique_ptr<win::gdi::Surface> WindowPixels(const ScriptLine& line, const std::string& target);
    std::unique_ptr<win::gdi::Surface> ScreenPixels(const ScriptLine& line, const std::string& target,
                                                    win::RECT r);
    // Compares what the screen shows of a window with a PNG beside the script (rewritten instead when
    // TAXI_UPDATE_GOLDENS is set).
    void ExpectImage(const ScriptLine& line, const std::string& target, const std::string& golden,
                     int allowedPixels);
};

} // namespace uirun
