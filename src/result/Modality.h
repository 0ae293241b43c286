// The program's shared state, without logic: the exercise request the main window writes for the practice
// window, the readiness flag, and the examination's figures the result window reads.
#pragma once

#include <cstdint>
#include <string>

namespace Modality {

struct TExerciseRequest {
    std::string QueryText;
    std::uint8_t OrderMode = 0; // 0 sequential, 1 random
    std::uint8_t ExamMode = 0;  // 0 practice, 1 mock examination
};

extern TExerciseRequest ExerciseRequest;
extern bool BankReady;

// The examination's figures, set by the hand-in. They are kept apart from the practice counters, so a
// practice accuracy is always a share of practice answers.
extern int QuestionCount;
extern int ExamFullMarks;
extern int RightCount;
extern int WrongCount;
extern int ExamScore;

// The folder img/ is read from, with a trailing '/': the executable's folder, set once at start-up (the
// scenario runner points it at its own copy of the program folder).
extern std::string ProgramFolder;
// The folder db1.mdb is opened in, with a trailing '/': the program folder, or the user's own copy of the
// bank when the program folder is an installed, read-only one. Chosen at every start-up.
extern std::string BankFolder;

// Back to the values of a fresh start, for a second start-up within one process.
void Reset();

} // namespace Modality
