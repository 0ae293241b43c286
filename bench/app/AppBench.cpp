// Start-up to the ready main window (the three windows, the bank opened, the first readiness tick), and
// the exercise loading of FormShow for the whole bank, in practice and in an examination.
#include "app/TForm1.h"
#include "app/TaxiProgram.h"
#include "bank/ConnectionString.h"
#include "bank/TADOQuery.h"
#include "platform/display/HeadlessDisplay.h"
#include "practice/Exercise.h"
#include "practice/RandomGenerator.h"
#include "practice/TForm2.h"
#include "result/Modality.h"
#include "result/Tchengjiform.h"

#include <benchmark/benchmark.h>

namespace {

const std::string kFolder = std::string(TAXI_BINARY_DIR) + "/";

void BM_StartupToReadyMainWindow(benchmark::State& state) {
    Modality::ProgramFolder = kFolder;
    for (auto _ : state) {
        auto& display = win::display::ResetHeadless(true);
        taxi::InitializeProgramToolkit();
        taxi::CreateProgramWindows();
        Form1->Show();
        display.Advance(200);
        if (!Form1->ModeButtons[0]->Enabled())
            state.SkipWithError("the main window did not become ready");
        taxi::FinalizeProgram();
    }
}
BENCHMARK(BM_StartupToReadyMainWindow)->Unit(benchmark::kMillisecond);

void BM_FormShowWholeBank(benchmark::State& state) {
    const bool exam = state.range(0) == 1;
    bank::TADOConnection connection;
    connection.ConnectionString = bank::ConnectionString::ForJetFile(kFolder + "db1.mdb");
    connection.Open();
    bank::TADOQuery query;
    query.Connection = &connection;
    Exercise exercise;
    for (auto _ : state) {
        exercise.Load(query, "select * from titles ", exam);
        if (exam)
            exercise.DrawExam(RandomGenerator::Instance());
        else
            exercise.ShufflePracticeOrder(RandomGenerator::Instance());
        benchmark::DoNotOptimize(exercise.RowAt(0));
    }
    state.counters["rows"] = exercise.RowCount();
}
BENCHMARK(BM_FormShowWholeBank)->Arg(0)->Arg(1)->ArgNames({"exam"})->Unit(benchmark::kMillisecond);

} // namespace
