// The program's start-up: the single-instance guard, the three windows in order, and the message loop.
#pragma once

#include <string>

namespace taxi {

constexpr const char* kApplicationTitle = "出租车驾驶员从业资格证考试题练习系统";

// What a start may choose beyond the defaults.
struct ProgramOptions {
    // A skin package shown instead of the built-in skin; a file that cannot be read leaves the built-in one.
    std::string skinFile;
};

// Runs the program on the current display until the main window closes, then frees its windows so that it
// can run again in the same process. The program folder is Modality::ProgramFolder, or the executable's
// folder when that is empty. Returns 1 without any window when the single-instance lock cannot be taken.
int RunProgram(const ProgramOptions& options = {});

// The parts of RunProgram, for measuring start-up without the message loop: the toolkit with every class
// the program's layouts name, the three windows in order with the generator at its fixed seed, and freeing
// them again.
void InitializeProgramToolkit();
void CreateProgramWindows(const ProgramOptions& options = {});
void FinalizeProgram();

} // namespace taxi
