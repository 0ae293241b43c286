// Start-up to the ready main window (the three windows, the bank opened, the first readiness tick), the
// exercise loading of FormShow for the whole bank, in practice and in an examination, and the skinned
// practice window: a full repaint against copying its pixels once, a frame attached and taken off, and the
// skin switched off and on across the windows.
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
#include "skin/data/SkinMessages.h"
#include "skin/manager/TSkinManage.h"

#include <cstring>
#include <vector>

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

// The program started with the practice window open in the skin's frame; ended when it goes.
class ProgramWithPracticeWindow {
public:
    ProgramWithPracticeWindow() : m_display(win::display::ResetHeadless(true)) {
        Modality::ProgramFolder = kFolder;
        taxi::InitializeProgramToolkit();
        taxi::CreateProgramWindows();
        Form1->Show();
        m_display.Advance(300);
        // The practice window as the first mode button opens it, but shown without its modal loop.
        Modality::ExerciseRequest.QueryText = "select * from titles ";
        Form2->SetCaption("试题练习");
        Form2->Show();
        m_display.Advance(300);
    }
    ~ProgramWithPracticeWindow() { taxi::FinalizeProgram(); }
    ProgramWithPracticeWindow(const ProgramWithPracticeWindow&) = delete;
    ProgramWithPracticeWindow& operator=(const ProgramWithPracticeWindow&) = delete;

    win::HWND Practice() const { return Form2->Handle(); }
    skin::TSkinData* Skin() const {
        return dynamic_cast<skin::TSkinData*>(Form1->FindComponent("SkinData1"));
    }
    bool Framed() const { return skin::TSkinManage::Get().FindFrame(Practice()) != nullptr; }

private:
    win::display::HeadlessDisplay& m_display;
};

void BM_RepaintSkinnedPracticeWindow(benchmark::State& state) {
    ProgramWithPracticeWindow program;
    if (!program.Framed()) {
        state.SkipWithError("the practice window has no skinned frame");
        return;
    }
    const win::UINT flags =
        win::RDW_INVALIDATE | win::RDW_FRAME | win::RDW_ERASE | win::RDW_ALLCHILDREN | win::RDW_UPDATENOW;
    for (auto _ : state)
        win::RedrawWindow(program.Practice(), nullptr, nullptr, flags);
    win::RECT r;
    win::GetWindowRect(program.Practice(), &r);
    state.counters["pixels"] = static_cast<double>((r.right - r.left) * (r.bottom - r.top));
}
BENCHMARK(BM_RepaintSkinnedPracticeWindow)->Unit(benchmark::kMicrosecond);

// The baseline of the repaint: the skinned practice window's pixels (712 x 514) copied once.
void BM_MemcpyPracticeWindowPixels(benchmark::State& state) {
    const std::size_t bytes = std::size_t{712} * 514 * 4;
    std::vector<std::uint8_t> from(bytes, 0x5A), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyPracticeWindowPixels)->Unit(benchmark::kMicrosecond);

void BM_AttachAndRestoreFrame(benchmark::State& state) {
    ProgramWithPracticeWindow program;
    skin::TSkinManage& manager = skin::TSkinManage::Get();
    for (auto _ : state) {
        manager.ReattachWindow = program.Practice();
        manager.PendingSkinData = program.Skin();
        manager.PendingCommand = skin::TSkinManage::cmdReattach;
        manager.RunCommand();
        win::SendMessageA(program.Practice(), skin::SkinMsgFinish, 0, 1000);
    }
    if (!program.Framed())
        state.SkipWithError("the frame was not attached again");
}
BENCHMARK(BM_AttachAndRestoreFrame)->Unit(benchmark::kMicrosecond);

void BM_SkinOffAndOnAcrossWindows(benchmark::State& state) {
    ProgramWithPracticeWindow program;
    skin::TSkinManage& manager = skin::TSkinManage::Get();
    for (auto _ : state) {
        for (unsigned command : {skin::TSkinManage::cmdDeactivate, skin::TSkinManage::cmdActivate}) {
            manager.PendingSkinData = program.Skin();
            manager.PendingCommand = command;
            manager.RunCommand();
        }
        win::MSG msg;
        while (win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE))
            win::DispatchMessageA(&msg);
    }
    if (!program.Framed())
        state.SkipWithError("the skin did not come back");
}
BENCHMARK(BM_SkinOffAndOnAcrossWindows)->Unit(benchmark::kMicrosecond);

} // namespace
