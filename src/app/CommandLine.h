// The program's command line: what a start from a terminal, a desktop launcher or a script may ask for.
#pragma once

#include <string>
#include <vector>

namespace taxi {

class CommandLine {
public:
    enum class Action { Run, Help, Version, Refuse };

    // `arguments` without the program's name. Refuse comes with the reason in Error().
    static CommandLine Parse(const std::vector<std::string>& arguments);
    // The pixel scale to show windows at: --scale, else a valid `environmentScale` (TAXI_SCALE), else 0 for
    // the screen's density. An invalid TAXI_SCALE is ignored, with a warning in `warning`.
    int Scale(const char* environmentScale, std::string* warning) const;

    // The skin package to show the windows in, instead of the built-in one; empty for the built-in one.
    const std::string& SkinFile() const { return m_skinFile; }

    Action What() const { return m_action; }
    const std::string& Error() const { return m_error; }
    static std::string Usage();

private:
    Action m_action = Action::Run;
    int m_scale = 0;
    std::string m_skinFile;
    std::string m_error;
};

} // namespace taxi
