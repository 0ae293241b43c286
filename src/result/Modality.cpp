#include "result/Modality.h"

namespace Modality {

TExerciseRequest ExerciseRequest;
bool BankReady = false;
int QuestionCount = 0;
int ExamFullMarks = 0;
int RightCount = 0;
int WrongCount = 0;
int ExamScore = 0;
std::string ProgramFolder;
std::string BankFolder;

void Reset() {
    ExerciseRequest = TExerciseRequest{};
    BankReady = false;
    QuestionCount = ExamFullMarks = RightCount = WrongCount = ExamScore = 0;
}

} // namespace Modality
